#pragma once

#include "grid/base_grid.h"
#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"

#include <string>
#include <vector>

namespace tkm::test {

using TRows = std::vector<std::vector<std::string>>;

inline TBaseGrid GridOf(const TRows& rows) {
    std::size_t width = 1;
    for (const auto& row : rows) width = std::max(width, row.size());
    TBaseGrid grid(int(width), int(rows.size()));
    grid.SetFixedCols(0);
    std::vector<std::string_view> cells;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        cells.assign(rows[r].begin(), rows[r].end());
        grid.SetRowCells(int(r), 0, cells);
    }
    return grid;
}

inline TRows RowsOf(const TBaseGrid& grid) {
    TRows rows(std::size_t(grid.RowCount()));
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.RealColCount(); ++c) rows[std::size_t(r)].push_back(grid.GetCellText(c, r));
    return rows;
}

inline std::string CsvText(const TBaseGrid& grid, const TCsvSettings& settings = {}) {
    std::string out;
    WriteCsv(grid, settings, [&](std::string_view bytes) { out += bytes; });
    return out;
}

// Reads `bytes` into a fresh grid of one column and no rows.
inline TBaseGrid Loaded(std::string_view bytes, const TCsvSettings& settings = {}) {
    TBaseGrid grid(1, 0);
    grid.SetFixedCols(0);
    ReadCsv(grid, bytes, settings);
    return grid;
}

}  // namespace tkm::test
