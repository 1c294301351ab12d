#pragma once

#include <QLineEdit>

namespace tkm {

// The grid's normal single-line editor, shown over the current cell.
class TGridInplaceEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit TGridInplaceEdit(QWidget* grid);

signals:
    // Keys the grid acts on while the editor is open (Enter, Escape, Tab, Up, Down).
    void GridKey(QKeyEvent* event);
    void FocusLeftWindow();

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tkm
