#include "grid/grid_geometry.h"

#include "grid/base_grid.h"

#include <algorithm>
#include <cstdlib>

namespace tkm {

TGridGeometry::TGridGeometry(const TBaseGrid& grid, const TViewport& viewport) : grid_(grid), viewport_(viewport) {}

// Fixed rows are always shown; data rows follow from the top row while they
// start inside the view.
template <typename Visit>
void TGridGeometry::WalkRows(Visit visit) const {
    int y = 0;
    const auto step = [&](int row) {
        const int height = grid_.RowHeight(row);
        if (visit(row, y, height)) return true;
        y += height + LineWidth;
        return false;
    };
    for (int r = 0; r < grid_.FixedRows() && r < grid_.RowCount(); ++r)
        if (step(r)) return;
    // Rows a filter hides take no room.
    for (int i = grid_.ShownIndex(grid_.TopRow()); i < grid_.ShownRowCount() && y < viewport_.Height; ++i)
        if (step(grid_.ShownRow(i))) return;
}

template <typename Visit>
void TGridGeometry::WalkColumns(Visit visit) const {
    int x = -viewport_.HorizontalOffset;
    for (int d = 0; d < grid_.ColCount(); ++d) {
        const int width = grid_.ColWidth(d);
        if (visit(d, x, width)) return;
        x += width + LineWidth;
    }
}

int TGridGeometry::FixedRowsHeight() const {
    int height = 0;
    for (int r = 0; r < grid_.FixedRows() && r < grid_.RowCount(); ++r) height += grid_.RowHeight(r) + LineWidth;
    return height;
}

int TGridGeometry::ColumnLeft(int displayCol) const {
    int x = -viewport_.HorizontalOffset;
    WalkColumns([&](int d, int left, int width) {
        if (d == displayCol) return true;
        x = left + width + LineWidth;
        return false;
    });
    return x;
}

int TGridGeometry::ContentWidth() const {
    int width = 0;
    WalkColumns([&](int, int, int w) {
        width += w + LineWidth;
        return false;
    });
    return width;
}

int TGridGeometry::RowTop(int row) const {
    int found = -1;
    WalkRows([&](int r, int top, int) {
        if (r == row) found = top;
        return r == row;
    });
    return found;
}

TPixelRect TGridGeometry::CellRect(int displayCol, int row) const {
    if (displayCol < 0 || displayCol >= grid_.ColCount()) return {};
    const int top = RowTop(row);
    if (top < 0) return {};
    const int left = ColumnLeft(displayCol);
    return {left, top, left + grid_.ColWidth(displayCol), top + grid_.RowHeight(row)};
}

TGridCoord TGridGeometry::CellAt(int x, int y) const {
    TGridCoord cell;
    WalkRows([&](int row, int top, int height) {
        if (y >= top && y < top + height + LineWidth) cell.Row = row;
        return cell.Row >= 0;
    });
    if (cell.Row < 0) return {};
    WalkColumns([&](int d, int left, int width) {
        if (x >= left && x < left + width + LineWidth) cell.Col = d;
        return cell.Col >= 0;
    });
    return cell.Col >= 0 ? cell : TGridCoord{};
}

int TGridGeometry::ColumnBorderAt(int x, int y) const {
    if (grid_.FixedRows() <= 0 || grid_.RowCount() <= 0 || y >= grid_.RowHeight(0) + LineWidth) return -1;
    int border = -1;
    WalkColumns([&](int d, int left, int width) {
        if (std::abs(x - (left + width)) <= ResizeGrip) border = d;
        return border >= 0;
    });
    return border;
}

std::vector<TScreenSpan> TGridGeometry::RowsOnScreen() const {
    std::vector<TScreenSpan> rows;
    WalkRows([&](int row, int top, int height) {
        rows.push_back({row, top, height});
        return false;
    });
    return rows;
}

std::vector<TScreenSpan> TGridGeometry::ColumnsOnScreen() const {
    std::vector<TScreenSpan> columns;
    WalkColumns([&](int d, int left, int width) {
        if (left >= viewport_.Width) return true;
        if (left + width + LineWidth > 0) columns.push_back({d, left, width});
        return false;
    });
    return columns;
}

int TGridGeometry::VisibleDataRows() const {
    return std::max(1, (viewport_.Height - FixedRowsHeight()) / (grid_.DefaultRowHeight() + LineWidth));
}

int TGridGeometry::TopRowShowing(int row) const {
    if (row < grid_.FixedRows() || row >= grid_.RowCount() || !grid_.IsRowShown(row)) return grid_.TopRow();
    if (row < grid_.TopRow()) return row;
    const int top = RowTop(row);
    if (top >= 0 && top + grid_.RowHeight(row) <= viewport_.Height) return grid_.TopRow();
    int available = viewport_.Height - FixedRowsHeight() - (grid_.RowHeight(row) + LineWidth);
    int first = grid_.ShownIndex(row);
    const int firstData = grid_.ShownIndex(grid_.FixedRows());
    while (first > firstData && available - (grid_.RowHeight(grid_.ShownRow(first - 1)) + LineWidth) >= 0) {
        --first;
        available -= grid_.RowHeight(grid_.ShownRow(first)) + LineWidth;
    }
    return grid_.ShownRow(first);
}

int TGridGeometry::OffsetShowing(int displayCol) const {
    const int offset = viewport_.HorizontalOffset;
    const int left = ColumnLeft(displayCol) + offset;
    const int right = left + grid_.ColWidth(displayCol);
    if (left < offset) return left;
    if (right > offset + viewport_.Width) return std::min(left, right - viewport_.Width);
    return offset;
}

}  // namespace tkm
