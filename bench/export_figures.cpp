#include "export_figures.h"

#include "base/file_bytes.h"
#include "grid/io/html_writer.h"
#include "grid/io/text_writer.h"
#include "tasks/cell_styling.h"

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
}

}  // namespace tkm::bench
