#pragma once

#include <QDialog>

namespace tkm {

// A dialog with a help topic: F1 asks its owner to open the help.
class THelpDialog : public QDialog {
    Q_OBJECT
public:
    THelpDialog(int helpContext, QWidget* parent);

signals:
    void helpRequested(int context);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    int helpContext_;
};

}  // namespace tkm
