#include "ui/main_window_fixture.h"

#include "support/temp_folder.h"
#include "ui/grid/inplace_edit.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <QToolBar>

#include <filesystem>

namespace tkm {
namespace {

TEST_F(MainWindowTest, StartsWithOneDefaultEntryBeingEdited) {
    EXPECT_EQ(window->windowTitle(), "Untitled - Taskmere");
    // As wide as the fourteen columns need, where the screen allows.
    EXPECT_EQ(window->width(), std::min(QGuiApplication::primaryScreen()->availableGeometry().width(), 1692 + 24));
    EXPECT_GE(window->height(), 425);
    EXPECT_EQ(window->findChild<QLabel*>("lblTodaysDate")->text(), "Tuesday, 8 December 2026");
    ASSERT_EQ(Store().RowCount(), 2);
    const char* expected[] = {"1", "08/12/2026", "Not Started", "", "Normal", "08/12/2026", "09:30:05",
                              "", "0.0", "0.00", "0", "08/12/2026", "09:30:05", ""};
    for (int c = 0; c < TaskColumnCount; ++c) EXPECT_EQ(Cell(c, 1), expected[c]) << "column " << c;
    for (int c = 0; c < TaskColumnCount; ++c) EXPECT_EQ(Cell(c, 0), TaskTable::Headers[std::size_t(c)]);
    ASSERT_NE(Store().CellObject(colProgress, 1), nullptr);
    ASSERT_NE(Store().CellObject(colComment, 1), nullptr);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_EQ(Store().Col(), colDescription);
    EXPECT_EQ(Store().Row(), 1);
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "");
    EXPECT_FALSE(window->Modified());
}

TEST_F(MainWindowTest, TypingMarksTheDocumentModifiedOnCommit) {
    QTest::keyClicks(Grid().InplaceEditor(), "Call Ann");
    EXPECT_EQ(Cell(colDescription, 1), "Call Ann");  // written as typed
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Return);
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "Modified");
    EXPECT_TRUE(window->Modified());
}

TEST_F(MainWindowTest, EscapeRestoresTheTextAndMarksNothing) {
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);
    Describe(1, "Old");
    QTest::keyClick(&Grid(), Qt::Key_F2);
    QTest::keyClicks(Grid().InplaceEditor(), "er");
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);
    EXPECT_EQ(Cell(colDescription, 1), "Old");
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_FALSE(window->Modified());
}

TEST_F(MainWindowTest, AddNewEntryOnThreeEntriesGivesTheFourth) {
    AddEntries(2);
    clock.Set({2026, 12, 9}, {14, 0, 0});
    window->aclAddNewEntryExecute();
    QCoreApplication::processEvents();
    ASSERT_EQ(Store().RowCount(), 5);
    EXPECT_EQ(Cell(colNo, 4), "4");
    EXPECT_EQ(Cell(colEntryDate, 4), "09/12/2026");
    EXPECT_EQ(Cell(colStatus, 4), "Not Started");
    EXPECT_EQ(Cell(colPriority, 4), "Normal");
    EXPECT_EQ(Cell(colTotalHours, 4), "0.0");
    EXPECT_EQ(Cell(colCost, 4), "0.00");
    EXPECT_EQ(Store().GetCellInteger(colProgress, 4), 0);
    EXPECT_EQ(Cell(colDueTime, 4), "14:00:00");
    EXPECT_EQ(Store().Row(), 4);
    EXPECT_EQ(Store().Col(), colDescription);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_TRUE(window->Modified());
}

TEST_F(MainWindowTest, DeleteWithoutDescriptionAsksNothing) {
    AddEntries(2);
    Describe(1, "first");
    Describe(3, "third");
    Store().SetCurrentCell(colDescription, 2);
    window->aclDeleteExecute();
    EXPECT_TRUE(dialogs.Questions.empty());
    ASSERT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(Cell(colDescription, 1), "first");
    EXPECT_EQ(Cell(colDescription, 2), "third");
    EXPECT_EQ(Cell(colNo, 2), "2");
}

TEST_F(MainWindowTest, DeleteAnsweredYesRemovesTheEntryAndRenumbers) {
    AddEntries(2);
    Describe(1, "first");
    Describe(2, "second");
    Describe(3, "third");
    Store().SetCurrentCell(colDescription, 2);
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->aclDeleteExecute();
    QCoreApplication::processEvents();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Are you sure you want to delete the current row?");
    EXPECT_EQ(dialogs.Questions[0].Buttons, TConfirmButtons::YesNo);
    ASSERT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(Cell(colDescription, 1), "first");
    EXPECT_EQ(Cell(colDescription, 2), "third");
    EXPECT_EQ(Cell(colNo, 1), "1");
    EXPECT_EQ(Cell(colNo, 2), "2");
    EXPECT_EQ(Store().Row(), 2);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_TRUE(window->Modified());
}

TEST_F(MainWindowTest, DeleteAnsweredNoChangesNothing) {
    Describe(1, "keep me");
    window->SetModified(false);
    dialogs.Answers.push_back(TConfirmAnswer::No);
    window->aclDeleteExecute();
    EXPECT_EQ(Store().RowCount(), 2);
    EXPECT_EQ(Cell(colDescription, 1), "keep me");
    EXPECT_FALSE(window->Modified());
}

TEST_F(MainWindowTest, RightClickedEntryIsTheOneThePopUpDeletes) {
    AddEntries(2);
    Describe(1, "first");
    Describe(2, "second");
    Describe(3, "third");
    window->SetModified(false);
    QTest::keyClicks(Grid().InplaceEditor(), "x");  // still open on the third entry
    const QPoint second = Grid().CellRect(Store().RealToDisplay(colResources), 2).center();
    QTest::mousePress(Grid().viewport(), Qt::RightButton, {}, second);
    QContextMenuEvent menuEvent(QContextMenuEvent::Mouse, second, Grid().viewport()->mapToGlobal(second));
    QCoreApplication::sendEvent(Grid().viewport(), &menuEvent);
    QTest::mouseRelease(Grid().viewport(), Qt::RightButton, {}, second);
    EXPECT_EQ(Cell(colDescription, 3), "thirdx") << "the open edit is kept";
    EXPECT_TRUE(window->Modified());
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Store().Row(), 2);

    auto* popup = window->findChild<QMenu*>("pmMain");
    ASSERT_TRUE(popup->isVisible());
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->findChild<QAction*>("aclDelete")->trigger();
    popup->hide();
    ASSERT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(Cell(colDescription, 1), "first");
    EXPECT_EQ(Cell(colDescription, 2), "thirdx");
}

TEST_F(MainWindowTest, DeletingTheOnlyEntryLeavesANewOne) {
    Describe(1, "only");
    Store().SetCellText(colResources, 1, "Bob");
    Store().SetCellText(colStatus, 1, "Completed");
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->aclDeleteExecute();
    ASSERT_EQ(Store().RowCount(), 2);
    EXPECT_EQ(Cell(colDescription, 1), "");
    EXPECT_EQ(Cell(colStatus, 1), "Not Started");
    EXPECT_EQ(Cell(colNo, 1), "1");
    EXPECT_EQ(Cell(colResources, 1), "Bob");  // a reset entry keeps its resources
    EXPECT_NE(Store().CellObject(colProgress, 1), nullptr);
}

TEST_F(MainWindowTest, DeleteThenAddLeavesNoOldText) {
    AddEntries(1);
    Store().SetCellText(colResources, 2, "Ann");
    Store().SetCellText(colComment, 2, "note");
    Store().SetCurrentCell(colDescription, 2);
    window->aclDeleteExecute();
    window->aclAddNewEntryExecute();
    EXPECT_EQ(Cell(colResources, 2), "");
    EXPECT_EQ(Cell(colComment, 2), "");
}

TEST_F(MainWindowTest, ShiftInsertReachesAddNewEntryWhileEditing) {
    ASSERT_TRUE(Grid().EditorMode());
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Store().RowCount(), 3);
}

TEST_F(MainWindowTest, MenusAndToolBarFollowTheCommandTable) {
    QStringList menus;
    for (QAction* a : window->menuBar()->actions()) menus << a->text();
    EXPECT_EQ(menus, QStringList({"&File", "&Edit", "&View", "&Help"}));
    auto captions = [](QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) out << (a->isSeparator() ? "-" : a->text());
        return out;
    };
    const auto menuBarActions = window->menuBar()->actions();
    EXPECT_EQ(captions(menuBarActions[0]->menu()),
              QStringList({"&New File", "&Open...", "Open Re&mote List...", "&Reopen", "-", "&Save", "Save &As...", "-", "&Print...",
                           "Print Setup", "-", "Exit"}));
    EXPECT_EQ(captions(menuBarActions[1]->menu()),
              QStringList({"&Undo", "&Redo", "-", "Cu&t", "&Copy", "&Paste", "-", "&Add New Entry", "&Delete",
                           "Add &Multiple Entries...", "-", "Find", "&Refresh", "&Sort By...", "&View Calendar", "Due &reminders", "-", "Re&number Entries", "-",
                           "St&atistics..."}));
    EXPECT_EQ(captions(menuBarActions[2]->menu()), QStringList({"&Filter"}));
    EXPECT_EQ(captions(menuBarActions[3]->menu()), QStringList({"&Contents", "-", "&About Taskmere"}));
    QStringList tools;
    for (QAction* a : window->findChild<QToolBar*>("tlbMain")->actions())
        tools << (a->isSeparator() ? "-" : a->toolTip());
    EXPECT_EQ(tools, QStringList({"New File (Ctrl+N)", "Open (Ctrl+O)", "Save (Ctrl+S)", "-", "Print", "Find", "-",
                                  "Cut", "Copy", "Paste", "-", "Add New Entry", "Delete", "Add Multiple Entries",
                                  "-", "View Calendar"}));
    EXPECT_EQ(window->Action("aclDelete")->shortcut(), QKeySequence("Shift+Del"));
    EXPECT_EQ(window->Action("aclRenumber")->shortcut(), QKeySequence("F4"));
}

TEST_F(MainWindowTest, HintsGoToTheThirdPanel) {
    QStatusTipEvent tip(window->Action("aclAddNewEntry")->statusTip());
    QCoreApplication::sendEvent(window.get(), &tip);
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Hint), "Adds a new entry to the list");
}

TEST_F(MainWindowTest, HelpContentsOpensTheGuideOrSaysWhereItLooked) {
    const test::TTempFolder root;
    window.reset();
    window = std::make_unique<TfrmMain>(TAppServices{dialogs, shell, clock, formats, "", (root.Path() / "bin").string()},
                                        QStringList{});
    window->mnuContents1Click();
    EXPECT_TRUE(shell.Opened.empty());
    const std::string guide = (root.Path() / "share/doc/taskmere/user-guide.html").string();
    ASSERT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_NE(dialogs.Errors[0].find("Taskmere.Hlp"), std::string::npos) << dialogs.Errors[0];
    EXPECT_NE(dialogs.Errors[0].find(guide), std::string::npos) << dialogs.Errors[0];
    std::filesystem::create_directories(root.Path() / "share/doc/taskmere");
    test::WriteBytes(guide, "<html></html>");
    window->mnuContents1Click();
    ASSERT_EQ(shell.Opened.size(), 1u);
    EXPECT_EQ(shell.Opened[0], guide);
}

}  // namespace
}  // namespace tkm

namespace tkm {
namespace {

TEST_F(MainWindowTest, EditStartWritesTheDueLineAndColoursFollowTheRules) {
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);
    Store().SetCellText(colDueDate, 1, "07/12/2026");  // yesterday with the pinned clock
    Store().SetCurrentCell(colResources, 1);
    QTest::keyClick(&Grid(), Qt::Key_F2);
    EXPECT_TRUE(window->StatusPanelText(TStatusPanel::Hint).startsWith("Days from Due: Overdue by"))
        << window->StatusPanelText(TStatusPanel::Hint).toStdString();
    const TCellStyle overdue = Grid().CellStyle(colDescription, 1);
    Store().SetCellText(colDueDate, 1, "not a date");
    const TCellStyle undated = Grid().CellStyle(colDescription, 1);
    EXPECT_NE(overdue, undated);
    EXPECT_EQ(Grid().CellStyle(colDescription, 0).Brush, clBtnFace);  // the header is never coloured
}

}  // namespace
}  // namespace tkm
