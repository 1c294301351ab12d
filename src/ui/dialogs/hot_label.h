#pragma once

#include "base/mail_to.h"

#include <QColor>
#include <QFont>
#include <QLabel>

#include <string>

namespace tkm {

class Shell;

// A label's font together with its text colour.
struct TLabelLook {
    QFont Font;
    QColor Color;
};

// A label that changes its look while the mouse is over it and lends the
// application's tool tips its own background colour meanwhile; both are
// put back when the mouse leaves. A link label also takes the focus and is
// followed with Enter or Space, as a click follows it.
class THotLabel : public QLabel {
    Q_OBJECT
public:
    explicit THotLabel(const QString& text, QWidget* parent = nullptr);

    bool HotTrack() const { return hotTrack_; }
    void SetHotTrack(bool on) { hotTrack_ = on; }
    const TLabelLook& HotTrackLook() const { return hotTrackLook_; }
    void SetHotTrackLook(const TLabelLook& look) { hotTrackLook_ = look; }
    QColor HintColor() const { return hintColor_; }
    void SetHintColor(const QColor& color) { hintColor_ = color; }

    TLabelLook Look() const;
    void SetLook(const TLabelLook& look);

signals:
    void mouseEntered();
    void mouseLeft();
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

    // What a click does after the clicked signal.
    virtual void Activate() {}

private:
    void Click();

    bool hotTrack_ = false;
    TLabelLook hotTrackLook_;
    QColor hintColor_;
    TLabelLook savedLook_;
    QColor savedHintColor_;
    bool hovered_ = false;
};

// Opens its address in the user's browser when clicked.
class THotLink : public THotLabel {
    Q_OBJECT
public:
    THotLink(const QString& text, Shell& shell, QWidget* parent = nullptr);

    std::string Url;

protected:
    void Activate() override;

private:
    Shell& shell_;
};

// Starts a new message in the user's mail program when clicked.
class TMailToLabel : public THotLabel {
    Q_OBJECT
public:
    TMailToLabel(const QString& text, Shell& shell, QWidget* parent = nullptr);

    TMailMessage Message;

protected:
    void Activate() override;

private:
    Shell& shell_;
};

}  // namespace tkm
