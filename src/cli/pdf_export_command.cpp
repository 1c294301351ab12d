#include "cli/commands.h"
#include "cli/document_files.h"
#include "cli/pdf_export.h"
#include "tasks/task_table.h"

#include <charconv>
#include <filesystem>

namespace tkm::cli {

namespace {

// "0,3,5": real columns of the task table.
std::vector<int> ChosenColumns(const std::optional<std::string>& value) {
    std::vector<int> columns;
    if (!value) return columns;
    const auto bad = [&] { return EUsage("bad value for --columns: " + *value + " (column numbers 0 to 13, comma-separated)"); };
    const char* at = value->data();
    const char* const end = at + value->size();
    while (true) {
        int col = -1;
        const auto [next, ec] = std::from_chars(at, end, col);
        if (ec != std::errc() || col < 0 || col >= TaskColumnCount) throw bad();
        columns.push_back(col);
        if (next == end) return columns;
        if (*next != ',') throw bad();
        at = next + 1;
    }
}

int RunExport(TArguments& args) {
    const std::optional<std::string> type = args.TakeValue("--type");
    const std::vector<int> columns = ChosenColumns(args.TakeValue("--columns"));
    const bool colors = !args.TakeFlag("--no-colors");
    const bool force = args.TakeFlag("--force");
    args.RejectUnknown();
    args.ExpectPositional(2, 2);
    if (!type) throw EUsage("missing --type");
    if (*type != "pdf") throw EUsage("unknown --type " + *type);
    const std::string& out = args.Positional[1];
    std::error_code ignored;
    if (!force && std::filesystem::exists(out, ignored))
        throw EFileError(out + ": the file exists; --force replaces it");
    TBaseGrid grid;
    LoadDocument(grid, args.Positional[0]);
    ExportPdf(grid, columns, colors, out, args.Formats, args.Clock);
    return 0;
}

}  // namespace

TCommand PdfExportCommand() {
    return {"export", "export FILE OUT --type pdf [--columns 0,3,5] [--no-colors] [--force]  print to a PDF file",
            {"--type", "--columns"}, RunExport};
}

}  // namespace tkm::cli
