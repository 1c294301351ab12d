#include "ui/dialogs/help_dialog.h"

#include <QKeyEvent>

namespace tkm {

THelpDialog::THelpDialog(int helpContext, QWidget* parent) : QDialog(parent), helpContext_(helpContext) {}

void THelpDialog::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        emit helpRequested(helpContext_);
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace tkm
