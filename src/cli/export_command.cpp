#include "cli/commands.h"
#include "cli/document_files.h"
#include "cli/pdf_export.h"
#include "grid/io/office_export.h"
#include "settings/print_settings_file.h"
#include "tasks/cell_styling.h"
#include "tasks/document_name.h"
#include "tasks/task_table.h"

#include <charconv>

namespace tkm::cli {

namespace {

constexpr const char* PdfType = "pdf";

// The types the command writes: the Save As types by extension, and PDF.
std::string TypeList() {
    std::string list;
    for (const TExportFormat& format : ExportFormats()) {
        if (*format.Extension == '\0') continue;
        if (!list.empty()) list += ", ";
        list += format.Extension;
    }
    return list + ", " + PdfType;
}

std::vector<int> ParseColumns(const std::string& text) {
    std::vector<int> columns;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        int column = -1;
        const auto [ptr, ec] = std::from_chars(text.data() + start, text.data() + end, column);
        if (ec != std::errc() || ptr != text.data() + end || column < 0 || column >= TaskColumnCount)
            throw EUsage("bad value for --columns: " + text + " (column numbers 0 to 13, separated by commas)");
        columns.push_back(column);
        if (end == text.size()) return columns;
        start = end + 1;
    }
}

// As the column chooser leaves the grid: the named columns shown, in table order.
void ShowOnly(TBaseGrid& grid, const std::vector<int>& columns) {
    for (int col = 0; col < TaskColumnCount; ++col)
        if (std::find(columns.begin(), columns.end(), col) == columns.end()) grid.HideColumn(col);
}

void Write(const TBaseGrid& grid, const TExportFormat& format, const TExportSources& sources,
           const std::string& fileName) {
    try {
        ExportGrid(grid, format, sources, fileName);
    } catch (const EGridFileError& e) {
        throw EFileError(e.FullMessage());
    } catch (const ERowLimitError& e) {
        throw EFileError("Cannot write " + fileName + ": " + e.what() + " Use --type " + e.Larger().Extension + ".");
    } catch (const EGridError& e) {
        throw EFileError("Cannot write " + fileName + ": " + e.what());
    } catch (const EInOutError& e) {
        throw EFileError(e.what());
    }
}

// A print settings file as the settings dialog saves it.
void ReadSettingsFile(const std::string& fileName, TPrintSettings& settings) {
    try {
        LoadPrintSettingsFile(fileName, settings);
    } catch (const EGridFileError& e) {
        throw EFileError(e.FullMessage());
    } catch (const EInOutError& e) {
        throw EFileError(e.what());
    }
}

}  // namespace

TCommand ExportCommand(std::shared_ptr<OfficeConverter> office) {
    auto run = [office = std::move(office)](TArguments& args) {
        const std::optional<std::string> type = args.TakeValue("--type");
        const std::optional<std::string> columns = args.TakeValue("--columns");
        const std::optional<std::string> printSettings = args.TakeValue("--print-settings");
        const std::optional<std::string> paper = args.TakeValue("--paper");
        const bool noColors = args.TakeFlag("--no-colors");
        const bool force = args.TakeFlag("--force");
        args.RejectUnknown();
        args.ExpectPositional(2, 2);
        if (!type) throw EUsage("--type is missing (" + TypeList() + ")");
        const bool toPdf = *type == PdfType;
        const TExportFormat* format = toPdf ? nullptr : ExportFormatFor(*type);
        if (!toPdf && !format) throw EUsage("bad value for --type: " + *type + " (" + TypeList() + ")");
        if (printSettings && !toPdf) throw EUsage("--print-settings is for --type pdf only");
        if (paper && !toPdf) throw EUsage("--paper is for --type pdf only");
        if (paper && !IsPaperName(*paper)) throw EUsage("bad value for --paper: " + *paper + " (" + PaperNames() + ")");

        const std::string& out = args.Positional[1];
        if (!force) RefuseToReplace(out);
        TBaseGrid grid;
        LoadDocument(grid, args.Positional[0], args);
        if (columns) ShowOnly(grid, ParseColumns(*columns));
        if (toPdf) {
            TPrintSettings settings = TPrintSettings::TaskGrid();
            if (printSettings) ReadSettingsFile(*printSettings, settings);
            ExportPdf(grid, settings, !noColors, {out, paper.value_or(""), DocumentBaseName(args.Positional[0])},
                      args.Formats, args.Clock);
            return 0;
        }
        TExportSources sources;
        sources.Html.Settings.SaveColor = !noColors;
        // No desktop palette here: system colours take the classic scheme's values.
        sources.Html.Colors = ScreenColorsForExport(grid, {.Today = args.Clock.Today(), .Formats = args.Formats});
        // Sheets read numbers and dates in the formats the command was given.
        sources.Office = OfficeExportThrough(office, TaskTable::SheetTyping(args.Formats));
        sources.Calendar = [&](const TBaseGrid& shown, const std::string& fileName) {
            WriteCalendarFile(shown, fileName, CalendarSettings(args));
        };
        Write(grid, *format, sources, out);
        return 0;
    };
    return {"export",
            "export FILE OUT --type T [--columns 0,3,5] [--no-colors] [--print-settings FILE.ini] [--paper P] [--force]\n"
            "                            export the chosen columns as Save As does (T: " +
                TypeList() + "); pdf prints with the print settings file given, on paper P (" + PaperNames() +
                "; default: the locale's)",
            {"--type", "--columns", "--print-settings", "--paper"},
            run};
}

}  // namespace tkm::cli
