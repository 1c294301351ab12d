#include "ui/dialogs/hot_label.h"

#include "platform/shell.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPalette>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
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
    label.setFocusPolicy(Qt::StrongFocus);
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
    Click();
}

void THotLabel::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (focusPolicy() == Qt::NoFocus || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier ||
        (key != Qt::Key_Return && key != Qt::Key_Enter && key != Qt::Key_Space)) {
        QLabel::keyPressEvent(event);
        return;
    }
    Click();
}

void THotLabel::Click() {
    emit clicked();
    Activate();
}

void THotLabel::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QStylePainter painter(this);
    QStyleOptionFocusRect focus;
    focus.initFrom(this);
    focus.rect = contentsRect();
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
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
