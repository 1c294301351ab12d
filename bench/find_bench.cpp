// Times a whole-table search that finds nothing: find_bench [ROWS]
#include "grid/find_cell.h"
#include "tasks/task_table.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

namespace {

// Rows shaped like a long real list: dates, vocabularies, free text of varied length.
void FillTable(tkm::TBaseGrid& grid, int rows) {
    static const char* Texts[] = {"Call Ann about the Überprüfung of the contract", "Write report",
                                  "Buy paper, toner and cartridges", "Plan the café opening night",
                                  "Review chapter 3 of the draft <b>today</b>"};
    grid.SetRowCount(rows + 1);
    std::vector<std::string> texts;
    std::vector<std::string_view> cells(tkm::TaskColumnCount);
    for (int r = 1; r <= rows; ++r) {
        texts = {std::to_string(r), "07/12/2026", r % 3 ? "In Progress" : "Not Started", Texts[r % 5],
                 r % 2 ? "High" : "Normal", "10/12/2026", "17:00:00", r % 4 ? "Ann Smith" : "Bob Jones and team",
                 "4.5", "120.00", std::to_string(r % 101), "11/12/2026", "09:15:00",
                 r % 10 ? "" : "follow up next week"};
        for (std::size_t c = 0; c < texts.size(); ++c) cells[c] = texts[c];
        grid.SetRowCells(r, 0, cells);
    }
}

// The best of a few runs: other work on the machine only ever adds time.
double TimeSearch(tkm::TBaseGrid& grid, std::string_view text, tkm::TFindOptions options, bool& found) {
    double best = 1e9;
    for (int run = 0; run < 3; ++run) {
        const auto start = std::chrono::steady_clock::now();
        found = tkm::FindCell(grid, {}, text, options) != tkm::TGridCoord{};
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::stoi(argv[1]) : 1000000;
    tkm::TBaseGrid grid;
    tkm::TaskTable::SetUpGrid(grid);
    FillTable(grid, rows);
    std::printf("%d rows, %.1f MB of text\n", rows, double(grid.TextBytes()) / 1e6);

    using O = tkm::TFindOption;
    const struct {
        const char* Name;
        const char* Text;
        tkm::TFindOptions Options;
    } runs[] = {
        {"down columns, any case", "zebra", O::SelectHit},
        {"down columns, a common first letter", "architect", O::SelectHit},
        {"along rows, any case", "zebra", O::AlongRows | O::SelectHit},
        {"backward, any case", "zebra", O::Backward | O::SelectHit},
        {"case sensitive", "zebra", O::MatchCase | O::SelectHit},
        {"whole cell", "zebra", O::WholeCellText | O::SelectHit},
        {"HTML tags ignored", "zebra", O::IgnoreHtmlTags | O::SelectHit},
    };
    bool anyFound = false;
    for (const auto& run : runs) {
        bool found = false;
        const double seconds = TimeSearch(grid, run.Text, run.Options, found);
        anyFound = anyFound || found;
        std::printf("%-40s %.3f s%s\n", run.Name, seconds, found ? "  FOUND (unexpected)" : "");
    }
    return anyFound ? 1 : 0;
}
