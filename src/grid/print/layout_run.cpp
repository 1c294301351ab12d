#include "grid/print/layout_run.h"

#include "grid/base_grid.h"

#include <algorithm>

namespace tkm {

TLayoutRun::TLayoutRun(const TLayoutInputs& inputs, TPrintCanvas& canvas, TPageArea area)
    : in_(inputs),
      canvas_(canvas),
      area_(area),
      measurer_(canvas, std::size_t(inputs.Grid.RowCount()) * std::size_t(inputs.Grid.RealColCount())),
      looks_(inputs.Settings, inputs.Scheme, inputs.OnGetCellPrintColor),
      cellMeasurer_(looks_, measurer_),
      metrics_(TPrintMetrics::Measure(inputs.Settings, inputs.Scheme, measurer_)) {
    // Only the shown columns print, side by side.
    for (int c = 0; c < in_.Grid.ColCount(); ++c) realCols_.push_back(in_.Grid.DisplayToReal(c));
    const TPrintSettings& s = in_.Settings;
    sizes_ = MeasureCells(in_.Grid, realCols_, s, cellMeasurer_, in_.ScreenDpi);
    fitFactor_ = FitToPage(sizes_.ColumnWidths, metrics_.Padding, area_.Width, s);
}

int TLayoutRun::Run(const TDrawRange& range, TPrintTarget* printer, int stopAfter) {
    const TPrintSettings& s = in_.Settings;
    const TBaseGrid& grid = in_.Grid;
    const auto groups = ColumnGroups(sizes_.ColumnWidths, metrics_.Padding, area_.Width, grid.FixedCols(), s);
    const TPageDecorations decorations(s, metrics_, in_.Scheme, in_.Formats, in_.Today, in_.Now);
    const int top = decorations.TopHeight();
    const int limit = area_.Height - decorations.BottomHeight();
    const bool repeatHeader = s.RepeatFixedRows && grid.FixedRows() > 0;

    int page = 0;
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const TColumnGroup& group = groups[g];
        int pageInGroup = 0;
        int row = 0;
        while (row < grid.RowCount() && page < stopAfter) {
            ++page;
            ++pageInGroup;
            TPageState state{top, range.Contains(page)};
            if (printer && state.Drawn && page > range.First) printer->NewPage();
            if (state.Drawn) {
                const TPageNumber number{page, range.PageCount, pageInGroup, int(g) + 1, groups.size() > 1};
                decorations.Draw(canvas_, measurer_, number, area_.Width, area_.Height);
                canvas_.SetPen(s.BorderStyle, metrics_.PenWidth, clBlack);
            }
            state.Y += s.TitleSpacing;
            const int tableTop = state.Y;
            if (repeatHeader && page > 1 && row >= grid.FixedRows())
                for (int fixed = 0; fixed < grid.FixedRows(); ++fixed) PlaceRow(group, fixed, state);
            // At least one row a page, however tall.
            PlaceRow(group, row++, state);
            while (row < grid.RowCount() && state.Y + sizes_.RowHeights[row] <= limit) PlaceRow(group, row++, state);
            if (state.Drawn) DrawClosingLines(group, tableTop, state.Y);
        }
    }
    return page;
}

int TLayoutRun::RowPitch(int row) const {
    const int height = sizes_.RowHeights[row];
    return height + height / 8 + 2 * metrics_.Gap + in_.Settings.RowSpacing;
}

void TLayoutRun::PlaceRow(const TColumnGroup& group, int row, TPageState& page) {
    const int pitch = RowPitch(row);
    if (page.Drawn) DrawRow(group, row, page.Y, pitch);
    page.Y += pitch;
}

int TLayoutRun::GroupRight(const TColumnGroup& group) const { return std::min(group.Right, area_.Width); }

void TLayoutRun::DrawRow(const TColumnGroup& group, int row, int y, int pitch) {
    const int clipRight = GroupRight(group);
    for (std::size_t i = 0; i < group.Cols.size(); ++i) {
        const int c = group.Cols[i];
        const int left = group.Lefts[i];
        const int right = std::min(left + sizes_.ColumnWidths[c] + metrics_.Padding, clipRight);
        const TPrintRect cell{left, y, right, y + pitch};
        // Fonts follow the columns when fit to page scaled them.
        const TCellStyle style = looks_.Style(realCols_[c], row);
        canvas_.FillRect(cell, looks_.Brush(style));
        const std::string_view text = in_.Grid.CellView(realCols_[c], row);
        if (!text.empty()) {
            measurer_.Select(looks_.Font(style, fitFactor_));
            canvas_.TextRect(cell, left + metrics_.Inset, y, text);
        }
        DrawCellSides(cell);
    }
}

void TLayoutRun::DrawCellSides(const TPrintRect& cell) {
    const TPrintBorders kind = in_.Settings.Borders;
    const bool all = kind == pbSingle || kind == pbDouble;
    if (all || kind == pbVertical || kind == pbAroundVertical) {
        canvas_.Line(cell.Left, cell.Top, cell.Left, cell.Bottom);
        canvas_.Line(cell.Right, cell.Top, cell.Right, cell.Bottom);
    }
    if (all || kind == pbHorizontal || kind == pbAroundHorizontal) {
        canvas_.Line(cell.Left, cell.Top, cell.Right, cell.Top);
        canvas_.Line(cell.Left, cell.Bottom, cell.Right, cell.Bottom);
    }
}

void TLayoutRun::DrawClosingLines(const TColumnGroup& group, int top, int bottom) {
    const TPrintBorders kind = in_.Settings.Borders;
    const int left = group.Lefts.front();
    const int right = GroupRight(group);
    const int y = bottom - metrics_.Gap / 2;
    if (kind == pbAround || kind == pbAroundVertical || kind == pbAroundHorizontal) {
        canvas_.Line(left, top, right, top);
        canvas_.Line(right, top, right, y);
        canvas_.Line(right, y, left, y);
        canvas_.Line(left, y, left, top);
    }
    if (kind == pbDouble || kind == pbHorizontal || kind == pbAroundHorizontal) canvas_.Line(left, y, right, y);
}

}  // namespace tkm
