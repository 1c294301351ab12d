#include "grid/base_grid.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TBaseGrid MakeGrid(int cols = 14, int rows = 4) {
    TBaseGrid grid(cols, rows);
    grid.SetFixedCols(0);
    for (int r = 0; r < rows; ++r)
        for (int c = 0; c < cols; ++c) grid.SetCellText(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
    return grid;
}

TEST(BaseGridTexts, StoresBytesUnchangedAndEmptiesCells) {
    TBaseGrid grid(3, 3);
    const std::string odd("\0a\r\n\"\xff ", 7);
    grid.SetCellText(2, 1, odd);
    grid.SetCellText(0, 1, "x");
    EXPECT_EQ(grid.GetCellText(2, 1), odd);
    EXPECT_EQ(grid.GetCellText(1, 1), "");
    grid.SetCellText(2, 1, "");
    EXPECT_EQ(grid.GetCellText(2, 1), "");
    EXPECT_EQ(grid.GetCellText(0, 1), "x");
}

TEST(BaseGridTexts, ManyEditsKeepEveryCellAfterCompaction) {
    TBaseGrid grid(4, 200);
    for (int round = 0; round < 60; ++round)
        for (int r = 0; r < 200; ++r)
            grid.SetCellText(round % 4, r, std::string(100 + round, char('a' + r % 26)));
    for (int r = 0; r < 200; ++r) {
        EXPECT_EQ(grid.GetCellText(3, r), std::string(159, char('a' + r % 26)));
        EXPECT_EQ(grid.GetCellText(0, r), std::string(156, char('a' + r % 26)));
    }
    EXPECT_LT(grid.TextBytes(), 200u * 4 * 200);
}

// A copy is a snapshot: edits on either side, in place or appended, never reach the other.
TEST(BaseGridTexts, ACopyKeepsItsTextsWhileTheOriginalChanges) {
    TBaseGrid grid = MakeGrid();
    grid.SetCellText(2, 1, "edited before");
    const TBaseGrid snapshot = grid;
    grid.SetCellText(2, 1, "edited after!");  // same length: written in place
    grid.SetCellText(3, 1, std::string(300, 'x'));
    grid.RemoveRows(2, 1);
    EXPECT_EQ(snapshot.RowCount(), 4);
    EXPECT_EQ(snapshot.GetCellText(2, 1), "edited before");
    EXPECT_EQ(snapshot.GetCellText(3, 1), "r1c3");
    EXPECT_EQ(snapshot.GetCellText(5, 2), "r2c5");
    TBaseGrid copy = snapshot;
    copy.SetCellText(0, 3, "appended to the copy");
    EXPECT_EQ(copy.GetCellText(0, 3), "appended to the copy");
    EXPECT_EQ(snapshot.GetCellText(0, 3), "r3c0");
}

TEST(BaseGridTexts, ATextOfTheSameLengthGoesInPlace) {
    TBaseGrid grid = MakeGrid();
    const std::size_t bytes = grid.TextBytes();
    grid.SetCellText(1, 1, "abcd");
    grid.SetCellText(2, 1, grid.CellView(3, 1));  // a view into the same row
    EXPECT_EQ(grid.TextBytes(), bytes);
    EXPECT_EQ(grid.GetCellText(0, 1), "r1c0");
    EXPECT_EQ(grid.GetCellText(1, 1), "abcd");
    EXPECT_EQ(grid.GetCellText(2, 1), "r1c3");
    EXPECT_EQ(grid.GetCellText(3, 1), "r1c3");
    EXPECT_EQ(grid.GetCellText(1, 2), "r2c1");
    grid.SetCellText(1, 1, "longer");
    EXPECT_EQ(grid.GetCellText(1, 1), "longer");
    EXPECT_EQ(grid.GetCellText(2, 1), "r1c3");
}

// A row's cell ends take one, two or four bytes by the length of its texts.
TEST(BaseGridTexts, RowsOfEveryLengthKeepTheirCells) {
    for (const std::size_t length : {254u, 255u, 256u, 65534u, 65535u, 65536u, 70000u}) {
        TBaseGrid grid(3, 2);
        const std::string big(length - 5, 'z');
        grid.SetCellText(0, 1, "a");
        grid.SetCellText(1, 1, big);
        grid.SetCellText(2, 1, "tail");
        EXPECT_EQ(grid.GetCellText(0, 1), "a") << length;
        EXPECT_EQ(grid.GetCellText(1, 1), big) << length;
        EXPECT_EQ(grid.GetCellText(2, 1), "tail") << length;
        // The whole row at once, and which cell holds a byte of it.
        EXPECT_EQ(grid.RowTextView(1), "a" + big + "tail") << length;
        const TTextArena::TCellPlace first = grid.CellHolding(1, 0);
        EXPECT_EQ(first.Cell, 0u);
        EXPECT_EQ(first.End, 1u);
        const TTextArena::TCellPlace last = grid.CellHolding(1, length - 4);
        EXPECT_EQ(last.Cell, 2u) << length;
        EXPECT_EQ(last.Start, length - 4) << length;
        EXPECT_EQ(last.End, length) << length;
        EXPECT_EQ(grid.CellHolding(1, 1).Cell, 1u) << length;
    }
}

// Rows parsed into texts of their own join the grid without a copy.
TEST(BaseGridTexts, AdoptedRowsReadAndEditLikeOthers) {
    TBaseGrid grid(2, 1);
    grid.SetCellText(0, 0, "kept");
    TTextArena texts(64, 16);
    const std::vector<std::string_view> first{"x", "y"}, second{std::string_view(), "long text past one chunk"};
    const std::vector<TRowTextRef> refs{texts.AppendRow(first), {}, texts.AppendRow(second)};
    grid.AppendRows(std::move(texts), refs);
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.GetCellText(0, 0), "kept");
    EXPECT_EQ(grid.GetCellText(1, 1), "y");
    EXPECT_EQ(grid.GetCellText(0, 2), "");
    EXPECT_EQ(grid.GetCellText(1, 3), "long text past one chunk");
    grid.SetCellText(0, 1, "edited");
    grid.SetCellText(0, 2, "new");
    EXPECT_EQ(grid.GetCellText(0, 1), "edited");
    EXPECT_EQ(grid.GetCellText(1, 1), "y");
    EXPECT_EQ(grid.GetCellText(0, 2), "new");
    EXPECT_EQ(grid.GetCellText(1, 3), "long text past one chunk");
}

TEST(BaseGridTexts, IntegerReading) {
    TBaseGrid grid(2, 2);
    EXPECT_EQ(grid.GetCellInteger(0, 1), 0);  // empty reads as 0
    grid.SetCellInteger(0, 1, -5);
    EXPECT_EQ(grid.GetCellText(0, 1), "-5");
    EXPECT_EQ(grid.GetCellInteger(0, 1), -5);
    for (const char* bad : {"abc", "12x", "1.5", "-", "99999999999", "5 "}) {
        grid.SetCellText(0, 1, bad);
        try {
            grid.GetCellInteger(0, 1);
            ADD_FAILURE() << bad;
        } catch (const EGridError& e) {
            EXPECT_STREQ(e.what(), "Cell does not contain integer value");
        }
    }
}

TEST(BaseGridBounds, OutsideAddressesAreRejectedByName) {
    TBaseGrid grid(14, 3);
    EXPECT_THROW(grid.GetCellText(14, 0), EGridError);
    EXPECT_THROW(grid.SetCellText(0, 3, "x"), EGridError);
    EXPECT_THROW(grid.SetCellText(-1, 0, "x"), EGridError);
    EXPECT_THROW(grid.AddComment(0, -1, ""), EGridError);
    EXPECT_THROW(grid.InsertRows(9, 1), EGridError);
    try {
        grid.GetCellText(20, 7);
        FAIL();
    } catch (const EGridError& e) {
        EXPECT_NE(std::string(e.what()).find("column 20, row 7"), std::string::npos);
    }
}

TEST(BaseGridObjects, AttachingLeavesTextAndReplaces) {
    TBaseGrid grid(14, 3);
    grid.AddProgressBar(10, 1, 1, 2, 3, 4);
    grid.AddComment(13, 1, "");
    EXPECT_EQ(grid.GetCellText(10, 1), "");
    EXPECT_EQ(grid.GetCellText(13, 1), "");
    ASSERT_NE(grid.CellObject(10, 1), nullptr);
    EXPECT_EQ(grid.CellObject(10, 1)->Kind, TCellGraphicKind::ProgressBar);
    EXPECT_TRUE(grid.CellObject(10, 1)->ExplicitTextColors);
    grid.AddComment(10, 1, "now a comment");
    std::string comment;
    EXPECT_TRUE(grid.GetComment(10, 1, comment));
    EXPECT_EQ(comment, "now a comment");
    EXPECT_FALSE(grid.GetComment(10, 2, comment));
    EXPECT_TRUE(grid.RemoveCellObject(10, 1));
    EXPECT_FALSE(grid.RemoveCellObject(10, 1));
    EXPECT_NE(grid.CellObject(13, 1), nullptr);
}

TEST(BaseGridRows, InsertAndRemoveMoveTextsObjectsAndHeights) {
    TBaseGrid grid = MakeGrid(14, 4);
    grid.AddComment(13, 2, "two");
    grid.SetRowHeight(2, 40);
    grid.InsertRows(1, 2);
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.GetCellText(0, 1), "");
    EXPECT_EQ(grid.CellObject(13, 2), nullptr);
    EXPECT_EQ(grid.RowHeight(1), grid.DefaultRowHeight());
    EXPECT_EQ(grid.GetCellText(5, 4), "r2c5");
    EXPECT_EQ(grid.RowHeight(4), 40);
    std::string comment;
    EXPECT_TRUE(grid.GetComment(13, 4, comment));
    EXPECT_EQ(comment, "two");

    grid.RemoveRows(1, 3);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.GetCellText(0, 1), "r2c0");
    EXPECT_TRUE(grid.GetComment(13, 1, comment));
    EXPECT_EQ(grid.GetCellText(0, 2), "r3c0");
}

TEST(BaseGridRows, RemoveReportsChangeAndKeepsCurrentRowInRange) {
    TBaseGrid grid = MakeGrid(14, 4);
    std::vector<TGridRect> changes;
    const TCellsChangedHook hook(grid, [&](const TGridRect& r) { changes.push_back(r); });
    grid.SetCurrentCell(3, 3);
    grid.RemoveRows(3, 1);
    EXPECT_EQ(grid.Row(), 2);  // the current last row went: the new last row is current
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], (TGridRect{0, 3, 13, 4}));
    grid.SetCurrentCell(3, 1);
    grid.RemoveRows(2, 1);
    EXPECT_EQ(grid.Row(), 1);
    grid.RemoveRows(9, 1);  // beyond the table: nothing
    EXPECT_EQ(grid.RowCount(), 2);
}

TEST(BaseGridRows, DeletedRowLeavesNothingForTheNextOne) {
    TBaseGrid grid = MakeGrid(14, 3);
    grid.AddProgressBar(10, 2, 1, 2, 3, 4);
    grid.RemoveRows(2, 1);
    grid.SetRowCount(3);
    for (int c = 0; c < 14; ++c) EXPECT_EQ(grid.GetCellText(c, 2), "") << c;
    EXPECT_EQ(grid.CellObject(10, 2), nullptr);
}

TEST(BaseGridRows, ClearCellsEmptiesRectangleAndDropsObjects) {
    TBaseGrid grid = MakeGrid(14, 3);
    grid.AddComment(13, 1, "");
    grid.AddComment(13, 2, "");
    std::vector<TGridRect> changes;
    const TCellsChangedHook hook(grid, [&](const TGridRect& r) { changes.push_back(r); });
    grid.ClearCells(0, 1, 1, 13);
    for (int c = 0; c < 14; ++c) EXPECT_EQ(grid.GetCellText(c, 1), "");
    EXPECT_EQ(grid.CellObject(13, 1), nullptr);
    EXPECT_NE(grid.CellObject(13, 2), nullptr);
    EXPECT_EQ(grid.GetCellText(0, 2), "r2c0");
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], (TGridRect{0, 1, 13, 1}));
}

TEST(BaseGridRows, PermuteMovesWholeRows) {
    TBaseGrid grid = MakeGrid(3, 4);
    grid.AddComment(2, 1, "one");
    const std::vector<std::uint32_t> order{2, 0, 1};
    grid.PermuteRows(1, order);
    EXPECT_EQ(grid.GetCellText(0, 1), "r3c0");
    EXPECT_EQ(grid.GetCellText(1, 2), "r1c1");
    EXPECT_NE(grid.CellObject(2, 2), nullptr);
    EXPECT_EQ(grid.CellObject(2, 1), nullptr);
    EXPECT_EQ(grid.GetCellText(0, 0), "r0c0");
}

TEST(BaseGridRows, SharedObjectsStayIndependentPerRow) {
    TBaseGrid grid(14, 1001);
    for (int r = 1; r <= 1000; ++r) {
        grid.AddProgressBar(10, r, 1, 2, 3, 4);
        grid.AddComment(13, r, "");
    }
    grid.AddComment(13, 500, "changed");
    std::string text;
    ASSERT_TRUE(grid.GetComment(13, 499, text));
    EXPECT_EQ(text, "");
    ASSERT_TRUE(grid.GetComment(13, 500, text));
    EXPECT_EQ(text, "changed");
    EXPECT_EQ(grid.CellObject(10, 500)->BarColor, 1u);
}

TEST(BaseGridColumns, HiddenColumnsMapAndKeepWidths) {
    TBaseGrid grid = MakeGrid(14, 2);
    for (int c = 0; c < 14; ++c) grid.SetColWidth(c, 10 + c);
    grid.HideColumn(3);
    EXPECT_EQ(grid.ColCount(), 13);
    EXPECT_EQ(grid.DisplayToReal(3), 4);
    EXPECT_EQ(grid.RealToDisplay(4), 3);
    EXPECT_EQ(grid.GetCellText(3, 1), "r1c3");  // operations take the real column
    EXPECT_EQ(grid.ColWidth(3), 14);

    grid.HideColumn(5);
    grid.HideColumn(5);
    EXPECT_EQ(grid.HiddenCount(), 2);
    EXPECT_TRUE(grid.IsColumnHidden(5));
    grid.UnhideColumn(5);
    EXPECT_FALSE(grid.IsColumnHidden(5));
    EXPECT_EQ(grid.ColWidth(grid.RealToDisplay(5)), 15);
    EXPECT_EQ(grid.ColWidth(grid.RealToDisplay(6)), 16);
    grid.UnhideColumn(3);
    EXPECT_EQ(grid.ColCount(), 14);
    for (int c = 0; c < 14; ++c) EXPECT_EQ(grid.ColWidth(c), 10 + c);
    EXPECT_FALSE(grid.IsColumnHidden(300));
}

TEST(BaseGridColumns, LastShownColumnCannotBeHidden) {
    TBaseGrid grid = MakeGrid(3, 2);
    grid.HideColumn(0);
    grid.HideColumn(1);
    grid.HideColumn(2);
    EXPECT_EQ(grid.ColCount(), 1);
    EXPECT_FALSE(grid.IsColumnHidden(2));
    EXPECT_EQ(grid.DisplayToReal(0), 2);
}

TEST(BaseGridColumns, InsertedRowsMoveHiddenCellsToo) {
    TBaseGrid grid = MakeGrid(4, 3);
    grid.HideColumn(3);
    grid.InsertRows(1, 1);
    EXPECT_EQ(grid.GetCellText(3, 2), "r1c3");
    EXPECT_EQ(grid.GetCellText(3, 1), "");
}

}  // namespace
}  // namespace tkm
