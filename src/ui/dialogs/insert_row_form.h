#pragma once

#include "tasks/multiple_entries.h"
#include "ui/dialogs/help_dialog.h"

class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace tkm {

class Clock;
class TDecimalEdit;
class TGridDatePicker;

// Add Multiple Entries: collects how many entries go where and the values
// they share. Its owner runs it modally (exec) and, after OK, adds the entries.
class TfrmInsertRow : public THelpDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 10;

    // `currentRow` is the task table's current row, named in "Before row #".
    TfrmInsertRow(int currentRow, const Clock& clock, const TLocaleFormats& formats, QWidget* parent = nullptr);

    bool InsertsBefore() const;
    int Count() const;
    // The controls' values as cell texts, read anew on every call.
    TEntryValues Values() const;

    QRadioButton* rbtnAfter() const { return rbtnAfter_; }
    QRadioButton* rbtnBefore() const { return rbtnBefore_; }
    QComboBox* cbxInsertRow() const { return cbxInsertRow_; }
    TGridDatePicker* dtedEntryDate() const { return dtedEntryDate_; }
    QComboBox* cbxStatus() const { return cbxStatus_; }
    QComboBox* cbxPriority() const { return cbxPriority_; }
    TGridDatePicker* dtedDueDate() const { return dtedDueDate_; }
    TGridDatePicker* dtEdDueTime() const { return dtEdDueTime_; }
    TDecimalEdit* txtTotalHours() const { return txtTotalHours_; }
    TDecimalEdit* txtCost() const { return txtCost_; }
    QLineEdit* txtResources() const { return txtResources_; }
    QPushButton* btnOK() const { return btnOK_; }
    QPushButton* btnCancel() const { return btnCancel_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLayout* CreatePlaceSection(int currentRow);
    QWidget* CreateValuesBox(const Clock& clock);

    // The pickers keep a reference to the formats: they live as long as the form.
    const TLocaleFormats formats_;
    QRadioButton* rbtnAfter_ = nullptr;
    QRadioButton* rbtnBefore_ = nullptr;
    QComboBox* cbxInsertRow_ = nullptr;
    TGridDatePicker* dtedEntryDate_ = nullptr;
    QComboBox* cbxStatus_ = nullptr;
    QComboBox* cbxPriority_ = nullptr;
    TGridDatePicker* dtedDueDate_ = nullptr;
    TGridDatePicker* dtEdDueTime_ = nullptr;
    TDecimalEdit* txtTotalHours_ = nullptr;
    TDecimalEdit* txtCost_ = nullptr;
    QLineEdit* txtResources_ = nullptr;
    QPushButton* btnOK_ = nullptr;
    QPushButton* btnCancel_ = nullptr;
};

}  // namespace tkm
