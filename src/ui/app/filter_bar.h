#pragma once

#include "tasks/task_filter.h"

#include <QWidget>

class QComboBox;
class QLineEdit;

namespace tkm {

// The row above the table that filters it: the words to look for and which
// entries to show. Escape hides it, which ends the filter.
class TFilterBar : public QWidget {
    Q_OBJECT
public:
    explicit TFilterBar(QWidget* parent = nullptr);

    TTaskFilter Filter() const;
    QLineEdit* WordsBox() const { return edtWords_; }
    QComboBox* ShowBox() const { return cbxShow_; }
    // Shows the bar with the cursor in the words; hides it and clears the filter.
    void Open();
    void Close();

signals:
    void FilterChanged();
    // Escape or the close button: the table takes the focus back.
    void Closed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edtWords_;
    QComboBox* cbxShow_;
};

}  // namespace tkm
