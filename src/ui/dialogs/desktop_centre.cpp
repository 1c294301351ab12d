#include "ui/dialogs/desktop_centre.h"

#include <QEvent>
#include <QScreen>
#include <QWidget>
#include <QWindow>

namespace tkm {

namespace {

void MoveToCentre(QWidget& dialog, const QScreen& screen, const QMargins& frame) {
    const QSize outer = dialog.size().grownBy(frame);
    const QRect area = screen.availableGeometry();
    // A window's position is its frame's.
    dialog.move(area.x() + (area.width() - outer.width()) / 2, area.y() + (area.height() - outer.height()) / 2);
}

// The owner's frame may differ from the dialog's (a resize handle): once
// the window manager has placed the dialog in a frame of its own, the
// dialog is centred by that one.
class TCentreByOwnFrame : public QObject {
public:
    TCentreByOwnFrame(QWidget& dialog, const QScreen& screen, const QMargins& estimate)
        : QObject(&dialog), dialog_(dialog), screen_(screen), estimate_(estimate) {
        dialog.installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override {
        const QWindow* window = dialog_.windowHandle();
        if (event->type() != QEvent::Move || !dialog_.isVisible() || !window) return false;
        const QMargins frame = window->frameMargins();
        if (frame == estimate_) return false;
        dialog_.removeEventFilter(this);
        MoveToCentre(dialog_, screen_, frame);
        deleteLater();
        return false;
    }

private:
    QWidget& dialog_;
    const QScreen& screen_;
    QMargins estimate_;
};

}  // namespace

void CentreOnDesktop(QWidget& dialog, const QWidget* owner) {
    const QScreen* screen = owner ? owner->screen() : dialog.screen();
    if (!screen) return;
    // The window manager frames a dialog only once it shows; until then, the
    // owner's window shows what its frame will be.
    QMargins frame;
    if (const QWindow* shown = owner ? owner->window()->windowHandle() : nullptr) frame = shown->frameMargins();
    MoveToCentre(dialog, *screen, frame);
    new TCentreByOwnFrame(dialog, *screen, frame);
}

}  // namespace tkm
