#include "ui/grid/inplace_edit.h"

#include <QKeyEvent>

namespace tkm {

TGridInplaceEdit::TGridInplaceEdit(QWidget* grid) : QLineEdit(grid) {
    setFrame(false);
    setTextMargins(1, 0, 0, 0);
    hide();
}

bool TGridInplaceEdit::event(QEvent* e) {
    if (e->type() == QEvent::ShortcutOverride) {
        // The window's Shift+Ins and Shift+Del (add and delete an entry) come
        // before the editor's own paste and cut on those keys.
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->modifiers() == Qt::ShiftModifier &&
            (key->key() == Qt::Key_Insert || key->key() == Qt::Key_Delete))
            return false;
    }
    if (e->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(e);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            emit GridKey(key);
            return true;
        }
    }
    return QLineEdit::event(e);
}

void TGridInplaceEdit::keyPressEvent(QKeyEvent* e) {
    switch (e->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
        emit GridKey(e);
        return;
    default: QLineEdit::keyPressEvent(e);
    }
}

void TGridInplaceEdit::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    if (e->reason() != Qt::PopupFocusReason && isVisible()) emit FocusLeftWindow();
}

}  // namespace tkm
