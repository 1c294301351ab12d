#include "cli/commands.h"
#include "cli/document_files.h"
#include "tasks/task_table.h"

#include <charconv>

namespace tkm::cli {

namespace {

constexpr int MaxCount = 10'000'000;

int EntryCount(const std::optional<std::string>& value) {
    if (!value) return 1;
    int count = 0;
    const auto [end, ec] = std::from_chars(value->data(), value->data() + value->size(), count);
    if (value->empty() || ec != std::errc() || end != value->data() + value->size() || count < 1 || count > MaxCount)
        throw EUsage("bad value for --count: " + *value + " (1 to " + std::to_string(MaxCount) + ")");
    return count;
}

int RunNew(TArguments& args) {
    const int count = EntryCount(args.TakeValue("--count"));
    args.RejectUnknown();
    args.ExpectPositional(1, 1);
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    const TaskTable::TNewEntryContext context{args.Clock, args.Formats};
    TaskTable::FillNewEntry(grid, context);
    for (int i = 1; i < count; ++i) {
        grid.SetRowCount(grid.RowCount() + 1);
        TaskTable::FillNewEntry(grid, context);
    }
    SaveDocument(grid, args.Positional[0]);
    return 0;
}

}  // namespace

TCommand NewCommand() {
    return {"new", "new OUT [--count N]       write a document of N new entries", {"--count"}, RunNew};
}

}  // namespace tkm::cli
