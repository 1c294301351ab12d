#include "export_figures.h"

#include "base/file_bytes.h"
#include "grid/io/html_writer.h"
#include "grid/io/text_writer.h"
#include "peak_memory.h"
#include "tasks/calendar_document.h"
#include "tasks/cell_styling.h"
#include "tasks/task_table.h"

#include <algorithm>
#include <filesystem>

namespace tkm::bench {

namespace {

// Times `write` into fileName and reports it with the file's size as MB/s.
template <typename TWrite>
void TimedExport(const std::string& name, const TBenchDocument& document, int runs, const std::string& fileName,
                 TBenchReport& report, TWrite write) {
    const double seconds = MedianSeconds(runs, [&] {
        const TStopwatch clock;
        write();
        return clock.Seconds();
    });
    report.Seconds(name, document.Entries, seconds, std::uint64_t(std::filesystem::file_size(fileName)));
}

bool SameEntries(const TBaseGrid& a, const TBaseGrid& b) {
    if (a.RowCount() != b.RowCount()) return false;
    for (int row = 1; row < a.RowCount(); ++row)
        for (int col = 0; col < TaskColumnCount; ++col)
            if (a.CellView(col, row) != b.CellView(col, row)) return false;
    return true;
}

// The list as iCalendar to-dos and back: the times, the peak memory of a
// process that reads the file, and every cell as it was.
void CalendarFigures(const TBenchDocument& document, const TBaseGrid& grid, int runs, const std::string& folder,
                     TBenchReport& report) {
    const std::string calendar = folder + "/export.ics";
    const TCalendarSettings settings{document.Formats, "Europe/Berlin"};
    TimedExport("export:ics", document, runs, calendar, report, [&] { WriteCalendarFile(grid, calendar, settings); });
    TBaseGrid read;
    const double seconds = MedianSeconds(runs, [&] {
        read = TBaseGrid();
        const TStopwatch clock;
        read = ReadCalendarDocument(calendar, settings);
        return clock.Seconds();
    });
    const auto bytes = std::uint64_t(std::filesystem::file_size(calendar));
    report.Seconds("import:ics", document.Entries, seconds, bytes);
    if (!SameEntries(grid, read)) report.Fail("the list did not come back cell for cell from its iCalendar file");
    read = TBaseGrid();
    const double peak = PeakMegabytesAfterLoad(calendar);
    report.Value("import:ics-peak-rss-MB", document.Entries, peak);
    report.Value("import:ics-peak-rss-per-file-MB", document.Entries, peak / (double(bytes) / 1e6));
    std::filesystem::remove(calendar);
}

}  // namespace

void ExportFigures(const TBenchDocument& document, const TBaseGrid& grid, int runs, const std::string& folder,
                   TBenchReport& report) {
    const std::string text = folder + "/export.txt";
    TimedExport("export:txt", document, runs, text, report, [&] { WriteTextFile(grid, text); });
    {
        // One line per row, the header included.
        const TFileBytes file(text);
        const std::string_view written = file.View();
        if (std::count(written.begin(), written.end(), '\n') != grid.RowCount())
            report.Fail("the text export has another number of lines than the grid has rows");
    }
    std::filesystem::remove(text);

    const std::string html = folder + "/export.htm";
    TimedExport("export:htm", document, runs, html, report, [&] {
        THtmlSources sources;
        sources.Colors = ScreenColorsForExport(grid, {.Today = BenchToday, .Formats = document.Formats});
        WriteHtmlFile(grid, html, sources);
    });
    std::filesystem::remove(html);
    CalendarFigures(document, grid, runs, folder, report);
}

}  // namespace tkm::bench
