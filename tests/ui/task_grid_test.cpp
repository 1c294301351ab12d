#include "platform/fake/fake_dialogs.h"
#include "tasks/task_table.h"
#include "ui/grid/inplace_edit.h"
#include "ui/grid/task_grid.h"

#include <QCoreApplication>
#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

namespace tkm {
namespace {

class TaskGridTest : public ::testing::Test {
protected:
    RecordingShell shell;
    TTaskGrid grid{shell};
    std::vector<TGridRect> changes;
    const TCellsChangedHook hook{grid.Store(), [this](const TGridRect& r) { changes.push_back(r); }};

    void SetUp() override {
        TaskTable::SetUpGrid(grid.Store());
        grid.Store().SetRowCount(5);
        grid.resize(1700, 300);  // every column on screen
        grid.show();
        QCoreApplication::processEvents();
    }
    TBaseGrid& Store() { return grid.Store(); }
    QPoint CenterOf(int col, int row) { return grid.CellRect(col, row).center(); }
    QRgb PixelAt(int x, int y) { return grid.viewport()->grab().toImage().pixel(x, y); }
};

TEST_F(TaskGridTest, CommitReportsOnlyARealChangeOnce) {
    Store().SetCellText(colDescription, 2, "same");
    Store().SetCurrentCell(colDescription, 2);
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Return);
    EXPECT_TRUE(changes.empty());
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClicks(grid.InplaceEditor(), "r");
    QTest::keyClick(grid.InplaceEditor(), Qt::Key_Tab);  // moving on commits the cell left
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes[0], (TGridRect{colDescription, 2, colDescription, 2}));
    EXPECT_EQ(Store().GetCellText(colDescription, 2), "samer");
    EXPECT_EQ(Store().Col(), colPriority);
}

TEST_F(TaskGridTest, AnAdoptedStoreKeepsTheViewAndTheOwnersHook) {
    TBaseGrid loaded;
    TaskTable::SetUpGrid(loaded);
    loaded.SetRowCount(4);
    loaded.SetCellText(colDescription, 2, "loaded");
    grid.AdoptStore(std::move(loaded));
    Store().SetCurrentCell(colDescription, 2);
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClicks(grid.InplaceEditor(), "x");
    Store().RemoveRows(1, 1);  // the view still hears: its editor commits first
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(Store().GetCellText(colDescription, 1), "loadedx");
    ASSERT_EQ(changes.size(), 2u);  // the edit, then the removal
    EXPECT_EQ(changes[0], (TGridRect{colDescription, 2, colDescription, 2}));
}

TEST_F(TaskGridTest, TypingOnTheGridStartsAnEditWithThatCharacter) {
    Store().SetCellText(colResources, 1, "old");
    Store().SetCurrentCell(colResources, 1);
    QTest::keyClicks(&grid, "N");
    EXPECT_TRUE(grid.EditorMode());
    EXPECT_EQ(Store().GetCellText(colResources, 1), "N");
}

TEST_F(TaskGridTest, TabWrapsAroundTheTable) {
    Store().SetCurrentCell(colComment, 4);
    QTest::keyClick(&grid, Qt::Key_Tab);
    EXPECT_EQ(Store().Col(), 0);
    EXPECT_EQ(Store().Row(), 1);
    QTest::keyClick(&grid, Qt::Key_Backtab);
    EXPECT_EQ(Store().Col(), colComment);
    EXPECT_EQ(Store().Row(), 4);
}

TEST_F(TaskGridTest, PageDownAndUpMoveExactlyThePageOfRowsOnScreen) {
    Store().SetRowCount(60);
    int shown = 0;  // entries whose cell and grid line are both on screen
    while (grid.CellRect(0, 1 + shown).bottom() + 1 < grid.viewport()->height()) ++shown;
    ASSERT_GT(shown, 2);
    Store().SetCurrentCell(colStatus, 1);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(Store().Row(), 1 + shown);
    QTest::keyClick(&grid, Qt::Key_PageDown);
    EXPECT_EQ(Store().Row(), 1 + 2 * shown);
    QTest::keyClick(&grid, Qt::Key_PageUp);
    EXPECT_EQ(Store().Row(), 1 + shown);
    EXPECT_EQ(Store().Col(), colStatus);
}

TEST_F(TaskGridTest, RemovingRowsCommitsTheOpenEditorFirst) {
    Store().SetCurrentCell(colDescription, 3);
    QTest::keyClick(&grid, Qt::Key_F2);
    QTest::keyClicks(grid.InplaceEditor(), "x");
    Store().RemoveRows(1, 1);
    EXPECT_FALSE(grid.EditorMode());
    EXPECT_EQ(Store().GetCellText(colDescription, 2), "x");  // moved up with its row
}

TEST_F(TaskGridTest, LinkCellsOpenThroughTheShellOrJump) {
    Store().SetCellText(colResources, 1, "https://example.org/x");
    Store().SetCellText(colComment, 2, "cell://R4C2");
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CenterOf(colResources, 1));
    ASSERT_EQ(shell.Opened.size(), 1u);
    EXPECT_EQ(shell.Opened[0], "https://example.org/x");
    EXPECT_FALSE(grid.EditorMode());
    grid.Store().SetCurrentCell(colComment, 1);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CenterOf(grid.Store().RealToDisplay(colComment), 2));
    EXPECT_EQ(Store().Col(), 2);
    EXPECT_EQ(Store().Row(), 4);
    EXPECT_EQ(shell.Opened.size(), 1u);
}

// The longest run of one colour along a pixel row of the cell: an underline.
int LongestRun(const QImage& shot, const QRect& cell, const QColor& color) {
    int longest = 0;
    for (int y = cell.top(); y <= cell.bottom(); ++y) {
        int run = 0;
        for (int x = cell.left(); x <= cell.right(); ++x) {
            run = shot.pixelColor(x, y) == color ? run + 1 : 0;
            longest = std::max(longest, run);
        }
    }
    return longest;
}

TEST_F(TaskGridTest, SelectedLinkIsUnderlinedInTheHighlightTextColour) {
    Store().SetCellText(colResources, 1, "https://example.org/x");
    Store().SetCellText(colResources, 2, "https://example.org/x");
    Store().SetCurrentCell(colResources, 2);
    QCoreApplication::processEvents();
    const QImage shot = grid.viewport()->grab().toImage();
    const QColor blue(0, 0, 255);
    EXPECT_GE(LongestRun(shot, grid.CellRect(colResources, 1), blue), 40);
    const QRect selected = grid.CellRect(colResources, 2);
    EXPECT_GE(LongestRun(shot, selected, grid.palette().color(QPalette::HighlightedText)), 40);
    EXPECT_EQ(LongestRun(shot, selected, blue), 0);
}

// Where the text of a cell lies: the box around its pixels that differ from the background.
QRect InkBox(const QImage& shot, const QRect& cell) {
    const QColor background = shot.pixelColor(cell.bottomRight() - QPoint(1, 1));
    QRect ink;
    for (int y = cell.top(); y <= cell.bottom(); ++y)
        for (int x = cell.left(); x <= cell.right(); ++x)
            if (shot.pixelColor(x, y) != background) ink |= QRect(x, y, 1, 1);
    return ink;
}

TEST_F(TaskGridTest, EditorTextSitsWhereTheCellTextIsDrawn) {
    Store().SetCellText(colResources, 2, "Wg Ann");
    const QRect cell = grid.CellRect(colResources, 2);
    const QRect drawn = InkBox(grid.viewport()->grab().toImage(), cell);
    Store().SetCurrentCell(colResources, 2);
    grid.ShowInplaceEditor();
    grid.InplaceEditor()->setReadOnly(true);  // no caret in the picture
    QCoreApplication::processEvents();
    ASSERT_FALSE(drawn.isEmpty());
    EXPECT_EQ(InkBox(grid.viewport()->grab().toImage(), cell), drawn);
}

TEST_F(TaskGridTest, MarkupIsDrawnStyledInTheCellsColoursAndTheTextKept) {
    const std::string markup = "<U><FONT COLOR=\"#FF0000\">red</FONT> plain &amp; more</U>";
    Store().SetCellText(colResources, 1, markup);
    Store().SetCellText(colResources, 2, "=" + markup);  // drawn as it stands
    QCoreApplication::processEvents();
    const QImage shot = grid.viewport()->grab().toImage();
    const QRect cell = grid.CellRect(colResources, 1);
    EXPECT_GE(LongestRun(shot, cell, QColor(255, 0, 0)), 10) << "the red part underlined in red";
    EXPECT_GE(LongestRun(shot, cell, grid.palette().color(QPalette::Text)), 40) << "the rest in the cell's colour";
    EXPECT_LT(InkBox(shot, cell).width() * 2, InkBox(shot, grid.CellRect(colResources, 2)).width())
        << "the tags are not drawn";
    EXPECT_EQ(Store().GetCellText(colResources, 1), markup);
}

TEST_F(TaskGridTest, ProgressBarIsDrawnWithItsColours) {
    Store().AddProgressBar(colProgress, 2, TaskTable::ProgressBarColor, clWindow, clWindow, clWindowText);
    Store().SetCellText(colProgress, 2, "100");
    Store().AddProgressBar(colProgress, 3, TaskTable::ProgressBarColor, clWindow, clWindow, clWindowText);
    Store().SetCellText(colProgress, 3, "0");
    Store().SetCurrentCell(0, 1);
    QCoreApplication::processEvents();
    const QRect full = grid.CellRect(colProgress, 2);
    const QRect empty = grid.CellRect(colProgress, 3);
    const QColor bar(0x33, 0x66, 0x99);
    EXPECT_EQ(QColor(PixelAt(full.left() + 3, full.top() + 3)), bar);
    EXPECT_EQ(QColor(PixelAt(full.right() - 2, full.bottom() - 2)), bar);
    EXPECT_EQ(QColor(PixelAt(full.left() + 1, full.top() + 5)), QColor(Qt::black));  // inner frame
    EXPECT_EQ(QColor(PixelAt(empty.left() + 3, empty.top() + 3)), grid.palette().color(QPalette::Base));
}

TEST_F(TaskGridTest, ColoursFollowThePaletteWhenItChanges) {
    const QColor window(0x20, 0x40, 0x60);
    QPalette palette = grid.palette();
    palette.setColor(QPalette::Base, window);
    grid.setPalette(palette);
    QCoreApplication::processEvents();
    const QRect cell = grid.CellRect(colResources, 2);
    EXPECT_EQ(QColor(PixelAt(cell.left() + 3, cell.bottom() - 1)), window);
}

TEST_F(TaskGridTest, CommentMarkerSitsInTheTopRightCorner) {
    Store().AddComment(colComment, 2, "");
    QCoreApplication::processEvents();
    const QRect cell = grid.CellRect(grid.Store().RealToDisplay(colComment), 2);
    ASSERT_FALSE(cell.isEmpty());
    EXPECT_EQ(QColor(PixelAt(cell.right() - 1, cell.top() + 2)), QColor(Qt::red));
    EXPECT_NE(QColor(PixelAt(cell.right() - 6, cell.top() + 5)), QColor(Qt::red));
}

}  // namespace
}  // namespace tkm
