// Times the document paths of Taskmere on generated documents, with Python's
// csv module and LibreOffice as peers on the same files.
//
//   taskmere_bench [--sizes 10000,100000,1000000] [--runs N] [--no-peers] [--only GROUP,...]
//
// GROUP: core, filter, peers, print, preview, repaint, export, and caldav only when
// named (it starts a Radicale); the list is loaded in any case.
//
// Prints name<TAB>entries<TAB>seconds<TAB>MB/s (or "-"), one line per figure,
// each the median of N runs (default 5, 3 from a million entries on).
#include "bench_report.h"
#include "caldav_figures.h"
#include "core_figures.h"
#include "document_generator.h"
#include "export_figures.h"
#include "office_figures.h"
#include "peak_memory.h"
#include "peer_figures.h"
#include "print_figures.h"
#include "repaint_figures.h"
#include "tasks/task_table.h"
#include "ui/accessible_widgets.h"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace tkm::bench {

namespace {

constexpr int MostPeerEntries = 1'000'000;

struct TOptions {
    std::vector<int> Sizes{10000, 100000, 1000000};
    int Runs = 0;  // 0: by size
    bool Peers = true;
    std::vector<std::string> Only;  // empty: every group

    bool Wanted(const std::string& group) const { return Only.empty() || Named(group); }
    bool Named(const std::string& group) const { return std::find(Only.begin(), Only.end(), group) != Only.end(); }
};

std::vector<std::string> CommaList(const std::string& text) {
    std::vector<std::string> items;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        items.push_back(text.substr(start, end - start));
        start = end + 1;
    }
    return items;
}

std::vector<int> ParseSizes(const std::string& text) {
    std::vector<int> sizes;
    for (const std::string& item : CommaList(text)) {
        const int size = std::stoi(item);
        if (size < 1) throw std::invalid_argument("sizes must be at least 1");
        sizes.push_back(size);
    }
    return sizes;
}

TOptions ParseOptions(int argc, char** argv) {
    TOptions options;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--no-peers") {
            options.Peers = false;
        } else if ((arg == "--sizes" || arg == "--runs" || arg == "--only") && i + 1 < argc) {
            const std::string value = argv[++i];
            if (arg == "--sizes") options.Sizes = ParseSizes(value);
            else if (arg == "--only") options.Only = CommaList(value);
            else options.Runs = std::max(1, std::stoi(value));
        } else {
            throw std::invalid_argument(
                "usage: taskmere_bench [--sizes 10000,100000,1000000] [--runs N] [--no-peers] [--only GROUP,...]");
        }
    }
    return options;
}

// A scratch folder that goes with everything in it.
class TScratchFolder {
public:
    TScratchFolder() {
        const char* tmp = std::getenv("TMPDIR");
        std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/taskmere-bench-XXXXXX";
        if (!mkdtemp(pattern.data())) throw std::runtime_error("cannot create a folder in " + pattern);
        path_ = pattern;
    }
    ~TScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    const std::string& Path() const { return path_; }

private:
    std::string path_;
};

void MeasureSize(int entries, int runs, const TOptions& options, const std::string& folder, TBenchReport& report) {
    TBenchDocument document;
    document.Entries = entries;
    const TStopwatch generating;
    bool generated = false;
    document.FileName = CachedDocument(entries, BenchToday, document.Formats, generated);
    document.Bytes = std::filesystem::file_size(document.FileName);
    char line[200];
    std::snprintf(line, sizeof line, "%d entries: %.1f MB document, %s in %.1f s; medians of %d runs", entries,
                  double(document.Bytes) / 1e6, generated ? "generated" : "taken from the cache", generating.Seconds(),
                  runs);
    Note(line);

    // First, in a process of its own, so that nothing else has touched memory.
    if (options.Wanted("core")) report.Value("peak-rss-MB", entries, PeakMegabytesAfterLoad(document.FileName));

    TCoreFigures core(document, runs, folder, report);
    std::unique_ptr<TBaseGrid> grid = core.Load();
    if (options.Wanted("core")) {
        core.Save(*grid);
        core.Statistics(*grid);
        core.FindNothing(*grid);
        for (const auto& [name, column] : {std::pair{"sort:due-date", colDueDate}, {"sort:status", colStatus},
                                           {"sort:description", colDescription}, {"sort:cost", colCost}})
            core.Sort(name, column);
        core.UndoSort();
        core.AddEntries();
        core.Recovery(*grid);
    }
    if (options.Wanted("filter")) core.Filter(*grid);

    // The peers take minutes past a million entries and tell nothing new there.
    if (options.Peers && options.Wanted("peers") && entries <= MostPeerEntries) {
        TPeerFigures peers(document, runs, folder, report);
        peers.PythonCsv();
        peers.LibreOffice();
        if (entries <= TOfficeFigures::MostXlsEntries) peers.LibreOfficeXls();
    }

    if (options.Wanted("export")) {
        ExportFigures(document, *grid, runs, folder, report);
        TOfficeFigures office(document, runs, folder, report);
        if (entries <= TOfficeFigures::MostXlsEntries) office.ExportXls(*grid);
        if (entries <= TOfficeFigures::MostWordEntries) office.ExportWord(*grid);
    }

    if (options.Wanted("print")) {
        TPrintFigures print(document, *grid, runs, report);
        print.Recording();
        print.Painter();
    }
    if (options.Wanted("preview")) TPrintFigures(document, *grid, runs, report).PreviewWindow();

    if (options.Named("caldav")) CaldavFigures(document, *grid, runs, options.Peers, report);
    if (options.Wanted("repaint")) RepaintFigures(document, runs, std::move(grid), report);
}

int Run(int argc, char** argv) {
    const TOptions options = ParseOptions(argc, argv);
    // Before QApplication reads it: the bench never needs a screen.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QApplication app(argc, argv);
    tkm::InstallAccessibleWidgets();
    TBenchReport report;
    const TScratchFolder folder;
    if (options.Wanted("print")) PdfFigure(folder.Path(), options.Runs ? options.Runs : 5, report);
    for (const int entries : options.Sizes) {
        const int runs = options.Runs ? options.Runs : entries >= 1000000 ? 3 : 5;
        MeasureSize(entries, runs, options, folder.Path(), report);
    }
    return report.Failed() ? 1 : 0;
}

}  // namespace

}  // namespace tkm::bench

int main(int argc, char** argv) {
    try {
        if (argc == 3 && std::string(argv[1]) == tkm::bench::PeakMemoryChildOption)
            return tkm::bench::PeakMemoryChild(argv[2]);
        return tkm::bench::Run(argc, argv);
    } catch (const std::exception& e) {
        tkm::bench::Note(std::string("taskmere_bench: ") + e.what());
        return 2;
    }
}
