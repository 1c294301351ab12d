#include "cli/commands.h"
#include "cli/document_files.h"
#include "tasks/task_sort.h"
#include "tasks/task_table.h"

#include <charconv>

namespace tkm::cli {

namespace {

// The Sort By menu offers the columns after the entry number.
int SortColumn(const std::string& text) {
    int column = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), column);
    if (error != std::errc() || end != text.data() + text.size() || column < 1 || column >= TaskColumnCount)
        throw EUsage("bad value for --column: " + text + " (1 to " + std::to_string(TaskColumnCount - 1) + ")");
    return column;
}

int RunSort(TArguments& args) {
    const std::optional<std::string> column = args.TakeValue("--column");
    if (!column) throw EUsage("missing --column");
    TSortSettings settings;
    settings.Column = SortColumn(*column);
    if (args.TakeFlag("--descending")) settings.Direction = TSortDirection::sdDescending;
    const std::optional<std::string> output = args.TakeValue("-o");
    args.RejectUnknown();
    args.ExpectPositional(1, 1);
    TBaseGrid grid;
    TCalendarOrigin origin;
    LoadDocument(grid, args.Positional[0], args, &origin);
    SortTaskTable(grid, settings, args.Formats);
    TaskTable::Renumber(grid);
    SaveDocument(grid, output.value_or(args.Positional[0]), args, &origin);
    return 0;
}

}  // namespace

TCommand SortCommand() {
    return {"sort",
            "sort FILE --column N [--descending] [-o OUT]\n"
            "                            sort as the Sort By menu does and renumber; OUT defaults to FILE",
            {"--column"},
            RunSort};
}

}  // namespace tkm::cli
