#include "tasks/task_table.h"

#include "platform/fake/fake_clock.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

class TaskTableTest : public ::testing::Test {
protected:
    FixedClock clock{{2026, 1, 31}, {7, 8, 9}};
    TLocaleFormats formats;
    TBaseGrid grid;
    void SetUp() override {
        formats.ShortDateFormat = "yyyy-mm-dd";
        TaskTable::SetUpGrid(grid);
    }
    TaskTable::TNewEntryContext Context() { return {clock, formats}; }
};

TEST_F(TaskTableTest, GridShape) {
    EXPECT_EQ(grid.ColCount(), 14);
    EXPECT_EQ(grid.RowCount(), 2);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 0);
    EXPECT_EQ(grid.ColWidth(3), 280);
    EXPECT_EQ(grid.ColWidth(13), 248);
    EXPECT_EQ(grid.DefaultRowHeight(), 19);
    EXPECT_EQ(grid.GetCellText(10, 0), "Progress");
}

TEST_F(TaskTableTest, ResetKeepsResourcesAndCommentButNumbersByCount) {
    grid.SetRowCount(4);
    grid.SetCurrentCell(0, 2);
    grid.SetCellText(colResources, 2, "Ann");
    grid.SetCellText(colComment, 2, "call first");
    grid.SetCellText(colDescription, 2, "old");
    TaskTable::ResetCurrentEntry(grid, Context());
    EXPECT_EQ(grid.GetCellText(colNo, 2), "3");
    EXPECT_EQ(grid.GetCellText(colDescription, 2), "");
    EXPECT_EQ(grid.GetCellText(colResources, 2), "Ann");
    EXPECT_EQ(grid.GetCellText(colComment, 2), "call first");
    EXPECT_EQ(grid.GetCellText(colDueDate, 2), "2026-01-31");
    EXPECT_EQ(grid.GetCellText(colCompletionTime, 2), "07:08:09");
    EXPECT_EQ(grid.Row(), 3);
    EXPECT_EQ(grid.Col(), colDescription);
}

TEST_F(TaskTableTest, NewEntryNumbersUseTheLocaleDecimalSeparator) {
    for (const char decimal : {'.', ','}) {
        formats.DecimalSeparator = decimal;
        TaskTable::FillNewEntry(grid, Context());
        EXPECT_EQ(grid.GetCellText(colTotalHours, 1), (std::string{'0', decimal, '0'}));
        TaskTable::ResetCurrentEntry(grid, Context());
        EXPECT_EQ(grid.GetCellText(colCost, 1), (std::string{'0', decimal, '0', '0'}));
    }
}

TEST_F(TaskTableTest, NewEntryCarriesItsObjects) {
    grid.SetRowCount(3);
    TaskTable::FillNewEntry(grid, Context());
    const TCellGraphic* bar = grid.CellObject(colProgress, 2);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar->BarColor, 0x996633u);
    EXPECT_EQ(bar->BackgroundColor, clWindow);
    EXPECT_EQ(bar->BackgroundTextColor, clWindowText);
    std::string comment = "x";
    EXPECT_TRUE(grid.GetComment(colComment, 2, comment));
    EXPECT_EQ(comment, "");
    EXPECT_EQ(grid.GetCellText(colNo, 2), "2");
    EXPECT_EQ(grid.GetCellText(colResources, 2), "");
}

TEST_F(TaskTableTest, EditorKinds) {
    EXPECT_EQ(TaskTable::EditorTypeFor(colStatus), TEditorType::ComboList);
    EXPECT_EQ(TaskTable::EditorTypeFor(colCompletionDate), TEditorType::DatePicker);
    EXPECT_EQ(TaskTable::EditorTypeFor(colDueTime), TEditorType::TimePicker);
    EXPECT_EQ(TaskTable::EditorTypeFor(colCost), TEditorType::Number);
    EXPECT_EQ(TaskTable::EditorTypeFor(colProgress), TEditorType::SpinEdit);
    EXPECT_EQ(TaskTable::EditorTypeFor(colComment), TEditorType::Normal);
}

// Only a column's own heading and its own vocabulary are shown translated.
TEST_F(TaskTableTest, TableWordsAreTheHeadingsAndTheColumnsOwnVocabulary) {
    const TaskTable::TTableWord heading = TaskTable::TableWord(colStatus, true, "Status");
    ASSERT_TRUE(heading);
    EXPECT_STREQ(heading.Context, "Columns");
    EXPECT_STREQ(heading.Text, "Status");
    const TaskTable::TTableWord status = TaskTable::TableWord(colStatus, false, std::string("Not Started"));
    ASSERT_TRUE(status);
    EXPECT_STREQ(status.Context, "Vocabulary");
    EXPECT_STREQ(status.Text, "Not Started");
    EXPECT_STREQ(TaskTable::TableWord(colPriority, false, "Normal").Text, "Normal");

    EXPECT_FALSE(TaskTable::TableWord(colPriority, false, "Completed"));
    EXPECT_FALSE(TaskTable::TableWord(colDescription, false, "High"));
    EXPECT_FALSE(TaskTable::TableWord(colStatus, false, "completed"));
    EXPECT_FALSE(TaskTable::TableWord(colStatus, false, "Status"));
    EXPECT_FALSE(TaskTable::TableWord(colComment, true, "Status"));
    EXPECT_FALSE(TaskTable::TableWord(TaskColumnCount, true, "Status"));
}

}  // namespace
}  // namespace tkm
