#pragma once

#include "grid/grid_types.h"

#include <vector>

namespace tkm {

class TBaseGrid;

// The part of the grid a view shows: how far it is scrolled to the left and
// its size, in pixels.
struct TViewport {
    int HorizontalOffset = 0;
    int Width = 0;
    int Height = 0;
};

// A row or column on screen: its index, where it starts and its size without
// the grid line after it.
struct TScreenSpan {
    int Index = 0;
    int Start = 0;
    int Size = 0;
    bool operator==(const TScreenSpan&) const = default;
};

// Where the grid's columns and rows fall in a view: the fixed rows at the
// top, then the data rows from the top row on; columns shifted left by the
// horizontal offset. Every cell is followed by a one-pixel grid line. Columns
// are display columns.
class TGridGeometry {
public:
    static constexpr int LineWidth = 1;
    // How close to a column's right edge a header press starts a resize.
    static constexpr int ResizeGrip = 3;

    TGridGeometry(const TBaseGrid& grid, const TViewport& viewport);

    int ColumnLeft(int displayCol) const;
    // Every column with its line: how wide the view could scroll.
    int ContentWidth() const;
    // -1 when the row is not on screen; a row on screen may be cut off at the bottom.
    int RowTop(int row) const;
    // An empty rectangle when the cell is not on screen.
    TPixelRect CellRect(int displayCol, int row) const;
    // The cell whose area, its lines included, holds the point; (-1, -1) if none.
    TGridCoord CellAt(int x, int y) const;
    // The column whose right edge lies within the grip of a point on the first
    // fixed row; -1 elsewhere.
    int ColumnBorderAt(int x, int y) const;

    // What a paint walks: rows top to bottom and columns left to right, each
    // at least partly on screen.
    std::vector<TScreenSpan> RowsOnScreen() const;
    std::vector<TScreenSpan> ColumnsOnScreen() const;

    // Data rows of the default height that fit below the fixed rows; at least one.
    int VisibleDataRows() const;
    // The top row that brings a data row into full view: the row itself when it
    // lies above, the present one when it is fully shown, else the one that
    // shows it last.
    int TopRowShowing(int row) const;
    // The horizontal offset that brings a column into view, moving as little as
    // possible and showing its left edge first.
    int OffsetShowing(int displayCol) const;

private:
    // Calls visit(row, top, height) for each row on screen until it returns true.
    template <typename Visit>
    void WalkRows(Visit visit) const;
    // Calls visit(displayCol, left, width) for each column until it returns true.
    template <typename Visit>
    void WalkColumns(Visit visit) const;
    int FixedRowsHeight() const;

    const TBaseGrid& grid_;
    TViewport viewport_;
};

}  // namespace tkm
