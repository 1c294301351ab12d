#pragma once

#include "grid/print/print_cell_look.h"
#include "grid/print/print_settings.h"
#include "grid/print/text_measurer.h"

#include <vector>

namespace tkm {

class TBaseGrid;

// Columns printed side by side on one page width.
struct TColumnGroup {
    std::vector<int> Cols;   // indices into the printed columns; repeated fixed ones first
    std::vector<int> Lefts;  // the left edge of each
    int Right = 0;           // the right edge of the last
};

// Print widths (text width, without padding) of the printed columns.
// `realCols` are the real columns behind the display columns, in display order.
std::vector<int> MeasuredColumnWidths(const TBaseGrid& grid, const std::vector<int>& realCols,
                                      const TPrintSettings& settings, const TPrintCellLooks& looks,
                                      TTextMeasurer& measurer);
// The widths the columns have on screen, in tenths of a millimetre.
std::vector<int> ScreenColumnWidths(const TBaseGrid& grid, int screenDpi);

// Scales the widths to the page width as `FitToPage` asks; returns the factor used.
double FitToPage(std::vector<int>& widths, int padding, int pageWidth, const TPrintSettings& settings);

// Splits the columns over page widths.
std::vector<TColumnGroup> ColumnGroups(const std::vector<int>& widths, int padding, int pageWidth,
                                       int fixedCols, const TPrintSettings& settings);

}  // namespace tkm
