#include "base/errors.h"
#include "grid/cell_matcher.h"
#include "grid/find_cell.h"
#include "tasks/task_table.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <vector>

namespace tkm {

void PrintTo(const TGridCoord& c, std::ostream* os) { *os << "(" << c.Col << ", " << c.Row << ")"; }

namespace {

using O = TFindOption;
using Hits = std::vector<TGridCoord>;

// Every hit, as pressing OK again and again finds them.
Hits AllHits(TBaseGrid& grid, std::string_view text, TFindOptions options = {}) {
    Hits hits;
    for (TGridCoord at = FindCell(grid, {}, text, options); at != TGridCoord{};
         at = FindCell(grid, at, text, options)) {
        hits.push_back(at);
        if (hits.size() > 1000) break;  // a scan that wraps would never end
    }
    return hits;
}

// The task table with its header row and the given Task Description and Comment per entry.
TBaseGrid TaskGrid(std::initializer_list<std::pair<const char*, const char*>> entries) {
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    grid.SetRowCount(int(entries.size()) + 1);
    int row = 1;
    for (const auto& [description, comment] : entries) {
        grid.SetCellText(colDescription, row, description);
        grid.SetCellText(colComment, row++, comment);
    }
    return grid;
}

// Three columns, a header row and three rows, every cell holding "x".
TBaseGrid FullGrid() {
    TBaseGrid grid(3, 4);
    grid.SetFixedCols(0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 3; ++c) grid.SetCellText(c, r, "x");
    return grid;
}

TEST(FindCell, ReportIsFoundInTaskDescriptionBeforeTheCommentThenNothingMore) {
    TBaseGrid grid = TaskGrid({{"Call Ann", "report"}, {"Write report", ""}});
    EXPECT_EQ(AllHits(grid, "report", O::SelectHit), (Hits{{colDescription, 2}, {colComment, 1}}));
    EXPECT_EQ(grid.Col(), colComment);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(FindCell, FourScanOrdersVisitEveryCellOnceWithoutWrapping) {
    TBaseGrid grid = FullGrid();
    EXPECT_EQ(AllHits(grid, "x"), (Hits{{0, 1}, {0, 2}, {0, 3}, {1, 1}, {1, 2}, {1, 3}, {2, 1}, {2, 2}, {2, 3}}));
    EXPECT_EQ(AllHits(grid, "x", O::Backward),
              (Hits{{2, 3}, {2, 2}, {2, 1}, {1, 3}, {1, 2}, {1, 1}, {0, 3}, {0, 2}, {0, 1}}));
    EXPECT_EQ(AllHits(grid, "x", O::AlongRows),
              (Hits{{0, 1}, {1, 1}, {2, 1}, {0, 2}, {1, 2}, {2, 2}, {0, 3}, {1, 3}, {2, 3}}));
    EXPECT_EQ(AllHits(grid, "x", O::AlongRows | O::Backward),
              (Hits{{2, 3}, {1, 3}, {0, 3}, {2, 2}, {1, 2}, {0, 2}, {2, 1}, {1, 1}, {0, 1}}));
}

TEST(FindCell, ScopesStayInTheCurrentRowOrColumnAndEndThere) {
    TBaseGrid grid = FullGrid();
    grid.SetCurrentCell(1, 2);
    const Hits row{{0, 2}, {1, 2}, {2, 2}};
    const Hits column{{1, 1}, {1, 2}, {1, 3}};
    EXPECT_EQ(AllHits(grid, "x", O::CurrentRowOnly | O::AlongRows), row);
    EXPECT_EQ(AllHits(grid, "x", O::CurrentRowOnly | O::AlongRows | O::Backward), (Hits{row.rbegin(), row.rend()}));
    EXPECT_EQ(AllHits(grid, "x", O::CurrentColumnOnly), column);
    EXPECT_EQ(AllHits(grid, "x", O::CurrentColumnOnly | O::Backward), (Hits{column.rbegin(), column.rend()}));
    // The orders the dialog never offers with a scope still end.
    EXPECT_EQ(AllHits(grid, "x", O::CurrentRowOnly), row);
    EXPECT_EQ(AllHits(grid, "x", O::CurrentColumnOnly | O::AlongRows), column);
    EXPECT_EQ(AllHits(grid, "x", O::CurrentRowOnly | O::CurrentColumnOnly), (Hits{{1, 2}}));
}

TEST(FindCell, ScopeFollowsTheCurrentCellNotTheLastHit) {
    TBaseGrid grid = FullGrid();
    grid.SetCurrentCell(0, 3);
    // The last hit was in row 1, column 0; the user has moved to row 3 since.
    EXPECT_EQ(FindCell(grid, {0, 1}, "x", O::CurrentRowOnly | O::AlongRows), (TGridCoord{1, 3}));
    // A current cell in the header row is outside the bounds without fixed cells.
    grid.SetCurrentCell(0, 0);
    EXPECT_EQ(FindCell(grid, {}, "x", O::CurrentRowOnly | O::AlongRows), TGridCoord{});
}

TEST(FindCell, StartCellsOutsideTheBounds) {
    TBaseGrid grid = FullGrid();
    // Beyond both the last column and the last row: from the first cell again.
    EXPECT_EQ(FindCell(grid, {7, 9}, "x", {}), (TGridCoord{0, 1}));
    EXPECT_EQ(FindCell(grid, {7, 9}, "x", O::AlongRows), (TGridCoord{0, 1}));
    // Before both, backward: from the last cell again.
    EXPECT_EQ(FindCell(grid, {-5, -5}, "x", O::Backward), (TGridCoord{2, 3}));
    // Below the last row only: the next column; past the last column only: the next row.
    EXPECT_EQ(FindCell(grid, {0, 9}, "x", {}), (TGridCoord{1, 1}));
    EXPECT_EQ(FindCell(grid, {9, 1}, "x", O::AlongRows), (TGridCoord{0, 2}));
    EXPECT_EQ(FindCell(grid, {2, 9}, "x", {}), TGridCoord{});
    EXPECT_EQ(FindCell(grid, {1, 9}, "x", O::AlongRows), TGridCoord{});
    // A hit in the header row from a search with fixed cells, continued without them.
    EXPECT_EQ(FindCell(grid, {1, 0}, "x", O::AlongRows), (TGridCoord{0, 1}));
    EXPECT_EQ(FindCell(grid, {1, 0}, "x", {}), (TGridCoord{1, 1}));
    // Far out starts do not overflow.
    EXPECT_EQ(FindCell(grid, {INT_MAX, 1}, "x", O::AlongRows), (TGridCoord{0, 2}));
    EXPECT_EQ(FindCell(grid, {INT_MIN, 3}, "x", O::AlongRows | O::Backward), (TGridCoord{2, 2}));
}

TEST(FindCell, DownColumnsReadInBlocksStillFindsTheEarliestColumnFirst) {
    TBaseGrid grid(8, 400);
    grid.SetFixedCols(0);
    grid.SetCellText(5, 10, "needle");
    grid.SetCellText(2, 300, "needle");
    grid.SetCellText(2, 390, "needle");
    grid.SetCellText(6, 399, "needle");
    EXPECT_EQ(AllHits(grid, "needle"), (Hits{{2, 300}, {2, 390}, {5, 10}, {6, 399}}));
    EXPECT_EQ(AllHits(grid, "needle", O::Backward), (Hits{{6, 399}, {5, 10}, {2, 390}, {2, 300}}));
    EXPECT_EQ(FindCell(grid, {2, 350}, "needle", {}), (TGridCoord{2, 390}));
    EXPECT_EQ(FindCell(grid, {5, 5}, "needle", O::Backward), (TGridCoord{2, 390}));
}

TEST(FindCell, WholeCellAndMatchAtStart) {
    TBaseGrid grid = TaskGrid({{"Write report", ""}, {"Report", ""}, {"report card", ""}});
    EXPECT_EQ(AllHits(grid, "report", O::WholeCellText), (Hits{{colDescription, 2}}));
    EXPECT_EQ(AllHits(grid, "report", O::WholeCellText | O::MatchCase), Hits{});
    EXPECT_EQ(AllHits(grid, "report", O::MatchAtStart), (Hits{{colDescription, 2}, {colDescription, 3}}));
    EXPECT_EQ(AllHits(grid, "report"), (Hits{{colDescription, 1}, {colDescription, 2}, {colDescription, 3}}));
}

TEST(FindCell, CaseMattersOnlyWithMatchCase) {
    TBaseGrid grid = TaskGrid({{"Call ANN", "call ann"}});
    EXPECT_EQ(AllHits(grid, "Call Ann"), (Hits{{colDescription, 1}, {colComment, 1}}));
    EXPECT_EQ(AllHits(grid, "call ann", O::MatchCase), (Hits{{colComment, 1}}));
}

TEST(FindCell, HtmlTagsAreIgnoredOnlyWhenAsked) {
    TBaseGrid grid = TaskGrid({{"<b>Call</b> Ann", "first<br>second"}, {"a < b", "x<HR>y"}});
    EXPECT_EQ(AllHits(grid, "call ann", O::IgnoreHtmlTags), (Hits{{colDescription, 1}}));
    EXPECT_EQ(AllHits(grid, "call ann"), Hits{});
    EXPECT_EQ(AllHits(grid, "first\r\nsecond", O::IgnoreHtmlTags | O::MatchCase), (Hits{{colComment, 1}}));
    EXPECT_EQ(AllHits(grid, "X\r\nY", O::IgnoreHtmlTags | O::WholeCellText), (Hits{{colComment, 2}}));
    EXPECT_EQ(AllHits(grid, "a < b", O::IgnoreHtmlTags), (Hits{{colDescription, 2}}));
}

TEST(FindCell, TagStripping) {
    std::string out;
    StripHtmlTags("<a <BR> b>c<Br>d<hr>", out);
    EXPECT_EQ(out, "c\r\nd\r\n");  // the line tag inside a tag goes with it
    StripHtmlTags("1 < 2 <i>and</i> 3 > 2 <", out);
    EXPECT_EQ(out, "1 and 3 > 2 <");  // from the first "<" to the next ">", wherever that is
    StripHtmlTags("<>", out);
    EXPECT_EQ(out, "");
}

TEST(FindCell, HeaderRowOnlyWithFixedCells) {
    TBaseGrid grid = TaskGrid({{"Write report", ""}});
    EXPECT_EQ(AllHits(grid, "Task Description"), Hits{});
    EXPECT_EQ(AllHits(grid, "Task Description", O::IncludeFixedCells | O::SelectHit), (Hits{{colDescription, 0}}));
    EXPECT_EQ(grid.Row(), 0);
    EXPECT_EQ(AllHits(grid, "o", O::IncludeFixedCells | O::AlongRows).front(), (TGridCoord{colNo, 0}));
}

TEST(FindCell, HiddenColumnsAreSkippedAndHitsAreDisplayColumns) {
    TBaseGrid grid = TaskGrid({{"Write report", "report"}});
    grid.HideColumn(colDescription);
    EXPECT_EQ(AllHits(grid, "report", O::SelectHit), (Hits{{colComment - 1, 1}}));
    EXPECT_EQ(grid.Col(), colComment - 1);
}

TEST(FindCell, NothingToFind) {
    TBaseGrid grid = TaskGrid({{"", ""}});
    EXPECT_EQ(AllHits(grid, ""), Hits{});
    EXPECT_EQ(AllHits(grid, "", O::WholeCellText), Hits{});
    EXPECT_EQ(AllHits(grid, "", O::IncludeFixedCells), Hits{});
    grid.SetRowCount(1);  // the header row only
    EXPECT_EQ(AllHits(grid, "No"), Hits{});
    EXPECT_EQ(AllHits(grid, "No", O::IncludeFixedCells), Hits{});
}

TEST(FindCell, SelectHitAloneMovesTheCurrentCell) {
    TBaseGrid grid = TaskGrid({{"Call Ann", ""}, {"Write report", ""}});
    grid.SetCurrentCell(0, 1);
    EXPECT_EQ(FindCell(grid, {}, "report", {}), (TGridCoord{colDescription, 2}));
    EXPECT_EQ(grid.Row(), 1);
    FindCell(grid, {}, "nowhere", O::SelectHit);
    EXPECT_EQ(grid.Row(), 1);
}

TEST(AnsiUpperCase, FoldsEveryWindows1252LetterPairButLeavesOtherBytes) {
    // à é þ become À É Þ and ÿ Ÿ; ÷ stays; a lone Windows-1252 é (0xE9) and a tail byte with no lead stay.
    EXPECT_EQ(AnsiUpperCase("az\xC3\xA0\xC3\xA9\xC3\xBE\xC3\xB7\xC3\xBF\xE9\xA9{"),
              "AZ\xC3\x80\xC3\x89\xC3\x9E\xC3\xB7\xC5\xB8\xE9\xA9{");
    // š ž œ become Š Ž Œ; ł (U+0142, no Windows-1252 letter) stays.
    EXPECT_EQ(AnsiUpperCase("\xC5\xA1\xC5\xBE\xC5\x93\xC5\x82"), "\xC5\xA0\xC5\xBD\xC5\x92\xC5\x82");
}

TEST(FindCell, WindowsTextIsSearchedAsItIsShown) {
    // Café, škoda, œuvre, ÿ as Windows-1252 bytes; and škoda in UTF-8.
    TBaseGrid grid = TaskGrid({{"Caf\xE9", "\x9Akoda"}, {"\x9Cuvre", "\xFF"}, {"\xC5\xA1koda", ""}});
    EXPECT_EQ(AllHits(grid, "Caf\xC3\xA9"), (Hits{{colDescription, 1}}));
    EXPECT_EQ(AllHits(grid, "CAF\xC3\x89"), (Hits{{colDescription, 1}}));
    EXPECT_EQ(AllHits(grid, "caf\xC3\xA9", O::MatchCase), Hits{});
    EXPECT_EQ(AllHits(grid, "Caf\xC3\xA9", O::WholeCellText | O::MatchCase), (Hits{{colDescription, 1}}));
    EXPECT_EQ(AllHits(grid, "\xC5\xA0KODA"), (Hits{{colDescription, 3}, {colComment, 1}}));
    EXPECT_EQ(AllHits(grid, "\xC5\x92UVRE"), (Hits{{colDescription, 2}}));
    EXPECT_EQ(AllHits(grid, "\xC5\xB8"), (Hits{{colComment, 2}}));
    EXPECT_EQ(AllHits(grid, "\xC3\xBF", O::MatchAtStart), (Hits{{colComment, 2}}));
    EXPECT_EQ(AllHits(grid, "x\xC5\xB8"), Hits{});
}

TEST(FindCell, AccentedLettersMatchInEitherCase) {
    TBaseGrid grid = TaskGrid({{"Plan the caf\xC3\xA9 opening", "\xC3\xB7"}, {"Caf\xE9 (Windows text)", ""}});
    EXPECT_EQ(AllHits(grid, "CAF\xC3\x89"), (Hits{{colDescription, 1}, {colDescription, 2}}));
    EXPECT_EQ(AllHits(grid, "CAF\xC3\x89", O::MatchCase), Hits{});
    EXPECT_EQ(AllHits(grid, "\xC3\x97"), Hits{});  // × is not the capital of ÷
    EXPECT_EQ(AllHits(grid, "caf\xE9"), (Hits{{colDescription, 2}})) << "Windows bytes search the bytes";
}

TEST(FindCell, LongCellsMatchAnywhereButNotOnBytesThatOnlyLookLikeCase) {
    TBaseGrid grid = TaskGrid({{"0123456789abcdefREPORT", "0123456{1"}, {"[1 at the start, REPORT at the end: report", ""}});
    EXPECT_EQ(AllHits(grid, "report"), (Hits{{colDescription, 1}, {colDescription, 2}}));
    EXPECT_EQ(AllHits(grid, "[1"), (Hits{{colDescription, 2}}));  // '{' is not a lower-case '['
    EXPECT_EQ(AllHits(grid, "FREP"), (Hits{{colDescription, 1}}));  // across the eight-byte step
    EXPECT_EQ(AllHits(grid, "end: report", O::MatchAtStart), Hits{});
}

// A long list with "needle" in one cell of its last row.
TBaseGrid LongGrid(int rows) {
    TBaseGrid grid(3, rows + 1);
    grid.SetCellText(1, rows, "needle");
    grid.SetCurrentCell(1, 1);
    return grid;
}

TEST(FindCell, ReportsTheRowsLookedAtInEveryScanOrderUpToTheEnd) {
    TBaseGrid grid = LongGrid(10000);
    for (const TFindOptions options : {TFindOptions{}, TFindOptions(O::AlongRows), TFindOptions(O::Backward),
                                       O::AlongRows | O::Backward}) {
        std::vector<int> percents;
        const TFileProgressHandler handler = [&percents](int percent) { percents.push_back(percent); };
        EXPECT_EQ(FindCell(grid, {}, "missing", options, handler), TGridCoord{});
        ASSERT_GE(percents.size(), 90u);
        EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << "the bar never moves back";
        EXPECT_EQ(percents.front(), 0);
        EXPECT_GE(percents.back(), 99);
        EXPECT_LE(percents.back(), 100);
    }
    // From half way down along rows, the rest of the list is the whole of the scan.
    std::vector<int> percents;
    FindCell(grid, {2, 5000}, "missing", O::AlongRows, [&percents](int percent) { percents.push_back(percent); });
    ASSERT_FALSE(percents.empty());
    EXPECT_GE(percents.back(), 99);
}

TEST(FindCell, StoppedThroughItsProgressItLeavesTheCurrentCellAndFindsAgainAfterwards) {
    TBaseGrid grid = LongGrid(10000);
    for (const TFindOptions options : {TFindOptions(O::SelectHit), O::SelectHit | O::AlongRows}) {
        const TFileProgressHandler stopHalfWay = [](int percent) {
            if (percent >= 50) throw EAbort();
        };
        EXPECT_THROW(FindCell(grid, {}, "needle", options, stopHalfWay), EAbort);
        EXPECT_EQ(grid.Col(), 1);
        EXPECT_EQ(grid.Row(), 1);
        EXPECT_EQ(FindCell(grid, {}, "needle", options), (TGridCoord{1, 10000}));
        grid.SetCurrentCell(1, 1);
    }
}

}  // namespace
}  // namespace tkm
