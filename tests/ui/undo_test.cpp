#include "main_window_fixture.h"

#include "ui/grid/inplace_edit.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>

namespace tkm {
namespace {

class UndoTest : public MainWindowTest {
protected:
    QAction* UndoAction() { return window->Action("aclUndo"); }
    QAction* RedoAction() { return window->Action("aclRedo"); }

    // Three described entries, the editor closed, the second entry current.
    void ThreeEntries() {
        AddEntries(2);
        Grid().CommitEditor();
        for (int r = 1; r <= 3; ++r) Describe(r, "entry " + std::to_string(r));
        Store().SetCellText(colProgress, 2, "40");
        Store().SetCurrentCell(colDescription, 2);
    }

    std::vector<std::string> Row(int row) {
        std::vector<std::string> cells;
        for (int c = 0; c < TaskColumnCount; ++c) cells.push_back(Cell(c, row));
        return cells;
    }

    void PressOnGrid(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(&Grid(), key, modifiers);
        QCoreApplication::processEvents();
    }

    void TypeIntoCell(const char* text) {
        QTest::keyClick(&Grid(), Qt::Key_F2);
        QTest::keyClicks(Grid().InplaceEditor(), text);
        QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Return);
    }
};

TEST_F(UndoTest, ADeletedEntryComesBackInItsPlaceWithAllItsCells) {
    ThreeEntries();
    const std::vector<std::string> second = Row(2);
    const std::vector<std::string> third = Row(3);
    PressOnGrid(Qt::Key_Delete);
    ASSERT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(UndoAction()->text(), "&Undo Delete Entry");
    Store().SetCurrentCell(colNo, 1);

    PressOnGrid(Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Store().RowCount(), 4);
    EXPECT_EQ(Row(2), second);
    EXPECT_EQ(Row(3), third);
    ASSERT_NE(Store().CellObject(colProgress, 2), nullptr);
    EXPECT_EQ(Store().CellObject(colProgress, 2)->Kind, TCellGraphicKind::ProgressBar);
    ASSERT_NE(Store().CellObject(colComment, 2), nullptr);
    EXPECT_EQ(Store().Row(), 2) << "the deleted entry is current again";
    EXPECT_EQ(Store().Col(), colDescription);
    EXPECT_EQ(RedoAction()->text(), "&Redo Delete Entry");

    PressOnGrid(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(Row(2), third);
    PressOnGrid(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);  // nothing left to redo
    EXPECT_EQ(Store().RowCount(), 3);
}

// The user's path: the editor is open from the start and opens again after a
// deletion, yet Ctrl+Z reaches the table while it holds no typing of its own.
TEST_F(UndoTest, AnEntryDeletedByMistakeComesBackThroughTheOpenEditor) {
    const auto type = [this](const char* text) {
        ASSERT_TRUE(Grid().EditorMode());
        QTest::keyClicks(Grid().InplaceEditor(), text);
        QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Return);
    };
    type("first");
    PressOnGrid(Qt::Key_Insert, Qt::ShiftModifier);  // Add New Entry
    type("second");
    PressOnGrid(Qt::Key_Up);
    const std::vector<std::string> first = Row(1);
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    PressOnGrid(Qt::Key_Delete, Qt::ShiftModifier);  // the Delete command, which asks
    ASSERT_EQ(Store().RowCount(), 2);
    ASSERT_TRUE(Grid().EditorMode());
    EXPECT_TRUE(UndoAction()->isEnabled());
    EXPECT_EQ(UndoAction()->text(), "&Undo Delete Entry");

    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Z, Qt::ControlModifier);
    ASSERT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(Row(1), first);
    EXPECT_EQ(Cell(colDescription, 2), "second");
    EXPECT_EQ(RedoAction()->text(), "&Redo Delete Entry");
    EXPECT_TRUE(UndoAction()->isEnabled());

    PressOnGrid(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Store().RowCount(), 2);
    EXPECT_EQ(Cell(colDescription, 1), "second");
}

TEST_F(UndoTest, TheDeleteCommandAndTheInsertKeyAreStepsToo) {
    ThreeEntries();
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->aclDeleteExecute();
    Grid().CommitEditor();
    EXPECT_EQ(UndoAction()->text(), "&Undo Delete Entry");
    UndoAction()->trigger();
    ASSERT_EQ(Store().RowCount(), 4);
    EXPECT_EQ(Cell(colDescription, 2), "entry 2");
    EXPECT_EQ(Cell(colNo, 3), "3");

    PressOnGrid(Qt::Key_Insert);
    EXPECT_EQ(Store().RowCount(), 5);
    EXPECT_EQ(UndoAction()->text(), "&Undo Insert Entry");
    UndoAction()->trigger();
    EXPECT_EQ(Store().RowCount(), 4);
    EXPECT_EQ(Cell(colDescription, 2), "entry 2");
}

TEST_F(UndoTest, TheCommandsLeadTheEditMenuAndThePopUpAndAreOffWithNothingToDo) {
    for (const char* name : {"mnuEdit", "pmMain"}) {
        const QList<QAction*> items = window->findChild<QMenu*>(name)->actions();
        ASSERT_GE(items.size(), 4);
        EXPECT_EQ(items[0], UndoAction()) << name;
        EXPECT_EQ(items[1], RedoAction()) << name;
        EXPECT_TRUE(items[2]->isSeparator()) << name;
        EXPECT_EQ(items[3], window->Action("aclCut")) << name;
    }
    Grid().CommitEditor();
    EXPECT_FALSE(UndoAction()->isEnabled()) << "the new document's entry is not a step";
    EXPECT_FALSE(RedoAction()->isEnabled());
    EXPECT_EQ(UndoAction()->shortcut(), QKeySequence("Ctrl+Z"));
    EXPECT_EQ(RedoAction()->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
}

TEST_F(UndoTest, UndoClearsModifiedOnlyAtTheSavedState) {
    QTemporaryDir folder;
    Grid().CommitEditor();
    TypeIntoCell("one");
    dialogs.SaveChoices.push_back(TFileDialogResult{QDir(folder.path()).filePath("a.tkm").toStdString(), 1});
    window->aclFileSaveExecute();
    ASSERT_FALSE(window->Modified());
    TypeIntoCell("two");
    EXPECT_TRUE(window->Modified());
    EXPECT_EQ(UndoAction()->text(), "&Undo Edit Task Description");

    PressOnGrid(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(colDescription, 1), "one");
    EXPECT_FALSE(window->Modified());
    PressOnGrid(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Cell(colDescription, 1), "");
    EXPECT_TRUE(window->Modified()) << "before the save is not what the file holds";
    PressOnGrid(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_FALSE(window->Modified());
    PressOnGrid(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(Cell(colDescription, 1), "onetwo");
    EXPECT_TRUE(window->Modified());
}

TEST_F(UndoTest, CtrlZInAnOpenEditorTakesBackOnlyTheEditorsText) {
    ThreeEntries();
    PressOnGrid(Qt::Key_Delete);
    QTest::keyClick(&Grid(), Qt::Key_F2);
    ASSERT_TRUE(Grid().EditorMode());
    QTest::keyClicks(Grid().InplaceEditor(), "xyz");
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_EQ(Grid().InplaceEditor()->text(), "entry 3");
    EXPECT_EQ(Store().RowCount(), 3) << "the delete before stays";
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(Cell(colDescription, 2), "entry 3");
    EXPECT_EQ(UndoAction()->text(), "&Undo Delete Entry") << "an edit that changed nothing is no step";
}

TEST_F(UndoTest, NewForgetsTheHistory) {
    ThreeEntries();
    PressOnGrid(Qt::Key_Delete);
    window->SetModified(false);
    window->aclNewFileExecute();
    Grid().CommitEditor();
    EXPECT_FALSE(UndoAction()->isEnabled());
    EXPECT_EQ(Store().RowCount(), 2);
}

}  // namespace
}  // namespace tkm
