#pragma once

#include "base/date_text.h"
#include "base/locale_formats.h"
#include "grid/color_scheme.h"
#include "grid/io/file_progress.h"
#include "grid/print/column_layout.h"
#include "grid/print/page_decorations.h"
#include "grid/print/print_canvas.h"
#include "grid/print/print_cell_look.h"
#include "grid/print/print_metrics.h"
#include "grid/print/print_settings.h"
#include "grid/print/text_measurer.h"

#include <climits>
#include <cstdint>
#include <vector>

namespace tkm {

class TBaseGrid;

// The page area in tenths of a millimetre.
struct TPageArea {
    int Width = 0;
    int Height = 0;
    bool operator==(const TPageArea&) const = default;
};

// What every layout run reads; none of it changes during a run.
struct TLayoutInputs {
    const TBaseGrid& Grid;
    const TPrintSettings& Settings;
    const TColorScheme& Scheme;
    const TLocaleFormats& Formats;
    const TPrintColorEvent& OnGetCellPrintColor;
    const TPrintTextEvent& OnGetCellPrintText;
    // Hears how far measuring and paging the whole grid have come; an EAbort
    // it throws ends the run before anything is drawn.
    const TFileProgressHandler& OnProgress;
    TDate Today;
    TTimeOfDay Now;
    int ScreenDpi = 96;  // for widths taken from the screen
};

// Pages first to last (1-based) are drawn.
struct TDrawRange {
    int First = 0;
    int Last = -1;
    int PageCount = 0;  // of the whole job, for the page numbers
};

// Where a page starts: its column group, its first row and its place among
// the group's pages.
struct TPageStart {
    int Group = 0;
    int Row = 0;
    int PageInGroup = 1;
};

// Which rows a layout measures: every row, for a print and its preview, or
// only those of the first page, for a preview redrawn at every change of the
// settings, whose column widths then come from those rows alone.
enum class TLayoutScope { AllPages, FirstPage };

// What a layout works out before it draws: the printed columns with their
// widths and groups, and where each page starts. Measuring every cell is most
// of a layout's work, so a preview keeps this between drawings for as long as
// it was made from the same grid, settings, page and canvas measures.
struct TPageLayout {
    struct TMadeFrom {
        std::uint64_t GridRevision = 0;
        TPrintSettings Settings;
        TPageArea Area;
        int ScreenDpi = 0;
        TPrintMetrics Metrics;
        TLayoutScope Scope = TLayoutScope::AllPages;
        bool operator==(const TMadeFrom&) const = default;
    };

    bool Measured = false;
    TMadeFrom MadeFrom;
    std::vector<int> RealCols;
    TCellSizes Sizes;
    double FitFactor = 1.0;
    std::vector<TColumnGroup> Groups;
    std::vector<TPageStart> Starts;  // the pages found so far
    bool Complete = false;           // Starts holds every page
};

// A layout of the whole grid on one canvas: column widths, column groups, and
// the rows of each group over its pages. Counting, printing and the preview
// all lay out this way; they differ in which pages they draw.
class TLayoutRun {
public:
    // Measures the grid into `layout` unless it already holds a layout made
    // from the same grid, settings, page, canvas measures and scope.
    TLayoutRun(const TLayoutInputs& inputs, TPrintCanvas& canvas, TPageArea area, TPageLayout& layout,
               TLayoutScope scope = TLayoutScope::AllPages);

    // Finds where the pages start, up to page `last` and within the rows
    // measured; returns the pages found.
    int Paginate(int last = INT_MAX);
    // Draws the pages of `range`, which Paginate must have found; a printer,
    // when given, starts a new sheet for every page after the first.
    void Draw(const TDrawRange& range, TPrintTarget* printer);

private:
    struct TPageState {
        int Y = 0;
        bool Drawn = false;
    };

    void Measure(TLayoutScope scope);
    void MeasureRows(int rows);
    // Places the rows of the page that starts at `start`, drawing them when
    // `number` is given; returns the row after the page.
    int LayOutPage(const TPageStart& start, const TPageNumber* number);
    int RowPitch(int row) const;
    void PlaceRow(const TColumnGroup& group, int row, TPageState& page);
    void DrawRow(const TColumnGroup& group, int row, int y, int pitch);
    void DrawCellText(const TPrintRect& cell, const TCanvasFont& font, std::string_view text);
    void DrawCellSides(const TPrintRect& cell);
    void DrawClosingLines(const TColumnGroup& group, int top, int bottom);
    int GroupRight(const TColumnGroup& group) const;

    const TLayoutInputs& in_;
    TPrintCanvas& canvas_;
    TPageArea area_;
    TPageLayout& layout_;
    TTextMeasurer measurer_;
    TPrintCellLooks looks_;
    TCellMeasurer cellMeasurer_;
    TPrintMetrics metrics_;
    TPageDecorations decorations_;
    // Measuring is the first half, paging the second.
    TProgressReporter progress_;
};

}  // namespace tkm
