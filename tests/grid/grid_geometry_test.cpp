#include "grid/grid_geometry.h"

#include "grid/base_grid.h"

#include <gtest/gtest.h>

#include <vector>

namespace tkm {
namespace {

// Columns 40, 80, 100 and 60 wide, a header row and nine data rows, all 19
// high: with the lines, columns start at 0, 41, 122 and 223, rows every 20.
TBaseGrid TenRows() {
    TBaseGrid grid(4, 10);
    grid.SetDefaultRowHeight(19);
    const int widths[] = {40, 80, 100, 60};
    for (int d = 0; d < 4; ++d) grid.SetColWidth(d, widths[d]);
    return grid;
}

std::vector<int> Indices(const std::vector<TScreenSpan>& spans) {
    std::vector<int> indices;
    for (const TScreenSpan& s : spans) indices.push_back(s.Index);
    return indices;
}

TEST(GridGeometry, FixedRowsStayOnTopAndDataRowsFollowTheTopRow) {
    TBaseGrid grid = TenRows();
    const TViewport view{0, 300, 100};
    EXPECT_EQ(Indices(TGridGeometry(grid, view).RowsOnScreen()), (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(TGridGeometry(grid, view).RowTop(4), 80);
    EXPECT_EQ(TGridGeometry(grid, view).RowTop(5), -1);  // starts where the view ends

    grid.SetTopRow(4);
    grid.SetRowHeight(5, 39);
    const TGridGeometry scrolled(grid, view);
    EXPECT_EQ(scrolled.RowsOnScreen(),
              (std::vector<TScreenSpan>{{0, 0, 19}, {4, 20, 19}, {5, 40, 39}, {6, 80, 19}}));
    EXPECT_EQ(scrolled.RowTop(2), -1);  // above the top row
    EXPECT_EQ(scrolled.CellRect(1, 5), (TPixelRect{41, 40, 121, 79}));
    EXPECT_EQ(scrolled.CellRect(1, 2), TPixelRect{});
    EXPECT_EQ(scrolled.CellRect(4, 5), TPixelRect{});  // no such column
}

TEST(GridGeometry, HiddenColumnsLeaveNoGap) {
    TBaseGrid grid = TenRows();
    grid.HideColumn(1);
    const TGridGeometry geometry(grid, {0, 300, 100});
    EXPECT_EQ(geometry.ColumnLeft(1), 41);
    EXPECT_EQ(geometry.ColumnLeft(2), 142);
    EXPECT_EQ(geometry.ContentWidth(), 203);
    EXPECT_EQ(geometry.CellAt(50, 25), (TGridCoord{1, 1}));
}

TEST(GridGeometry, ScrolledColumnsAndTheOffsetThatShowsAColumn) {
    const TBaseGrid grid = TenRows();
    const TGridGeometry geometry(grid, {50, 150, 100});
    EXPECT_EQ(geometry.ColumnLeft(0), -50);
    // Column 0 ends, with its line, just left of the view; column 3 starts past it.
    EXPECT_EQ(geometry.ColumnsOnScreen(), (std::vector<TScreenSpan>{{1, -9, 80}, {2, 72, 100}}));
    EXPECT_EQ(geometry.CellAt(0, 25), (TGridCoord{1, 1}));
    EXPECT_EQ(geometry.OffsetShowing(0), 0);
    EXPECT_EQ(geometry.OffsetShowing(1), 41);
    EXPECT_EQ(geometry.OffsetShowing(2), 72);   // its right edge comes in
    EXPECT_EQ(geometry.OffsetShowing(3), 133);
    EXPECT_EQ(TGridGeometry(grid, {50, 60, 100}).OffsetShowing(2), 122);  // too wide: its left edge
    EXPECT_EQ(TGridGeometry(grid, {100, 150, 100}).OffsetShowing(2), 100);  // shown: no move
}

TEST(GridGeometry, APartlyShownLastRowIsBroughtFullyIntoView) {
    TBaseGrid grid = TenRows();
    const TGridGeometry geometry(grid, {0, 300, 95});
    EXPECT_EQ(geometry.RowTop(4), 80);  // on screen, its bottom cut off
    EXPECT_EQ(geometry.VisibleDataRows(), 3);
    EXPECT_EQ(geometry.TopRowShowing(4), 2);
    EXPECT_EQ(geometry.TopRowShowing(3), 1);  // fully shown: the top row stays
    EXPECT_EQ(geometry.TopRowShowing(9), 7);
    EXPECT_EQ(geometry.TopRowShowing(0), 1);  // the header is always shown
    grid.SetTopRow(5);
    EXPECT_EQ(TGridGeometry(grid, {0, 300, 95}).TopRowShowing(2), 2);
    EXPECT_EQ(TGridGeometry(grid, {0, 300, 10}).VisibleDataRows(), 1);
}

TEST(GridGeometry, HitsTakeTheLinesWithTheCellBeforeThem) {
    const TBaseGrid grid = TenRows();
    const TGridGeometry geometry(grid, {0, 300, 300});
    EXPECT_EQ(geometry.CellAt(40, 19), (TGridCoord{0, 0}));
    EXPECT_EQ(geometry.CellAt(41, 20), (TGridCoord{1, 1}));
    EXPECT_EQ(geometry.CellAt(283, 199), (TGridCoord{3, 9}));
    EXPECT_EQ(geometry.CellAt(284, 25), TGridCoord{});  // right of the last column
    EXPECT_EQ(geometry.CellAt(10, 200), TGridCoord{});  // below the last row
}

TEST(GridGeometry, ColumnBordersAreFoundWithinTheGripOnTheHeaderRowOnly) {
    TBaseGrid grid = TenRows();
    const TGridGeometry geometry(grid, {0, 300, 100});
    EXPECT_EQ(geometry.ColumnBorderAt(37, 5), 0);
    EXPECT_EQ(geometry.ColumnBorderAt(43, 19), 0);
    EXPECT_EQ(geometry.ColumnBorderAt(44, 5), -1);
    EXPECT_EQ(geometry.ColumnBorderAt(36, 5), -1);
    EXPECT_EQ(geometry.ColumnBorderAt(120, 0), 1);
    EXPECT_EQ(geometry.ColumnBorderAt(40, 20), -1);  // a data row
    EXPECT_EQ(TGridGeometry(grid, {3, 300, 100}).ColumnBorderAt(37, 5), 0);  // scrolled by 3
    grid.SetFixedRows(0);
    EXPECT_EQ(TGridGeometry(grid, {0, 300, 100}).ColumnBorderAt(40, 5), -1);
}

}  // namespace
}  // namespace tkm
