#pragma once

#include "base/date_text.h"
#include "base/locale_formats.h"
#include "grid/color_scheme.h"
#include "grid/print/column_layout.h"
#include "grid/print/page_decorations.h"
#include "grid/print/print_canvas.h"
#include "grid/print/print_cell_look.h"
#include "grid/print/print_metrics.h"

#include <climits>
#include "grid/print/print_settings.h"
#include "grid/print/text_measurer.h"

#include <vector>

namespace tkm {

class TBaseGrid;

// The page area in tenths of a millimetre.
struct TPageArea {
    int Width = 0;
    int Height = 0;
};

// What every layout run reads; none of it changes during a run.
struct TLayoutInputs {
    const TBaseGrid& Grid;
    const TPrintSettings& Settings;
    const TColorScheme& Scheme;
    const TLocaleFormats& Formats;
    const TPrintColorEvent& OnGetCellPrintColor;
    TDate Today;
    TTimeOfDay Now;
    int ScreenDpi = 96;  // for widths taken from the screen
};

// Pages first to last (1-based) are drawn, the others only laid out.
struct TDrawRange {
    int First = 0;
    int Last = -1;
    int PageCount = 0;  // of the whole job, for the page numbers
    bool Contains(int page) const { return page >= First && page <= Last; }
};

// One pass of the layout over the whole grid: column widths, column groups,
// and the rows of each group over its pages. Counting, printing and the
// preview are all such a pass; they differ in which pages they draw.
class TLayoutRun {
public:
    TLayoutRun(const TLayoutInputs& inputs, TPrintCanvas& canvas, TPageArea area);

    // Lays out every page and draws those in `range`; a printer, when given,
    // starts a new sheet for every drawn page after the first. Returns the page
    // count, or stops after page `stopAfter` when one is given.
    int Run(const TDrawRange& range, TPrintTarget* printer, int stopAfter = INT_MAX);

private:
    struct TPageState {
        int Y = 0;
        bool Drawn = false;
    };

    int RowPitch(int row) const;
    void PlaceRow(const TColumnGroup& group, int row, TPageState& page);
    void DrawRow(const TColumnGroup& group, int row, int y, int pitch);
    void DrawCellSides(const TPrintRect& cell);
    void DrawClosingLines(const TColumnGroup& group, int top, int bottom);
    int GroupRight(const TColumnGroup& group) const;

    const TLayoutInputs& in_;
    TPrintCanvas& canvas_;
    TPageArea area_;
    TTextMeasurer measurer_;
    TPrintCellLooks looks_;
    TCellMeasurer cellMeasurer_;
    TPrintMetrics metrics_;
    std::vector<int> realCols_;
    // Every row is measured for the column widths anyway, so its height is
    // kept then: filling pages needs no second look at the cells.
    TCellSizes sizes_;
    double fitFactor_ = 1.0;
};

}  // namespace tkm
