#include "platform/fake/fake_dialogs.h"
#include "tasks/task_table.h"
#include "ui/grid/grid_find_dialog.h"
#include "ui/grid/grid_find_form.h"
#include "ui/grid/task_grid.h"
#include "ui/main_window_fixture.h"
#include "ui/screen_font.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tkm {
namespace {

using O = TFindOption;

class GridFindFormTest : public ::testing::Test {
protected:
    ScriptedDialogs dialogs;
    RecordingShell shell;
    TTaskGrid grid{shell};
    TGridFindForm form{dialogs};

    void SetUp() override {
        TaskTable::SetUpGrid(grid.Store());
        grid.Store().SetRowCount(3);
        Describe(1, "Call Ann", "report");
        Describe(2, "Write report", "");
        grid.resize(800, 300);
        grid.show();
        form.SetGrid(&grid);
        form.show();
        QCoreApplication::processEvents();
    }
    void Describe(int row, const char* description, const char* comment) {
        grid.Store().SetCellText(colDescription, row, description);
        grid.Store().SetCellText(colComment, row, comment);
    }
    QCheckBox* Box(const char* name) { return form.findChild<QCheckBox*>(name); }
    void Click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2)); }
    void Search(const QString& text) {
        form.TextToFind()->setEditText(text);
        Click(form.OkBtn());
    }
    TGridCoord Current() { return {grid.Store().Col(), grid.Store().Row()}; }
};

TEST_F(GridFindFormTest, StartsWithTheCaptionsAndDefaults) {
    EXPECT_EQ(form.windowTitle(), "Find text");
    EXPECT_EQ(form.size(), QSize(354, 225));
    EXPECT_EQ(form.font(), ScreenFont(8));
    EXPECT_TRUE(form.windowFlags() & Qt::WindowStaysOnTopHint);
    const std::pair<const char*, const char*> boxes[] = {
        {"Docase", "&Case sensitive"},         {"Whole", "&Whole words only"},
        {"MatchFirst", "&Match from first char"}, {"IgnoreHTML", "&Ignore HTML tags"},
        {"Fixed", "&Find in fixed cells"},      {"cbForwardTB", "Forward (top to bottom)"},
        {"cbForwardLR", "Forward (left to right)"}, {"cbBackwardBT", "Backward (bottom to top)"},
        {"cbBackwardRL", "Backward (right to left)"}};
    for (const auto& [name, caption] : boxes) {
        ASSERT_NE(Box(name), nullptr) << name;
        EXPECT_EQ(Box(name)->text(), caption);
        EXPECT_EQ(Box(name)->isChecked(), std::string_view(name) == "cbForwardTB") << name;
    }
    EXPECT_TRUE(form.findChild<QRadioButton*>("Scope0")->isChecked());
    EXPECT_EQ(form.findChild<QRadioButton*>("Scope2")->text(), "Current column only");
    EXPECT_EQ(form.Options(), TFindOptions(O::SelectHit));
    EXPECT_EQ(form.LastHit(), TGridCoord{});
}

TEST_F(GridFindFormTest, DirectionBoxesAreOneChoiceThatClickingCannotClear) {
    Click(Box("cbBackwardRL"));
    EXPECT_TRUE(Box("cbBackwardRL")->isChecked());
    EXPECT_FALSE(Box("cbForwardTB")->isChecked());
    EXPECT_EQ(form.Options(), O::SelectHit | O::AlongRows | O::Backward);
    Click(Box("cbBackwardRL"));
    EXPECT_TRUE(Box("cbBackwardRL")->isChecked());
    Click(Box("cbBackwardBT"));
    EXPECT_FALSE(Box("cbBackwardRL")->isChecked());
    EXPECT_EQ(form.Options(), O::SelectHit | O::Backward);
}

TEST_F(GridFindFormTest, ScopeEnablesOnlyTheDirectionsItAllows) {
    Click(form.findChild<QRadioButton*>("Scope1"));  // current row only
    EXPECT_FALSE(Box("cbForwardTB")->isEnabled());
    EXPECT_FALSE(Box("cbBackwardBT")->isEnabled());
    EXPECT_TRUE(Box("cbForwardLR")->isEnabled());
    EXPECT_TRUE(Box("cbForwardLR")->isChecked());
    EXPECT_EQ(form.Options(), O::SelectHit | O::AlongRows | O::CurrentRowOnly);
    Click(Box("cbBackwardRL"));
    Click(form.findChild<QRadioButton*>("Scope2"));  // current column only
    EXPECT_FALSE(Box("cbBackwardRL")->isEnabled());
    EXPECT_TRUE(Box("cbForwardTB")->isChecked());
    EXPECT_EQ(form.Options(), O::SelectHit | O::CurrentColumnOnly);
    Click(Box("cbBackwardBT"));
    Click(form.findChild<QRadioButton*>("Scope0"));
    for (const char* name : {"cbForwardTB", "cbForwardLR", "cbBackwardBT", "cbBackwardRL"})
        EXPECT_TRUE(Box(name)->isEnabled()) << name;
    EXPECT_TRUE(Box("cbBackwardBT")->isChecked());
}

TEST_F(GridFindFormTest, HistoryKeepsEachTextOnceWhateverItsCase) {
    Search("report");
    Search("REPORT");
    Search("nowhere");
    Search("");
    QComboBox* history = form.TextToFind();
    ASSERT_EQ(history->count(), 2);
    EXPECT_EQ(history->itemText(0), "report");
    EXPECT_EQ(history->itemText(1), "nowhere");
}

TEST_F(GridFindFormTest, EachOkFindsTheNextHitThenSaysThereAreNoMore) {
    Search("report");
    EXPECT_EQ(form.LastHit(), (TGridCoord{colDescription, 2}));
    EXPECT_EQ(Current(), (TGridCoord{colDescription, 2}));
    Click(form.OkBtn());
    EXPECT_EQ(Current(), (TGridCoord{colComment, 1}));
    EXPECT_TRUE(dialogs.Informations.empty());
    Click(form.OkBtn());
    EXPECT_EQ(dialogs.Informations, std::vector<std::string>{"Information: No more occurences of text \r\"report\""});
    EXPECT_EQ(form.LastHit(), TGridCoord{});
    Click(form.OkBtn());  // from the beginning again
    EXPECT_EQ(Current(), (TGridCoord{colDescription, 2}));
    EXPECT_TRUE(form.isVisible());
}

TEST_F(GridFindFormTest, FindsWindowsTextAsTheGridShowsIt) {
    Describe(1, "Caf\xE9 \x9Akoda", "");  // "Café škoda" in Windows-1252
    Search(QString::fromUtf8("CAF\xC3\x89 \xC5\xA0"));
    EXPECT_EQ(Current(), (TGridCoord{colDescription, 1}));
    EXPECT_TRUE(dialogs.Informations.empty());
}

TEST_F(GridFindFormTest, AFreshSearchThatFindsNothingSaysCouldNotFind) {
    Search("nowhere");
    EXPECT_EQ(dialogs.Informations, std::vector<std::string>{"Information: Could not find text \r\"nowhere\""});
}

TEST_F(GridFindFormTest, ChangingTheTextStartsOverFromTheFirstCell) {
    Search("report");
    Click(form.OkBtn());
    EXPECT_EQ(form.LastHit(), (TGridCoord{colComment, 1}));
    QTest::keyClicks(form.TextToFind()->lineEdit(), "s");  // "reports" now
    EXPECT_EQ(form.LastHit(), TGridCoord{});
    QTest::keyClick(form.TextToFind()->lineEdit(), Qt::Key_Backspace);
    Click(form.OkBtn());
    EXPECT_EQ(form.LastHit(), (TGridCoord{colDescription, 2}));
    EXPECT_TRUE(dialogs.Informations.empty());
}

TEST_F(GridFindFormTest, TheLastHitDoesNotFollowTheUsersMoves) {
    Search("report");
    grid.Store().SetCurrentCell(0, 1);
    Click(form.OkBtn());
    EXPECT_EQ(Current(), (TGridCoord{colComment, 1}));
}

TEST_F(GridFindFormTest, EnterInTheTextSearchesAndCancelOnlyHides) {
    QTest::keyClicks(form.TextToFind()->lineEdit(), "write");
    QTest::keyClick(form.TextToFind()->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(Current(), (TGridCoord{colDescription, 2}));
    EXPECT_TRUE(form.isVisible());
    QTest::mouseClick(form.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.TextToFind()->count(), 1);
}

TEST(GridFindDialog, ForgetsAGridThatIsGone) {
    ScriptedDialogs dialogs;
    RecordingShell shell;
    auto grid = std::make_unique<TTaskGrid>(shell);
    TGridFindDialog finder(grid.get(), dialogs);
    grid.reset();
    EXPECT_EQ(finder.Grid(), nullptr);
    finder.ShowFindDialog();
    finder.Form().TextToFind()->setEditText("x");
    finder.Form().OkBtnClick();  // nothing to search: no message, no crash
    EXPECT_TRUE(dialogs.Informations.empty());
    finder.Form().hide();
}

TEST_F(MainWindowTest, CtrlFShowsTheFindWindowAndAHitBecomesCurrentOnScreen) {
    AddEntries(59);
    Describe(45, "Write report");
    QAction* find = window->Action("aclFind");
    ASSERT_TRUE(find->isEnabled());
    EXPECT_EQ(find->shortcut(), QKeySequence("Ctrl+F"));
    QTest::keyClick(window.get(), Qt::Key_F, Qt::ControlModifier);
    TGridFindForm& form = window->fdlgMain()->Form();
    ASSERT_TRUE(form.isVisible());
    EXPECT_EQ(form.Grid(), &Grid());
    QTest::keyClicks(form.TextToFind()->lineEdit(), "REPORT");
    QTest::mouseClick(form.OkBtn(), Qt::LeftButton);
    EXPECT_EQ(Store().Col(), colDescription);
    EXPECT_EQ(Store().Row(), 45);
    EXPECT_FALSE(Grid().CellRect(colDescription, 45).isEmpty());
    EXPECT_TRUE(dialogs.Informations.empty());
    form.hide();
}

}  // namespace
}  // namespace tkm
