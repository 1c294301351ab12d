#include "grid/print/layout_run.h"

#include "grid/base_grid.h"
#include "grid/print/cell_lines.h"

#include <algorithm>

namespace tkm {

namespace {

// The first page's rows are looked for in batches that double from this.
constexpr int FirstPageBatch = 64;

}  // namespace

TLayoutRun::TLayoutRun(const TLayoutInputs& inputs, TPrintCanvas& canvas, TPageArea area, TPageLayout& layout,
                       TLayoutScope scope)
    : in_(inputs),
      canvas_(canvas),
      area_(area),
      layout_(layout),
      measurer_(canvas, std::size_t(inputs.Grid.RowCount()) * std::size_t(inputs.Grid.RealColCount())),
      looks_(inputs.Settings, inputs.Scheme, inputs.OnGetCellPrintColor, inputs.OnGetCellPrintText),
      cellMeasurer_(looks_, measurer_),
      metrics_(TPrintMetrics::Measure(inputs.Settings, inputs.Scheme, measurer_)),
      decorations_(inputs.Settings, metrics_, inputs.Scheme, inputs.Formats, inputs.Today, inputs.Now),
      progress_(inputs.OnProgress, 2LL * inputs.Grid.RowCount()) {
    // A canvas that measures the fonts otherwise would lay the cells out otherwise too.
    TPageLayout::TMadeFrom madeFrom{in_.Grid.Revision(), in_.Settings, area_, in_.ScreenDpi, metrics_, scope};
    if (layout_.Measured && layout_.MadeFrom == madeFrom) return;
    layout_ = {};
    layout_.MadeFrom = std::move(madeFrom);
    Measure(scope);
}

void TLayoutRun::Measure(TLayoutScope scope) {
    // Only the shown columns print, side by side.
    for (int c = 0; c < in_.Grid.ColCount(); ++c) layout_.RealCols.push_back(in_.Grid.DisplayToReal(c));
    const int count = in_.Grid.RowCount();
    if (scope == TLayoutScope::AllPages) return MeasureRows(count);
    // Row heights do not depend on the column widths: more rows are measured
    // only while the first page holds every row measured so far.
    for (int rows = std::min(FirstPageBatch, count);; rows = count - rows > rows ? 2 * rows : count) {
        MeasureRows(rows);
        if (rows == count || layout_.Groups.empty() || LayOutPage({}, nullptr) < rows) return;
    }
}

void TLayoutRun::MeasureRows(int rows) {
    const TPrintSettings& s = in_.Settings;
    // Every row is measured for the column widths anyway, so its height is
    // kept then: filling pages needs no second look at the cells.
    layout_.Sizes = MeasureCells(in_.Grid, layout_.RealCols, s, cellMeasurer_, in_.ScreenDpi, &progress_, rows);
    layout_.FitFactor = FitToPage(layout_.Sizes.ColumnWidths, metrics_.Padding, area_.Width, s);
    layout_.Groups = ColumnGroups(layout_.Sizes.ColumnWidths, metrics_.Padding, area_.Width, in_.Grid.FixedCols(), s);
    layout_.Measured = true;
}

int TLayoutRun::Paginate(int last) {
    std::vector<TPageStart>& starts = layout_.Starts;
    const int rows = int(layout_.Sizes.RowHeights.size());
    while (!layout_.Complete && int(starts.size()) < last) {
        TPageStart next;
        if (!starts.empty()) {
            const TPageStart& previous = starts.back();
            next = {previous.Group, LayOutPage(previous, nullptr), previous.PageInGroup + 1};
        }
        // The next group starts on a new page.
        if (next.Row >= rows) next = {next.Group + 1, 0, 1};
        if (rows == 0 || next.Group >= int(layout_.Groups.size())) {
            layout_.Complete = true;
            break;
        }
        const long long groups = (long long)layout_.Groups.size();
        progress_.Report(rows + ((long long)next.Group * rows + next.Row) / groups);
        starts.push_back(next);
    }
    return int(starts.size());
}

void TLayoutRun::Draw(const TDrawRange& range, TPrintTarget* printer) {
    for (int page = range.First; page <= range.Last; ++page) {
        const TPageStart& start = layout_.Starts[page - 1];
        if (printer && page > range.First) printer->NewPage();
        const TPageNumber number{page, range.PageCount, start.PageInGroup, start.Group + 1, layout_.Groups.size() > 1};
        LayOutPage(start, &number);
    }
}

int TLayoutRun::LayOutPage(const TPageStart& start, const TPageNumber* number) {
    const TPrintSettings& s = in_.Settings;
    const TBaseGrid& grid = in_.Grid;
    const TColumnGroup& group = layout_.Groups[start.Group];
    const std::vector<int>& heights = layout_.Sizes.RowHeights;
    const int limit = area_.Height - decorations_.BottomHeight();
    TPageState state{decorations_.TopHeight(), number != nullptr};
    if (state.Drawn) {
        decorations_.Draw(canvas_, measurer_, *number, area_.Width, area_.Height);
        canvas_.SetPen(s.BorderStyle, metrics_.PenWidth, clBlack);
    }
    state.Y += s.TitleSpacing;
    const int tableTop = state.Y;
    // Only a page that goes on with a group's rows starts below the fixed ones.
    if (s.RepeatFixedRows && grid.FixedRows() > 0 && start.Row >= grid.FixedRows())
        for (int fixed = 0; fixed < grid.FixedRows(); ++fixed) PlaceRow(group, fixed, state);
    // At least one row a page, however tall.
    int row = start.Row;
    PlaceRow(group, row++, state);
    while (row < int(heights.size()) && state.Y + heights[row] <= limit) PlaceRow(group, row++, state);
    if (state.Drawn) DrawClosingLines(group, tableTop, state.Y);
    return row;
}

int TLayoutRun::RowPitch(int row) const {
    const int height = layout_.Sizes.RowHeights[row];
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
        const int realCol = layout_.RealCols[c];
        const int left = group.Lefts[i];
        const int right = std::min(left + layout_.Sizes.ColumnWidths[c] + metrics_.Padding, clipRight);
        const TPrintRect cell{left, y, right, y + pitch};
        // Fonts follow the columns when fit to page scaled them.
        const TCellStyle style = looks_.Style(realCol, row);
        canvas_.FillRect(cell, looks_.Brush(style));
        const std::string_view text = looks_.Text(realCol, row, in_.Grid.CellView(realCol, row));
        if (!text.empty()) DrawCellText(cell, looks_.Font(style, layout_.FitFactor), text);
        DrawCellSides(cell);
    }
}

void TLayoutRun::DrawCellText(const TPrintRect& cell, const TCanvasFont& font, std::string_view text) {
    const int x = cell.Left + metrics_.Inset;
    if (!HasLineBreak(text)) {
        measurer_.Select(font);
        return canvas_.TextRect(cell, x, cell.Top, text);
    }
    // Measured before the font is selected: a measuring font may differ in colour.
    const int lineHeight = measurer_.Extent(font, "gh").Height;
    measurer_.Select(font);
    int y = cell.Top;
    ForEachLine(text, [&](std::string_view line) {
        if (!line.empty()) canvas_.TextRect(cell, x, y, line);
        y += lineHeight;
    });
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
