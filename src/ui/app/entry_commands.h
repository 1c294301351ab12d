#pragma once

#include "tasks/task_table.h"

#include <QObject>

#include <functional>

class QAction;
class QMenu;

namespace tkm {

class Dialogs;
class TCommandTable;
class TTaskGrid;
class TfrmInsertRow;

// The commands on the entries of the list: Add New Entry, Delete, Add
// Multiple Entries, Renumber Entries and Sort By.
class TEntryCommands : public QObject {
    Q_OBJECT
public:
    TEntryCommands(TTaskGrid& grid, Dialogs& dialogs, TaskTable::TNewEntryContext newEntry,
                   std::function<void()> markModified, QObject* parent);

    // Binds the commands and fills the Sort By menu.
    void Bind(TCommandTable& commands);

    void AddNewEntry();
    void Delete();
    // Runs the Insert Row dialog; the entries are renumbered and the list
    // marked modified however it closes.
    void AddMultipleEntries();
    void Renumber();
    // Sorts by the column in the chosen Sort By item's data.
    void SortBy(QAction* item);
    // The current entry becomes a new one, and editing starts on its description.
    void ResetCurrentEntry();

    // F1 in a dialog of these commands.
    std::function<void()> OnHelpRequested;

private:
    void RemoveEntry(int row);
    void InsertEntries(const TfrmInsertRow& form);

    TTaskGrid& grid_;
    Dialogs& dialogs_;
    TaskTable::TNewEntryContext newEntry_;
    std::function<void()> markModified_;
    QMenu* sortMenu_ = nullptr;
};

}  // namespace tkm
