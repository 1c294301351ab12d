#include "tasks/multiple_entries.h"

#include "platform/fake/fake_clock.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

class MultipleEntriesTest : public ::testing::Test {
protected:
    FixedClock clock{{2026, 12, 8}, {9, 30, 5}};
    TLocaleFormats formats;
    TBaseGrid grid;
    TEntryValues values;

    void SetUp() override {
        TaskTable::SetUpGrid(grid);
        values.EntryDate = "01/12/2026";
        values.DueDate = "24/12/2026";
        values.DueTime = "17:00:00";
    }
    TaskTable::TNewEntryContext Context() { return {clock, formats}; }
    std::string Cell(int col, int row) { return grid.GetCellText(col, row); }
    // Entries 1..n described "e1".."en", as the window makes them.
    void Entries(int n) {
        for (int r = 1; r <= n; ++r) {
            if (r > 1) grid.SetRowCount(r + 1);
            TaskTable::FillNewEntry(grid, Context());
            grid.SetCellText(colDescription, r, "e" + std::to_string(r));
        }
    }
};

TEST_F(MultipleEntriesTest, AtTheEndEveryRowReadsTheValuesAndTheClockAgain) {
    Entries(1);
    int reads = 0;
    MultipleEntries::AddAtEnd(grid, 3, [&] {
        ++reads;
        clock.Set({2026, 12, 8}, {9, 30, 5 + reads});
        TEntryValues v = values;
        v.Resources = "Ann " + std::to_string(reads);
        return v;
    }, Context());
    ASSERT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(reads, 3);
    for (int r = 2; r <= 4; ++r) {
        EXPECT_EQ(Cell(colNo, r), "");  // the window's renumbering fills it
        EXPECT_EQ(Cell(colEntryDate, r), "01/12/2026");
        EXPECT_EQ(Cell(colStatus, r), "Not Started");
        EXPECT_EQ(Cell(colDescription, r), "");
        EXPECT_EQ(Cell(colPriority, r), "Normal");
        EXPECT_EQ(Cell(colDueDate, r), "24/12/2026");
        EXPECT_EQ(Cell(colDueTime, r), "17:00:00");
        EXPECT_EQ(Cell(colResources, r), "Ann " + std::to_string(r - 1));
        EXPECT_EQ(Cell(colTotalHours, r), "0.0");
        EXPECT_EQ(Cell(colCost, r), "0.00");
        EXPECT_EQ(Cell(colProgress, r), "0");
        EXPECT_EQ(Cell(colCompletionDate, r), "08/12/2026");
        EXPECT_EQ(Cell(colCompletionTime, r), "09:30:0" + std::to_string(4 + r));
        EXPECT_EQ(Cell(colComment, r), "");
        EXPECT_TRUE(TaskTable::HasEntryCellObjects(grid, r));
    }
    EXPECT_EQ(Cell(colDescription, 1), "e1");
}

TEST_F(MultipleEntriesTest, OnlyExactlyCompletedMakesAFullProgress) {
    EXPECT_EQ(MultipleEntries::ProgressFor("Completed"), "100");
    for (const char* other : {"completed", "Completed ", "Pending", ""})
        EXPECT_EQ(MultipleEntries::ProgressFor(other), "0") << other;
    values.Status = "Completed";
    MultipleEntries::AddAtEnd(grid, 100, [&] { return values; }, Context());
    ASSERT_EQ(grid.RowCount(), 102);
    EXPECT_EQ(Cell(colProgress, 101), "100");
}

TEST(FixedDecimals, FormatsToTheEditsPlacesRoundingHalfUp) {
    using MultipleEntries::FixedDecimals;
    EXPECT_EQ(FixedDecimals("0", 1, '.'), "0.0");
    EXPECT_EQ(FixedDecimals("", 2, '.'), "0.00");
    EXPECT_EQ(FixedDecimals("12", 2, '.'), "12.00");
    EXPECT_EQ(FixedDecimals(".5", 1, '.'), "0.5");
    EXPECT_EQ(FixedDecimals("007.25", 1, '.'), "7.3");
    EXPECT_EQ(FixedDecimals("9.96", 1, '.'), "10.0");
    EXPECT_EQ(FixedDecimals("99.995", 2, ','), "0,00");  // the German edit has no "."
    EXPECT_EQ(FixedDecimals("99,995", 2, ','), "100,00");
    EXPECT_EQ(FixedDecimals("1.2.3", 1, '.'), "0.0");
    EXPECT_EQ(FixedDecimals("-4", 1, '.'), "0.0");
}

TEST_F(MultipleEntriesTest, AFailureAtTheEndKeepsTheRowsAddedBeforeIt) {
    int reads = 0;
    EXPECT_THROW(MultipleEntries::AddAtEnd(grid, 5, [&] {
        if (++reads == 3) throw EConvertError("no date");
        return values;
    }, Context()), EConvertError);
    // The third row was added before its values failed; it stays, as it would in the window.
    ASSERT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(Cell(colDueDate, 3), "24/12/2026");
    EXPECT_EQ(Cell(colDueDate, 4), "");
}

TEST_F(MultipleEntriesTest, BeforeARowMovesItDownAndFillsEveryEmptyCell) {
    Entries(5);
    grid.SetCellText(colDueTime, 1, "");
    grid.SetCellText(colStatus, 3, "Pending");
    grid.RemoveCellObject(colComment, 4);
    values.Resources = "Ann";
    values.Status = "Completed";
    MultipleEntries::InsertBefore(grid, 2, 5, values, Context());

    ASSERT_EQ(grid.RowCount(), 11);
    EXPECT_EQ(Cell(colDescription, 1), "e1");
    EXPECT_EQ(Cell(colDescription, 7), "e2");
    EXPECT_EQ(Cell(colNo, 7), "2");  // numbers wait for the renumbering
    for (int r = 2; r <= 6; ++r) {
        EXPECT_EQ(Cell(colDescription, r), "");
        EXPECT_EQ(Cell(colStatus, r), "Completed");
        EXPECT_EQ(Cell(colProgress, r), "100");
        EXPECT_EQ(Cell(colResources, r), "Ann");
        EXPECT_EQ(Cell(colCompletionTime, r), "09:30:05");
    }
    // Old entries keep every cell with text; their empty ones take the values.
    EXPECT_EQ(Cell(colDueTime, 1), "17:00:00");
    EXPECT_EQ(Cell(colStatus, 8), "Pending");
    EXPECT_EQ(Cell(colProgress, 8), "0");
    EXPECT_EQ(Cell(colDueDate, 8), "08/12/2026");
    for (int r = 1; r < grid.RowCount(); ++r) {
        EXPECT_EQ(Cell(colResources, r), "Ann") << r;
        EXPECT_TRUE(TaskTable::HasEntryCellObjects(grid, r)) << r;
    }
}

TEST_F(MultipleEntriesTest, BeforeARowAnEmptyResourcesLeavesOldEntriesAlone) {
    Entries(2);
    MultipleEntries::InsertBefore(grid, 1, 1, values, Context());
    EXPECT_EQ(Cell(colResources, 2), "");
    EXPECT_EQ(Cell(colDescription, 2), "e1");
    EXPECT_EQ(Cell(colDueDate, 2), "08/12/2026");
    EXPECT_EQ(Cell(colDueDate, 1), "24/12/2026");
}

TEST_F(MultipleEntriesTest, NothingGoesAboveTheHeaderRow) {
    Entries(2);
    EXPECT_THROW(MultipleEntries::InsertBefore(grid, 0, 3, values, Context()), EGridError);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(Cell(colNo, 0), "No");
}

}  // namespace
}  // namespace tkm
