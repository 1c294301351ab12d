#include "ui/app/entry_commands.h"

#include "platform/dialogs.h"
#include "ui/app/command_guard.h"
#include "ui/app/command_table.h"
#include "ui/dialogs/insert_row_form.h"
#include "ui/grid/task_grid.h"
#include "ui/table_texts.h"

#include <QAction>
#include <QMenu>

#include <optional>

namespace tkm {

TEntryCommands::TEntryCommands(TTaskGrid& grid, Dialogs& dialogs, TaskTable::TNewEntryContext newEntry,
                               std::function<void()> markModified, QObject* parent)
    : QObject(parent), grid_(grid), dialogs_(dialogs), newEntry_(newEntry), markModified_(std::move(markModified)) {}

void TEntryCommands::Bind(TCommandTable& commands) {
    commands.Bind("aclAddNewEntry", [this] { AddNewEntry(); });
    commands.Bind("aclDelete", [this] { Delete(); });
    commands.Bind("aclMultipleRow", [this] { AddMultipleEntries(); });
    commands.Bind("aclRenumber", [this] { Renumber(); });

    sortMenu_ = commands.Menu("mnuSortBy");
    const char* accelerators = "123456789ABCD";
    for (int col = 1; col < TaskColumnCount; ++col) {
        const std::string_view header = TaskTable::Headers[std::size_t(col)];
        QAction* item = sortMenu_->addAction(QString("&%1 %2").arg(accelerators[col - 1]).arg(ColumnText(header)));
        item->setData(col);
        item->setStatusTip(sortMenu_->menuAction()->statusTip());
    }
    connect(sortMenu_, &QMenu::triggered, this, &TEntryCommands::SortBy);
}

void TEntryCommands::ResetCurrentEntry() {
    TaskTable::ResetCurrentEntry(grid_.Store(), newEntry_);
    grid_.StartEditing();
}

void TEntryCommands::AddNewEntry() {
    IgnoringStepFailures([this] {
        const TTaskGrid::TUndoStep step(grid_, tr("Add New Entry").toStdString());
        TBaseGrid& grid = grid_.Store();
        grid.SetRowCount(grid.RowCount() + 1);
        TaskTable::FillNewEntry(grid, newEntry_);
        grid.SetCurrentCell(colDescription, grid.RowCount() - 1);
        grid_.ShowInplaceEditor();
        markModified_();
    });
}

// The last entry is never removed, only emptied.
void TEntryCommands::RemoveEntry(int row) {
    TBaseGrid& grid = grid_.Store();
    if (grid.RowCount() - 1 > 1) {
        ResetCurrentEntry();
        grid.RemoveRows(row, 1);
    } else {
        grid.SetCellText(colDescription, row, "");
        ResetCurrentEntry();
    }
}

void TEntryCommands::Delete() {
    TBaseGrid& grid = grid_.Store();
    const int row = grid.Row();
    // With every entry filtered out the current row is hidden: nothing to delete.
    if (row < grid.FixedRows() || row >= grid.RowCount() || !grid.IsRowShown(row)) return;
    IgnoringStepFailures([&] {
        // The step starts only once the entry goes: a No leaves the editor and the flag alone.
        std::optional<TTaskGrid::TUndoStep> step;
        const auto remove = [&] {
            step.emplace(grid_, tr("Delete Entry").toStdString());
            RemoveEntry(row);
        };
        if (!grid.CellView(colDescription, row).empty()) {
            switch (dialogs_.Confirm(tr("Are you sure you want to delete the current row?").toStdString(),
                                     TConfirmButtons::YesNo)) {
            case TConfirmAnswer::No: return;
            case TConfirmAnswer::Yes: remove(); break;
            default: break;  // closed without an answer: nothing is removed
            }
        } else {
            remove();
        }
        TaskTable::Renumber(grid);
        markModified_();
    });
}

void TEntryCommands::AddMultipleEntries() {
    grid_.CommitEditor();
    {
        const TTaskGrid::TUndoStep step(grid_, tr("Add Multiple Entries").toStdString());
        TfrmInsertRow form(grid_.Store().Row(), newEntry_.TimeSource, newEntry_.Formats, grid_.window());
        connect(&form, &TfrmInsertRow::helpRequested, this, [this] {
            if (OnHelpRequested) OnHelpRequested();
        });
        if (form.exec() == QDialog::Accepted) InsertEntries(form);
        IgnoringStepFailures([this] { TaskTable::Renumber(grid_.Store()); });
    }
    IgnoringStepFailures([this] { markModified_(); });
}

// The entries at the end report a failure; those before the current row stop silently.
void TEntryCommands::InsertEntries(const TfrmInsertRow& form) {
    TBaseGrid& grid = grid_.Store();
    if (form.InsertsBefore()) {
        IgnoringStepFailures([&] {
            MultipleEntries::InsertBefore(grid, grid.Row(), form.Count(), form.Values(), newEntry_);
        });
    } else {
        ReportingStepFailures(dialogs_, [&] {
            MultipleEntries::AddAtEnd(grid, form.Count(), [&form] { return form.Values(); }, newEntry_);
        });
    }
}

void TEntryCommands::Renumber() {
    const TTaskGrid::TUndoStep step(grid_, tr("Renumber Entries").toStdString());
    TaskTable::Renumber(grid_.Store());
}

void TEntryCommands::SortBy(QAction* item) {
    IgnoringStepFailures([&] {
        const int col = item->data().toInt();
        const TTaskGrid::TUndoStep step(grid_, TTaskGrid::SortStepName(col));
        grid_.SortSettings().Column = col;
        grid_.SortByColumn();
        // The chosen column is the menu's default item, drawn bold.
        if (QAction* previous = sortMenu_->defaultAction()) previous->setFont(sortMenu_->font());
        QFont bold = sortMenu_->font();
        bold.setBold(true);
        item->setFont(bold);
        sortMenu_->setDefaultAction(item);
        TaskTable::Renumber(grid_.Store());
    });
}

}  // namespace tkm
