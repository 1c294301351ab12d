#include "cli/commands.h"
#include "cli/document_files.h"
#include "tasks/task_table.h"

namespace tkm::cli {

namespace {

int RunNew(TArguments& args) {
    const int count = args.TakeInteger("--count", 1, 1, MaxEntryCount);
    const bool force = args.TakeFlag("--force");
    args.RejectUnknown();
    args.ExpectPositional(1, 1);
    if (!force) RefuseToReplace(args.Positional[0]);
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    const TaskTable::TNewEntryContext context{args.Clock, args.Formats};
    TaskTable::FillNewEntry(grid, context);
    for (int i = 1; i < count; ++i) {
        grid.SetRowCount(grid.RowCount() + 1);
        TaskTable::FillNewEntry(grid, context);
    }
    SaveDocument(grid, args.Positional[0], args);
    return 0;
}

}  // namespace

TCommand NewCommand() {
    return {"new", "new OUT [--count N] [--force]  write a document of N new entries", {"--count"}, RunNew};
}

}  // namespace tkm::cli
