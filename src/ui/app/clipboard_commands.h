#pragma once

#include <QObject>
#include <QPointer>

class QAction;
class QLineEdit;
class QWidget;

namespace tkm {

// Cut, Copy and Paste act on the text box that has the focus (the cell
// editor while a cell is edited) and are enabled only when they would do
// something there.
class TClipboardCommands : public QObject {
    Q_OBJECT
public:
    TClipboardCommands(QAction* cut, QAction* copy, QAction* paste, QObject* parent);

    void Update();
    void Cut();
    void Copy();
    void Paste();

private:
    void FocusChanged(QWidget* now);

    QAction* cut_;
    QAction* copy_;
    QAction* paste_;
    QPointer<QLineEdit> target_;
    QMetaObject::Connection selection_;
};

}  // namespace tkm
