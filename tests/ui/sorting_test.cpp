#include "main_window_fixture.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QTest>

#include "ui/grid/inplace_edit.h"

namespace tkm {
namespace {

class SortingTest : public MainWindowTest {
protected:
    // Three entries described "b", "c", "a" with the statuses given.
    void ThreeEntries(const std::string& s1, const std::string& s2, const std::string& s3) {
        AddEntries(2);
        Grid().CommitEditor();
        const std::string statuses[] = {s1, s2, s3};
        const std::string descriptions[] = {"b", "c", "a"};
        for (int r = 1; r <= 3; ++r) {
            Describe(r, descriptions[r - 1]);
            Store().SetCellText(colStatus, r, statuses[r - 1]);
        }
        window->SetModified(false);
    }

    QAction* SortItem(int col) {
        for (QAction* a : window->findChild<QMenu*>("mnuSortBy")->actions())
            if (a->data().toInt() == col) return a;
        return nullptr;
    }

    void ClickHeader(int realCol) {
        const QRect cell = Grid().CellRect(Store().RealToDisplay(realCol), 0);
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, cell.center());
    }

    std::vector<std::string> Column(int col) {
        std::vector<std::string> out;
        for (int r = 1; r < Store().RowCount(); ++r) out.push_back(Cell(col, r));
        return out;
    }

    // The triangle's grey edge is several grey pixels; text shading gives a stray one.
    bool ShowsIndicator(int realCol) {
        const QImage shot = Grid().viewport()->grab().toImage();
        const QRect cell = Grid().CellRect(Store().RealToDisplay(realCol), 0);
        int count = 0;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x)
                if (shot.pixelColor(x, y) == QColor(128, 128, 128)) ++count;
        return count >= 5;
    }
};

using Texts = std::vector<std::string>;

TEST_F(SortingTest, SortByStatusRenumbersAndMarksTheItemAndTheDocument) {
    ThreeEntries("Started", "Not Started", "Deferred");
    QAction* status = SortItem(colStatus);
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->text(), "&2 Status");
    status->trigger();
    // The status list's own first, then the other texts by letters.
    EXPECT_EQ(Column(colStatus), (Texts{"Not Started", "Deferred", "Started"}));
    EXPECT_EQ(Column(colDescription), (Texts{"c", "a", "b"}));
    EXPECT_EQ(Column(colNo), (Texts{"1", "2", "3"})) << "numbers follow the new order";
    EXPECT_TRUE(window->Modified());

    QMenu* menu = window->findChild<QMenu*>("mnuSortBy");
    EXPECT_EQ(menu->defaultAction(), status);
    EXPECT_TRUE(status->font().bold());
    SortItem(colDescription)->trigger();
    EXPECT_EQ(menu->defaultAction(), SortItem(colDescription));
    EXPECT_FALSE(status->font().bold()) << "the item chosen before loses the mark";
    EXPECT_EQ(Column(colDescription), (Texts{"a", "b", "c"}));
}

TEST_F(SortingTest, UndoPutsBackTheOrderAndTheIndicatorOfEitherKindOfSort) {
    ThreeEntries("Started", "Not Started", "Deferred");
    ClickHeader(colDescription);
    ClickHeader(colDescription);
    SortItem(colStatus)->trigger();
    QAction* undo = window->Action("aclUndo");
    QAction* redo = window->Action("aclRedo");
    EXPECT_EQ(undo->text(), "&Undo Sort by Status");
    EXPECT_EQ(Column(colNo), (Texts{"1", "2", "3"}));

    undo->trigger();
    EXPECT_EQ(Column(colDescription), (Texts{"c", "b", "a"}));
    EXPECT_EQ(Column(colNo), (Texts{"2", "1", "3"})) << "the renumbering is part of the step";
    EXPECT_EQ(Grid().SortSettings().Column, colDescription);
    EXPECT_EQ(Grid().SortSettings().Direction, TSortDirection::sdDescending);
    EXPECT_EQ(redo->text(), "&Redo Sort by Status");
    undo->trigger();
    EXPECT_EQ(Column(colDescription), (Texts{"a", "b", "c"}));
    EXPECT_EQ(Grid().SortSettings().Direction, TSortDirection::sdAscending);
    undo->trigger();
    EXPECT_EQ(Column(colDescription), (Texts{"b", "c", "a"}));
    EXPECT_FALSE(window->Modified()) << "back where the document was unmodified";
    EXPECT_EQ(redo->text(), "&Redo Sort by Task Description");
    EXPECT_FALSE(Grid().EditorMode());

    redo->trigger();
    EXPECT_EQ(Column(colDescription), (Texts{"a", "b", "c"}));
    EXPECT_EQ(redo->text(), "&Redo Sort by Task Description");
    redo->trigger();
    redo->trigger();
    // The menu sort kept the descending direction the second click left.
    EXPECT_EQ(Column(colStatus), (Texts{"Started", "Deferred", "Not Started"}));
    EXPECT_EQ(Grid().SortSettings().Column, colStatus);
    EXPECT_TRUE(window->Modified());
    EXPECT_FALSE(redo->isEnabled());
}

TEST_F(SortingTest, HeaderClicksFlipTheDirectionAndDoNotRenumber) {
    ThreeEntries("Started", "Not Started", "Deferred");
    ClickHeader(colDescription);
    EXPECT_EQ(Column(colDescription), (Texts{"a", "b", "c"}));
    EXPECT_EQ(Column(colNo), (Texts{"3", "1", "2"}));
    EXPECT_TRUE(window->Modified());
    ClickHeader(colDescription);
    EXPECT_EQ(Column(colDescription), (Texts{"c", "b", "a"}));
    EXPECT_EQ(Grid().SortSettings().Direction, TSortDirection::sdDescending);

    ClickHeader(colStatus);
    EXPECT_EQ(Grid().SortSettings().Direction, TSortDirection::sdAscending);
    EXPECT_EQ(Column(colStatus), (Texts{"Not Started", "Deferred", "Started"}));

    // A menu sort keeps the direction a header click left.
    ClickHeader(colStatus);
    SortItem(colDescription)->trigger();
    EXPECT_EQ(Column(colDescription), (Texts{"c", "b", "a"}));
}

TEST_F(SortingTest, AHeaderClickSortsOnlyFourPixelsOrMoreInsideTheColumnsEdges) {
    ThreeEntries("Started", "Not Started", "Deferred");
    const QRect cell = Grid().CellRect(Store().RealToDisplay(colDescription), 0);
    const auto clickAt = [&](int x) {
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, QPoint(x, cell.center().y()));
    };
    clickAt(cell.left() + 3);
    clickAt(cell.right() - 3);
    EXPECT_EQ(Column(colDescription), (Texts{"b", "c", "a"})) << "too near a border: no sort";
    clickAt(cell.left() + 4);
    EXPECT_EQ(Column(colDescription), (Texts{"a", "b", "c"}));
    clickAt(cell.right() - 4);
    EXPECT_EQ(Column(colDescription), (Texts{"c", "b", "a"}));
}

TEST_F(SortingTest, IndicatorShowsOnTheSortColumnOnlyWithTwoEntriesOrMore) {
    EXPECT_FALSE(ShowsIndicator(colNo)) << "one entry shows no indicator";
    ClickHeader(colDescription);
    EXPECT_FALSE(window->Modified()) << "one entry ignores header clicks";

    ThreeEntries("Started", "Not Started", "Deferred");
    EXPECT_TRUE(ShowsIndicator(colNo)) << "before any sort the number column shows it";
    ClickHeader(colStatus);
    EXPECT_TRUE(ShowsIndicator(colStatus));
    EXPECT_FALSE(ShowsIndicator(colNo));
}

TEST_F(SortingTest, ClickNearAColumnBorderDoesNotSort) {
    ThreeEntries("Started", "Not Started", "Deferred");
    const QRect cell = Grid().CellRect(Store().RealToDisplay(colDescription), 0);
    QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, QPoint(cell.left() + 1, cell.center().y()));
    EXPECT_EQ(Column(colDescription), (Texts{"b", "c", "a"}));
    EXPECT_FALSE(window->Modified());
}

TEST_F(SortingTest, SortCommitsAnOpenEditorFirst) {
    ThreeEntries("Started", "Not Started", "Deferred");
    Store().SetCurrentCell(Store().RealToDisplay(colDescription), 1);
    Grid().ShowInplaceEditor();
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_End);
    QTest::keyClicks(Grid().InplaceEditor(), "z");
    SortItem(colDescription)->trigger();
    EXPECT_EQ(Column(colDescription), (Texts{"a", "bz", "c"})) << "the typed text sorted with its row";
}

}  // namespace
}  // namespace tkm
