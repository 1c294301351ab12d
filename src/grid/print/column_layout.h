#pragma once

#include "grid/io/file_progress.h"
#include "grid/print/print_cell_look.h"
#include "grid/print/print_settings.h"

#include <climits>
#include <vector>

namespace tkm {

class TBaseGrid;

// Columns printed side by side on one page width.
struct TColumnGroup {
    std::vector<int> Cols;   // indices into the printed columns; repeated fixed ones first
    std::vector<int> Lefts;  // the left edge of each
    int Right = 0;           // the right edge of the last
};

// The print width of every printed column (its text width, without padding)
// and the text height of every row, found in one pass over the cells.
struct TCellSizes {
    std::vector<int> ColumnWidths;
    std::vector<int> RowHeights;
};

// `realCols` are the real columns behind the display columns, in display order.
// Only the top `rows` rows are measured (all by default), and RowHeights holds
// theirs. `progress`, when given, hears the rows measured.
TCellSizes MeasureCells(const TBaseGrid& grid, const std::vector<int>& realCols, const TPrintSettings& settings,
                        TCellMeasurer& measurer, int screenDpi, TProgressReporter* progress = nullptr,
                        int rows = INT_MAX);

// Scales the widths to the page width as `FitToPage` asks; returns the factor used.
double FitToPage(std::vector<int>& widths, int padding, int pageWidth, const TPrintSettings& settings);

// Splits the columns over page widths.
std::vector<TColumnGroup> ColumnGroups(const std::vector<int>& widths, int padding, int pageWidth,
                                       int fixedCols, const TPrintSettings& settings);

}  // namespace tkm
