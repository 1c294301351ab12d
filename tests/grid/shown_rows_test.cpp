#include "grid/base_grid.h"
#include "grid/grid_geometry.h"
#include "grid/undo_history.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tkm {
namespace {

// A header row and data rows "r1".."r<n>" in column 0.
TBaseGrid Numbered(int dataRows) {
    TBaseGrid grid(2, dataRows + 1);
    grid.SetDefaultRowHeight(19);
    for (int r = 1; r <= dataRows; ++r) grid.SetCellText(0, r, "r" + std::to_string(r));
    return grid;
}

std::vector<std::string> ShownTexts(const TBaseGrid& grid) {
    std::vector<std::string> texts;
    for (const std::uint32_t r : grid.ShownDataRows()) texts.push_back(grid.GetCellText(0, int(r)));
    return texts;
}

using TTexts = std::vector<std::string>;

TEST(ShownRows, TheMapsBetweenShownAndTableRowsAgree) {
    TBaseGrid grid = Numbered(9);
    EXPECT_FALSE(grid.RowsFiltered());
    EXPECT_EQ(grid.ShownRowCount(), 10);
    EXPECT_EQ(grid.ShownRow(4), 4);
    grid.ShowOnlyRows({2, 5, 7});
    EXPECT_TRUE(grid.RowsFiltered());
    EXPECT_EQ(grid.HiddenRowCount(), 6);
    EXPECT_EQ(grid.ShownRowCount(), 4);  // the header stays
    EXPECT_TRUE(grid.IsRowShown(0));
    EXPECT_FALSE(grid.IsRowShown(3));
    EXPECT_EQ(grid.ShownRow(0), 0);
    EXPECT_EQ(grid.ShownRow(2), 5);
    EXPECT_EQ(grid.ShownIndex(5), 2);
    EXPECT_EQ(grid.ShownIndex(6), 3);  // a hidden row: the index of the next shown one
    EXPECT_EQ(grid.ShownIndex(9), 4);
    EXPECT_THROW(grid.ShownRow(4), EGridError);
    EXPECT_THROW(grid.ShowOnlyRows({0}), EGridError);  // the header is no data row
    grid.ShowAllRows();
    EXPECT_EQ(grid.ShownRowCount(), 10);
    EXPECT_EQ(grid.ShownIndex(6), 6);
}

// Rows are inserted shown, whatever the filter; hidden rows keep their marks
// when rows move round them.
TEST(ShownRows, HiddenRowsMoveWithTheirRows) {
    TBaseGrid grid = Numbered(9);
    grid.ShowOnlyRows({2, 5, 7});
    grid.InsertRows(3, 1);
    grid.SetCellText(0, 3, "new");
    EXPECT_EQ(ShownTexts(grid), (TTexts{"r2", "new", "r5", "r7"}));
    grid.RemoveRows(6, 1);  // r5
    grid.RemoveRows(1, 1);  // r1, hidden
    EXPECT_EQ(ShownTexts(grid), (TTexts{"r2", "new", "r7"}));
    EXPECT_EQ(grid.HiddenRowCount(), 5);
    std::vector<std::uint32_t> reversed;
    for (int i = grid.RowCount() - 2; i >= 0; --i) reversed.push_back(std::uint32_t(i));
    grid.PermuteRows(1, reversed);
    EXPECT_EQ(ShownTexts(grid), (TTexts{"r7", "new", "r2"}));
    grid.SetRowCount(grid.RowCount() + 2);
    EXPECT_EQ(grid.ShownRowCount(), 6);
    grid.SetRowCount(3);  // the header, r9 and r8: both hidden
    EXPECT_EQ(grid.ShownRowCount(), 1);
    EXPECT_EQ(grid.HiddenRowCount(), 2);
}

TEST(ShownRows, StepsCountShownRowsAndFilteringMovesTheCurrentRowToOne) {
    TBaseGrid grid = Numbered(9);
    grid.SetCurrentCell(1, 4);
    grid.SetTopRow(4);
    grid.ShowOnlyRows({2, 5, 7});
    EXPECT_EQ(grid.Row(), 5);  // the next shown row
    EXPECT_EQ(grid.TopRow(), 5);
    EXPECT_EQ(grid.ShownRowFrom(5, 1), 7);
    EXPECT_EQ(grid.ShownRowFrom(5, -1), 2);
    EXPECT_EQ(grid.ShownRowFrom(2, -1), 2);  // never into the header
    EXPECT_EQ(grid.ShownRowFrom(5, 10), 7);
    EXPECT_EQ(grid.ShownRowFrom(3, 1), 5);  // from a hidden row: the neighbours
    EXPECT_EQ(grid.ShownRowFrom(3, -1), 2);
    EXPECT_EQ(grid.ShownRowFrom(8, 0), 7);  // nothing shown after it: the last one
    grid.SetCurrentCell(1, 5);
    grid.RemoveRows(5, 1);  // the current entry goes: the next shown one takes its place
    EXPECT_EQ(grid.Row(), 6);
    EXPECT_EQ(grid.GetCellText(0, 6), "r7");
    std::vector<std::uint32_t> reversed;
    for (int i = grid.RowCount() - 2; i >= 0; --i) reversed.push_back(std::uint32_t(i));
    grid.PermuteRows(1, reversed);  // a sort keeps the current index, unless it is hidden there
    EXPECT_TRUE(grid.IsRowShown(grid.Row()));
    grid.ShowOnlyRows({2, 5, 7});
    grid.SetCurrentCell(1, 7);
    grid.ShowOnlyRows({3});
    EXPECT_EQ(grid.Row(), 3);  // nothing after it: the last shown row before
    grid.ShowOnlyRows({});
    EXPECT_EQ(grid.ShownRowFrom(3, 1), 3);
}

TEST(ShownRows, HiddenRowsTakeNoRoomOnScreen) {
    TBaseGrid grid = Numbered(9);
    grid.ShowOnlyRows({2, 5, 6, 9});
    const TViewport view{0, 200, 80};  // the header and three rows of 20
    const TGridGeometry geometry(grid, view);
    std::vector<int> rows;
    for (const TScreenSpan& span : geometry.RowsOnScreen()) rows.push_back(span.Index);
    EXPECT_EQ(rows, (std::vector<int>{0, 2, 5, 6}));
    EXPECT_EQ(geometry.RowTop(5), 40);
    EXPECT_EQ(geometry.CellAt(5, 45), (TGridCoord{0, 5}));
    EXPECT_EQ(geometry.TopRowShowing(9), 5);  // 5, 6 and 9 fill the view
    EXPECT_EQ(geometry.TopRowShowing(4), grid.TopRow());  // hidden: no scrolling to it
}

// Undo puts removed rows back at their places in the whole list, shown.
TEST(ShownRows, UndoRestoresRowsIntoTheWholeList) {
    TBaseGrid grid = Numbered(6);
    TUndoHistory history(grid);
    grid.ShowOnlyRows({2, 4, 6});
    history.Begin("Delete", {1, 4, {}});
    grid.RemoveRows(4, 1);
    history.End({1, 4, {}});
    EXPECT_EQ(ShownTexts(grid), (TTexts{"r2", "r6"}));
    history.Undo();
    EXPECT_EQ(grid.GetCellText(0, 4), "r4");
    EXPECT_EQ(grid.GetCellText(0, 3), "r3");
    EXPECT_EQ(ShownTexts(grid), (TTexts{"r2", "r4", "r6"}));
}

TEST(ShownRows, TheCopyOfTheViewHoldsTheShownRowsOnly) {
    TBaseGrid grid = Numbered(6);
    grid.SetCellText(1, 4, "second");
    grid.AddComment(1, 4, "note");
    grid.HideColumn(1);
    grid.SetCurrentCell(0, 4);
    grid.ShowOnlyRows({2, 4});
    const TBaseGrid copy = grid.ShownRowsCopy();
    ASSERT_EQ(copy.RowCount(), 3);
    EXPECT_FALSE(copy.RowsFiltered());
    EXPECT_EQ(copy.GetCellText(0, 1), "r2");
    EXPECT_EQ(copy.GetCellText(0, 2), "r4");
    EXPECT_EQ(copy.GetCellText(1, 2), "second");
    EXPECT_TRUE(copy.IsColumnHidden(1));
    std::string note;
    EXPECT_TRUE(copy.GetComment(1, 2, note));
    EXPECT_EQ(note, "note");
    EXPECT_EQ(copy.Row(), 2);
    EXPECT_EQ(grid.RowCount(), 7);  // the document keeps every row
}

}  // namespace
}  // namespace tkm
