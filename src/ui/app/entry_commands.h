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

// The commands on the entries of the list: Add New Entry, Delete, Renumber
// Entries and Sort By.
class TEntryCommands : public QObject {
    Q_OBJECT
public:
    TEntryCommands(TTaskGrid& grid, Dialogs& dialogs, TaskTable::TNewEntryContext newEntry,
                   std::function<void()> markModified, QObject* parent);

    // Binds the commands and fills the Sort By menu.
    void Bind(TCommandTable& commands);

    void AddNewEntry();
    void Delete();
    void Renumber();
    // Sorts by the column in the chosen Sort By item's data.
    void SortBy(QAction* item);
    // The current entry becomes a new one, and editing starts on its description.
    void ResetCurrentEntry();

private:
    void RemoveEntry(int row);

    TTaskGrid& grid_;
    Dialogs& dialogs_;
    TaskTable::TNewEntryContext newEntry_;
    std::function<void()> markModified_;
    QMenu* sortMenu_ = nullptr;
};

}  // namespace tkm
