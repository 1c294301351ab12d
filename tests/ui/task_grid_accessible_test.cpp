#include "platform/fake/fake_dialogs.h"
#include "tasks/task_table.h"
#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"
#include "ui/grid/task_grid.h"

#include <QAccessible>
#include <QAccessibleValueInterface>
#include <QComboBox>
#include <QCoreApplication>
#include <QTest>

#include <gtest/gtest.h>

namespace tkm {
namespace {

// Events reach no one on the offscreen platform: the end-to-end test hears
// them over the accessibility bus. These check what a screen reader asks.
class TaskGridAccessibleTest : public ::testing::Test {
protected:
    RecordingShell shell;
    TTaskGrid grid{shell};

    void SetUp() override {
        TaskTable::SetUpGrid(grid.Store());
        grid.Store().SetRowCount(4);
        grid.resize(1700, 300);
        grid.show();
        grid.setFocus();
        QCoreApplication::processEvents();
    }

    TBaseGrid& Store() { return grid.Store(); }
    QAccessibleInterface* Table() { return QAccessible::queryAccessibleInterface(&grid); }
    QAccessibleInterface* Cell(int row, int col) { return Table()->tableInterface()->cellAt(row, col); }
    QString NameOf(int row, int col) { return Cell(row, col)->text(QAccessible::Name); }
};

TEST_F(TaskGridAccessibleTest, IsATableOfEveryRowAndTheShownColumnsWithTheHeaderRowAsHeaders) {
    QAccessibleInterface* table = Table();
    ASSERT_TRUE(table);
    EXPECT_EQ(table->role(), QAccessible::Table);
    QAccessibleTableInterface* cells = table->tableInterface();
    ASSERT_TRUE(cells);
    EXPECT_EQ(cells->rowCount(), 4);
    EXPECT_EQ(cells->columnCount(), TaskColumnCount);
    EXPECT_EQ(table->childCount(), 4 * TaskColumnCount);
    EXPECT_EQ(cells->columnDescription(colDueDate), "Due Date");

    QAccessibleInterface* due = Cell(2, colDueDate);
    ASSERT_TRUE(due);
    EXPECT_EQ(due->role(), QAccessible::Cell);
    EXPECT_EQ(due->parent(), table);
    EXPECT_EQ(table->indexOfChild(due), 2 * TaskColumnCount + colDueDate);
    EXPECT_EQ(table->child(2 * TaskColumnCount + colDueDate), due);
    const QList<QAccessibleInterface*> headers = due->tableCellInterface()->columnHeaderCells();
    ASSERT_EQ(headers.size(), 1);
    EXPECT_EQ(headers[0]->text(QAccessible::Name), "Due Date");
    EXPECT_EQ(headers[0]->role(), QAccessible::ColumnHeader);
    EXPECT_EQ(Cell(9, 0), nullptr);

    // Hidden columns are not there for a screen reader either.
    Store().HideColumn(colEntryDate);
    EXPECT_EQ(cells->columnCount(), TaskColumnCount - 1);
    EXPECT_EQ(cells->columnDescription(colDueDate - 1), "Due Date");
    EXPECT_EQ(NameOf(0, colDueDate - 1), "Due Date");
}

TEST_F(TaskGridAccessibleTest, CellsAreNamedAsTheGridShowsThem) {
    Store().SetCellText(colDescription, 1, "Caf\xE9");  // Windows-1252
    Store().SetCellText(colDescription, 2, "<B>Call</B> Bob<BR>today");
    Store().SetCellText(colDueDate, 3, "24/12/2026");
    EXPECT_EQ(NameOf(1, colDescription), QString::fromUtf8("Caf\u00E9"));
    EXPECT_EQ(NameOf(2, colDescription), "Call Bob\ntoday");
    EXPECT_EQ(NameOf(3, colDueDate), "24/12/2026");
    // A cell reads the grid when asked, so a sort or an edit shows at once.
    Store().SetCellText(colDueDate, 3, "25/12/2026");
    EXPECT_EQ(NameOf(3, colDueDate), "25/12/2026");
}

TEST_F(TaskGridAccessibleTest, TheProgressCellHasItsPercentageAsValue) {
    TaskTable::AttachCellObjects(Store(), 1);
    Store().SetCellText(colProgress, 1, "40");
    QAccessibleValueInterface* value = Cell(1, colProgress)->valueInterface();
    ASSERT_TRUE(value);
    EXPECT_EQ(value->currentValue().toInt(), 40);
    EXPECT_EQ(value->maximumValue().toInt(), 100);
    Store().SetCellText(colProgress, 1, "abc");
    EXPECT_FALSE(value->currentValue().isValid());
    EXPECT_EQ(Cell(1, colDescription)->valueInterface(), nullptr);
}

TEST_F(TaskGridAccessibleTest, TheCurrentCellIsFocusedSelectedAndEditableAndFollowsTheArrowKeys) {
    Store().SetCurrentCell(colStatus, 1);
    QAccessible::State state = Cell(1, colStatus)->state();
    EXPECT_TRUE(state.focused);
    EXPECT_TRUE(state.selected);
    EXPECT_TRUE(state.editable);
    EXPECT_FALSE(Cell(0, colStatus)->state().editable);
    EXPECT_EQ(Table()->focusChild(), Cell(1, colStatus));

    QTest::keyClick(&grid, Qt::Key_Down);
    EXPECT_TRUE(Cell(2, colStatus)->state().focused);
    EXPECT_FALSE(Cell(1, colStatus)->state().focused);
    EXPECT_EQ(Table()->focusChild(), Cell(2, colStatus));
    EXPECT_EQ(Table()->tableInterface()->selectedCells(), QList<QAccessibleInterface*>{Cell(2, colStatus)});
}

TEST_F(TaskGridAccessibleTest, ACellOfARowThatWentAwayIsInvalidNotACrash) {
    QAccessibleInterface* last = Cell(3, colDescription);
    Store().InsertRows(1, 2);
    EXPECT_EQ(Table()->tableInterface()->rowCount(), 6);
    Store().RemoveRows(1, 4);
    EXPECT_EQ(Table()->childCount(), 2 * TaskColumnCount);
    EXPECT_EQ(Cell(3, colDescription), nullptr);
    // A screen reader may still hold the old cell before the table's reset reaches it.
    EXPECT_FALSE(last->isValid());
    EXPECT_TRUE(last->text(QAccessible::Name).isEmpty());
    EXPECT_TRUE(last->state().invalid);
}

TEST_F(TaskGridAccessibleTest, TheEditorsAreNamedAfterTheirColumnAndRow) {
    grid.OnGetEditorType = [this](int col, int, TEditorType& editor) {
        if (col == colStatus) {
            editor = TEditorType::ComboList;
            grid.ComboItems() = {"Not Started", "Completed"};
        }
    };
    Store().SetCurrentCell(colDueDate, 3);
    grid.ShowInplaceEditor();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(grid.InplaceEditor())->text(QAccessible::Name), "Due Date, row 3");
    grid.CommitEditor();
    Store().SetCurrentCell(colStatus, 2);
    grid.ShowInplaceEditor();
    QComboBox* list = grid.SeparateEditors().Combo();
    ASSERT_TRUE(list->isVisible());
    QAccessibleInterface* named = QAccessible::queryAccessibleInterface(list);
    EXPECT_EQ(named->text(QAccessible::Name), "Status, row 2");
    EXPECT_EQ(named->text(QAccessible::Value), list->currentText());
}

}  // namespace
}  // namespace tkm
