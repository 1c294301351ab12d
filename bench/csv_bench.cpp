// Times saving and loading a large document: csv_bench [ROWS] [FILE]
#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"
#include "tasks/task_table.h"

#include <chrono>
#include <cstdio>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void FillEntries(tkm::TBaseGrid& grid, int rows) {
    static const char* Descriptions[] = {"Write the quarterly report for the board meeting",
                                         "Buy paper, toner and a new set of cartridges",
                                         "Call the plumber about the kitchen tap",
                                         "Review \"Chapter 3\" of the draft"};
    grid.SetRowCount(rows + 1);
    std::vector<std::string> texts(tkm::TaskColumnCount);
    std::vector<std::string_view> cells(tkm::TaskColumnCount);
    for (int r = 1; r <= rows; ++r) {
        texts = {std::to_string(r), "07/12/2026", "In Progress", Descriptions[r % 4], "High", "10/12/2026",
                 "17:00:00", "Ann Smith and Bob Jones", "4.5", "120.00", std::to_string(r % 101), "", "",
                 r % 10 ? "" : "follow up next week"};
        for (std::size_t c = 0; c < texts.size(); ++c) cells[c] = texts[c];
        grid.SetRowCells(r, 0, cells);
    }
}

}  // namespace

int main(int argc, char** argv) {
    const int rows = argc > 1 ? std::stoi(argv[1]) : 1000000;
    const std::string path = argc > 2 ? argv[2] : "/tmp/csv_bench.tkm";
    tkm::TBaseGrid grid;
    tkm::TaskTable::SetUpGrid(grid);
    FillEntries(grid, rows);

    auto start = std::chrono::steady_clock::now();
    tkm::WriteCsvFile(grid, path);
    const double write = SecondsSince(start);
    struct stat st {};
    stat(path.c_str(), &st);

    tkm::TBaseGrid loaded;
    tkm::TaskTable::SetUpGrid(loaded);
    start = std::chrono::steady_clock::now();
    tkm::LoadCsvDocument(loaded, path);
    const double read = SecondsSince(start);

    bool same = loaded.RowCount() == grid.RowCount();
    for (int r = 0; same && r < grid.RowCount(); r += 997)
        for (int c = 0; c < tkm::TaskColumnCount; ++c) same = same && loaded.CellView(c, r) == grid.CellView(c, r);
    std::printf("%d rows, %.1f MB: write %.3f s, read %.3f s, %s\n", rows, double(st.st_size) / 1e6, write, read,
                same ? "same cells" : "CELLS DIFFER");
    return same ? 0 : 1;
}
