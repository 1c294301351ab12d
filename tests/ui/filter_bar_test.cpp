#include "main_window_fixture.h"

#include "ui/app/filter_bar.h"
#include "ui/grid/grid_find_dialog.h"
#include "ui/grid/grid_find_form.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace tkm {
namespace {

class FilterBarTest : public MainWindowTest {
protected:
    // Five entries; the second and the fourth hold "invoice", the fourth is completed.
    void FiveEntries() {
        AddEntries(4);
        Grid().CommitEditor();
        const char* descriptions[] = {"call Ann", "send Invoice", "buy toner", "pay invoice", "plan"};
        for (int r = 1; r <= 5; ++r) Describe(r, descriptions[r - 1]);
        Store().SetCellText(colStatus, 4, "Completed");
        Store().SetCurrentCell(colDescription, 1);
        window->SetModified(false);
    }

    TFilterBar& Bar() { return *window->FilterBar(); }
    void Type(const QString& text) {
        QTest::keyClicks(Bar().WordsBox(), text);
        QCoreApplication::processEvents();
    }
};

TEST_F(FilterBarTest, TypingHidesTheEntriesWithoutTheWordsAndEscapeShowsThemAgain) {
    FiveEntries();
    window->Action("aclFilter")->trigger();
    ASSERT_TRUE(Bar().isVisible());
    EXPECT_TRUE(Bar().WordsBox()->hasFocus());
    Type("invoice");
    EXPECT_EQ(Store().ShownDataRows(), (std::vector<std::uint32_t>{2, 4}));
    EXPECT_EQ(Store().Row(), 2);  // the current entry was hidden: the next shown one
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Hint), "2 of 5 entries shown");
    Bar().ShowBox()->setCurrentIndex(int(TShowChoice::Open));
    EXPECT_EQ(Store().ShownDataRows(), (std::vector<std::uint32_t>{2}));
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Hint), "1 of 5 entries shown");
    EXPECT_FALSE(window->Modified());  // a view changes nothing in the document

    QTest::keyClick(Bar().WordsBox(), Qt::Key_Escape);
    EXPECT_FALSE(Bar().isVisible());
    EXPECT_FALSE(Store().RowsFiltered());
    EXPECT_TRUE(Grid().hasFocus() || !window->isActiveWindow());
}

// The keys move over the shown entries; Add New Entry shows the new one, and
// Delete and Undo work on the whole list.
// Find's "Case sensitive" decides for the bar as well, at once when it is switched.
TEST_F(FilterBarTest, CaseMattersAsFindSays) {
    FiveEntries();
    window->Action("aclFilter")->trigger();
    Type("Invoice");
    EXPECT_EQ(Store().ShownDataRows(), (std::vector<std::uint32_t>{2, 4}));
    auto* matchCase = window->fdlgMain()->Form().findChild<QCheckBox*>("Docase");
    ASSERT_NE(matchCase, nullptr);
    matchCase->setChecked(true);
    EXPECT_EQ(Store().ShownDataRows(), (std::vector<std::uint32_t>{2}));
    Type(" Send");
    EXPECT_EQ(Store().ShownDataRows(), std::vector<std::uint32_t>{});  // "send Invoice" has no capital S
    Bar().WordsBox()->setText("Invoice");
    matchCase->setChecked(false);
    EXPECT_EQ(Store().ShownDataRows(), (std::vector<std::uint32_t>{2, 4}));
}

TEST_F(FilterBarTest, TheTableWorksOnTheShownEntriesAndTheCommandsOnTheWholeList) {
    FiveEntries();
    window->Action("aclFilter")->trigger();
    Type("invoice");
    Grid().setFocus();
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(Store().Row(), 4);
    QTest::keyClick(&Grid(), Qt::Key_Down);
    EXPECT_EQ(Store().Row(), 4);
    QTest::keyClick(&Grid(), Qt::Key_Home);
    EXPECT_EQ(Store().Row(), 2);

    window->aclAddNewEntryExecute();
    QCoreApplication::processEvents();
    Grid().CommitEditor();
    EXPECT_EQ(Store().ShownDataRows(), (std::vector<std::uint32_t>{2, 4, 6}));

    Store().SetCurrentCell(colDescription, 2);
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->aclDeleteExecute();
    QCoreApplication::processEvents();
    ASSERT_EQ(Store().RowCount(), 6);
    EXPECT_EQ(Cell(colDescription, 2), "buy toner");
    EXPECT_EQ(Cell(colNo, 5), "5");  // renumbered over the whole list
    window->Action("aclUndo")->trigger();
    QCoreApplication::processEvents();
    ASSERT_EQ(Store().RowCount(), 7);
    EXPECT_EQ(Cell(colDescription, 2), "send Invoice");
    EXPECT_TRUE(Store().IsRowShown(2));
    EXPECT_FALSE(Store().IsRowShown(3));
}

}  // namespace
}  // namespace tkm
