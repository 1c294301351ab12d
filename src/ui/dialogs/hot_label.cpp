#include "ui/dialogs/hot_label.h"

#include "platform/shell.h"

#include <QMouseEvent>
#include <QPalette>
#include <QToolTip>

namespace tkm {

namespace {

QColor HintBackground() { return QToolTip::palette().color(QPalette::ToolTipBase); }

void SetHintBackground(const QColor& color) {
    QPalette palette = QToolTip::palette();
    palette.setColor(QPalette::ToolTipBase, color);
    QToolTip::setPalette(palette);
}

// The starting look of the two links: a hand cursor, hot-tracking on, an
// underlined hot-track font in the given colour.
void MakeLink(THotLabel& label, Qt::GlobalColor hotColor) {
    label.setCursor(Qt::PointingHandCursor);
    label.SetHotTrack(true);
    QFont underlined = label.font();
    underlined.setUnderline(true);
    label.SetHotTrackLook({underlined, hotColor});
}

}  // namespace

THotLabel::THotLabel(const QString& text, QWidget* parent)
    : QLabel(text, parent), hotTrackLook_{font(), Look().Color}, hintColor_(HintBackground()) {}

TLabelLook THotLabel::Look() const { return {font(), palette().color(QPalette::WindowText)}; }

void THotLabel::SetLook(const TLabelLook& look) {
    setFont(look.Font);
    QPalette colors = palette();
    colors.setColor(QPalette::WindowText, look.Color);
    setPalette(colors);
}

void THotLabel::enterEvent(QEnterEvent* event) {
    QLabel::enterEvent(event);
    if (!hovered_) {
        hovered_ = true;
        savedLook_ = Look();
        savedHintColor_ = HintBackground();
        if (hotTrack_) SetLook(hotTrackLook_);
        SetHintBackground(hintColor_);
    }
    emit mouseEntered();
}

void THotLabel::leaveEvent(QEvent* event) {
    QLabel::leaveEvent(event);
    if (hovered_) {
        hovered_ = false;
        if (hotTrack_) SetLook(savedLook_);
        SetHintBackground(savedHintColor_);
    }
    emit mouseLeft();
}

void THotLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !rect().contains(event->position().toPoint())) return;
    emit clicked();
    Activate();
}

THotLink::THotLink(const QString& text, Shell& shell, QWidget* parent) : THotLabel(text, parent), shell_(shell) {
    MakeLink(*this, Qt::blue);
}

// Whether a browser is registered is the desktop's business: nothing to report.
void THotLink::Activate() { shell_.Open(Url); }

TMailToLabel::TMailToLabel(const QString& text, Shell& shell, QWidget* parent)
    : THotLabel(text, parent), shell_(shell) {
    SetLook({font(), Qt::blue});
    MakeLink(*this, Qt::red);
}

void TMailToLabel::Activate() { shell_.Open(MailToAddress(Message)); }

}  // namespace tkm
