#pragma once

#include "base/date_text.h"
#include "tasks/task_statistics.h"

#include "ui/dialogs/help_dialog.h"

class QPushButton;
class QTableWidget;

namespace tkm {

class TBaseGrid;

// The statistics report: counts the task table once, when it is created, and
// never changes it. Its owner runs it modally (exec) and frees it afterwards.
class TfrmStat : public THelpDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 680;

    TfrmStat(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, QWidget* parent = nullptr);

    const TStatistics& Counts() const { return counts_; }
    QTableWidget* stgStat() const { return stgStat_; }
    QPushButton* btnOK() const { return btnOK_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void FillTable();

    TStatistics counts_;
    QTableWidget* stgStat_ = nullptr;
    QPushButton* btnOK_ = nullptr;
};

}  // namespace tkm
