#include "ui/main_window_fixture.h"

#include "ui/grid/grid_date_picker.h"
#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include <optional>

namespace tkm {
namespace {

class GridEditorsTest : public MainWindowTest {
protected:
    int changes = 0;
    std::optional<TCellsChangedHook> hook;

    void SetUp() override {
        MainWindowTest::SetUp();
        hook.emplace(Store(), [this](const TGridRect&) { ++changes; });
        QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);  // the start-up edit
    }
    TGridEditors& Editors() { return Grid().SeparateEditors(); }
    TGridInplaceEdit* Edit() { return Grid().InplaceEditor(); }
    QPoint CenterOf(int col, int row) { return Grid().CellRect(Store().RealToDisplay(col), row).center(); }
    void ClickCell(int col, int row) { QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, CenterOf(col, row)); }
    // Over the cell, wider only where the value needs it.
    bool Covers(const QWidget* editor, int col, int row) {
        const QRect cell = Grid().CellRect(Store().RealToDisplay(col), row);
        const QRect place = editor->geometry();
        return place.top() == cell.top() && place.height() == cell.height() && place.width() >= cell.width() &&
               (place.left() == cell.left() || place.right() == Grid().viewport()->width() - 1);
    }
    void EditCell(int col, int row) {
        Store().SetCurrentCell(Store().RealToDisplay(col), row);
        QTest::keyClick(&Grid(), Qt::Key_F2);
    }
};

TEST_F(GridEditorsTest, CompletesFromWhatWasTypedInAnyNormalColumn) {
    EditCell(colResources, 1);
    QTest::keyClicks(Edit(), "write report");
    QTest::keyClick(Edit(), Qt::Key_Tab);  // leaving the editor keeps its text for completion
    EditCell(colDescription, 1);
    QTest::keyClicks(Edit(), "Wr");
    EXPECT_EQ(Edit()->text(), "Write report");
    EXPECT_EQ(Edit()->selectedText(), "ite report");
    EXPECT_EQ(Cell(colDescription, 1), "Write report");
    QTest::keyClicks(Edit(), "ong");  // typing on replaces the offered part
    EXPECT_EQ(Edit()->text(), "Wrong");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Grid().LookupItems().Items().back(), "Wrong");
}

TEST_F(GridEditorsTest, NumbersAreNotCompletedButStillOfferedToTexts) {
    EditCell(colTotalHours, 1);
    Edit()->clear();
    QTest::keyClicks(Edit(), "1.5");
    QTest::keyClick(Edit(), Qt::Key_Return);
    for (const int col : {colTotalHours, colCost}) {
        EditCell(col, 1);
        Edit()->clear();
        QTest::keyClicks(Edit(), "1");
        EXPECT_EQ(Edit()->text(), "1");
        QTest::keyClick(Edit(), Qt::Key_Return);
        EXPECT_EQ(Cell(col, 1), "1");
    }
    EditCell(colDescription, 1);
    QTest::keyClicks(Edit(), "1.");
    EXPECT_EQ(Edit()->text(), "1.5");
}

TEST_F(GridEditorsTest, NumberCellsTakeOnlyANumber) {
    Store().SetCurrentCell(colTotalHours, 1);
    QTest::keyClicks(&Grid(), "1");  // the first key opens the editor
    QTest::keyClicks(Edit(), ".5.2");
    EXPECT_EQ(Edit()->text(), "1.5.2") << "kept as typed, never made another number";
    EXPECT_TRUE(Edit()->Marked());
    QTest::keyClicks(Edit(), "\b\b");
    EXPECT_FALSE(Edit()->Marked());
    EXPECT_EQ(Cell(colTotalHours, 1), "1.5");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EditCell(colCost, 1);
    QTest::keyClicks(Edit(), "-x");
    EXPECT_EQ(Edit()->text(), "0.00");
    QTest::keyClick(Edit(), Qt::Key_Home);
    QTest::keyClicks(Edit(), "-");
    EXPECT_EQ(Edit()->text(), "-0.00");
    QTest::keyClick(Edit(), Qt::Key_Escape);
    Store().SetCurrentCell(colCost, 1);
    QTest::keyClicks(&Grid(), "x");  // a refused key opens the editor on the cell's text
    EXPECT_EQ(Cell(colCost, 1), "0.00");
}

TEST_F(GridEditorsTest, ProgressSpinsWithinItsBounds) {
    Store().SetCellText(colProgress, 1, "100");
    EditCell(colProgress, 1);
    TGridSpin* spin = Editors().Spin();
    ASSERT_EQ(Editors().Active(), spin);
    QTest::keyClick(spin, Qt::Key_PageUp);
    EXPECT_EQ(spin->value(), 100);
    QTest::keyClick(spin, Qt::Key_End);
    EXPECT_EQ(spin->value(), 0);
    QTest::keyClick(spin, Qt::Key_Home);
    EXPECT_EQ(spin->value(), 100);
    EXPECT_EQ(spin->TextBox()->selectedText(), "100") << "the whole new value is selected";
    QTest::keyClick(spin, Qt::Key_PageDown);
    EXPECT_EQ(spin->TextBox()->selectedText(), "99");
    QTest::keyClick(spin, Qt::Key_Down);  // commits, closes and moves on
    EXPECT_EQ(Cell(colProgress, 1), "99");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_TRUE(window->Modified());
}

TEST_F(GridEditorsTest, TypingOnAProgressCellStartsTheSpinWithThatDigit) {
    Store().SetCurrentCell(colProgress, 1);
    QTest::keyClicks(&Grid(), "7");
    ASSERT_EQ(Editors().Active(), Editors().Spin());
    QTest::keyClick(Editors().Spin(), Qt::Key_Return);
    EXPECT_EQ(Cell(colProgress, 1), "7");
}

TEST_F(GridEditorsTest, ClickedProgressTakesATypedValueClampedNotCut) {
    for (const auto& [typed, kept] : {std::pair{"150", "100"}, std::pair{"1000", "100"}, std::pair{"42", "42"}}) {
        ClickCell(colProgress, 1);
        ASSERT_EQ(Editors().Active(), Editors().Spin());
        QTest::keyClicks(Editors().Spin(), typed);
        QTest::keyClick(Editors().Spin(), Qt::Key_Return);
        EXPECT_EQ(Cell(colProgress, 1), kept) << typed;
    }
}

TEST_F(GridEditorsTest, ProgressThatIsNoNumberOpensNoEditor) {
    Store().SetCellText(colProgress, 1, "lots");
    EditCell(colProgress, 1);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Editors().Active(), nullptr);
    EXPECT_EQ(Cell(colProgress, 1), "lots");
}

TEST_F(GridEditorsTest, StatusListDropsAtOnceAndReportsOnlyAChange) {
    ClickCell(colStatus, 1);
    QComboBox* combo = Editors().Combo();
    ASSERT_EQ(Editors().Active(), combo);
    EXPECT_TRUE(Covers(combo, colStatus, 1));
    ASSERT_TRUE(combo->view()->isVisible());
    ASSERT_EQ(combo->count(), 6);
    EXPECT_GE(combo->view()->window()->width(),
              combo->view()->fontMetrics().horizontalAdvance("Not Started") + 8);
    for (int i = 0; i < 3; ++i) QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(Cell(colStatus, 1), "Completed");
    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "Modified");

    ClickCell(colStatus, 1);
    ASSERT_EQ(combo->currentText(), "Completed");
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(changes, 1);
}

TEST_F(GridEditorsTest, EscapeInTheListKeepsTheCellsText) {
    Store().SetCellText(colPriority, 1, "urgent");  // typed past the list once
    ClickCell(colPriority, 1);
    QComboBox* combo = Editors().Combo();
    ASSERT_EQ(Editors().Active(), combo);
    EXPECT_EQ(combo->currentIndex(), -1);
    EXPECT_EQ(combo->view()->currentIndex().row(), 0);  // the first item is offered
    QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Escape);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Cell(colPriority, 1), "urgent");
    EXPECT_EQ(changes, 0);
}

TEST_F(GridEditorsTest, EscapeInAPickerKeepsTheCellsTextWhateverItIs) {
    window->SetModified(false);
    Store().SetCellText(colDueDate, 1, "28.08.2026");  // written under another locale
    EditCell(colDueDate, 1);
    ASSERT_EQ(Editors().Active(), Editors().DatePicker());
    QTest::keyClick(Editors().DatePicker(), Qt::Key_Escape);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_EQ(Cell(colDueDate, 1), "28.08.2026");
    Store().SetCellText(colDueTime, 1, "late");
    EditCell(colDueTime, 1);
    ASSERT_EQ(Editors().Active(), Editors().TimePicker());
    QTest::keyClick(Editors().TimePicker(), Qt::Key_Escape);
    EXPECT_EQ(Cell(colDueTime, 1), "late");
    EXPECT_EQ(changes, 0);
    EXPECT_FALSE(window->Modified());
}

TEST_F(GridEditorsTest, PickerReadsTheCellAndTabWritesItInTheLocaleFormat) {
    Store().SetCellText(colEntryDate, 1, "3/1/2027");
    EditCell(colEntryDate, 1);
    TGridDatePicker* date = Editors().DatePicker();
    ASSERT_EQ(Editors().Active(), date);
    EXPECT_EQ(date->date(), QDate(2027, 1, 3));
    EXPECT_EQ(date->calendarPopup(), true);
    EXPECT_TRUE(Covers(date, colEntryDate, 1));
    QTest::keyClick(date, Qt::Key_Tab);
    EXPECT_EQ(Cell(colEntryDate, 1), "03/01/2027");
    EXPECT_EQ(Store().Col(), colStatus);
    EXPECT_EQ(changes, 1);
}

TEST_F(GridEditorsTest, PickersShowTheirWholeTextBesideTheirButton) {
    Store().SetCellText(colDueDate, 1, "28/08/2026");
    Store().SetCellText(colDueTime, 1, "08:08:08");
    for (const int col : {colDueDate, colDueTime}) {
        EditCell(col, 1);
        QWidget* picker = Editors().Active();
        ASSERT_NE(picker, nullptr);
        QCoreApplication::processEvents();
        // The field left of the button holds the text, the line edit's margins and the caret.
        const auto* field = picker->findChild<QLineEdit*>();
        EXPECT_GE(field->width(), field->fontMetrics().horizontalAdvance(field->text()) + 6) << col;
        EXPECT_TRUE(Covers(picker, col, 1));
        QTest::keyClick(picker, Qt::Key_Escape);
    }
}

TEST_F(GridEditorsTest, ScrollingClosesASeparateEditorWithItsValue) {
    AddEntries(40);
    QTest::keyClick(Edit(), Qt::Key_Escape);
    Store().SetCurrentCell(colPriority, 3);
    QTest::keyClick(&Grid(), Qt::Key_F2);
    QComboBox* combo = Editors().Combo();
    ASSERT_EQ(Editors().Active(), combo);
    combo->hidePopup();
    combo->setCurrentIndex(0);
    changes = 0;
    EXPECT_TRUE(Covers(combo, colPriority, 3));
    Grid().verticalScrollBar()->setValue(Grid().verticalScrollBar()->value() + 5);
    EXPECT_FALSE(Grid().EditorMode());
    EXPECT_FALSE(combo->isVisible());
    EXPECT_EQ(Cell(colPriority, 3), "Most Important");
    EXPECT_EQ(changes, 1);
}

TEST_F(GridEditorsTest, InsertAndDeleteKeysWorkOnTheGridAlone) {
    AddEntries(1);
    QTest::keyClick(Edit(), Qt::Key_Escape);
    Describe(2, "second");
    Store().SetCurrentCell(colDescription, 2);
    QTest::keyClick(&Grid(), Qt::Key_Insert);
    ASSERT_EQ(Store().RowCount(), 4);
    EXPECT_EQ(Store().Row(), 2);
    EXPECT_EQ(Cell(colNo, 2), "");
    EXPECT_EQ(Store().CellObject(colProgress, 2), nullptr);
    EXPECT_EQ(Cell(colDescription, 3), "second");

    QTest::keyClick(&Grid(), Qt::Key_Delete);  // no question
    EXPECT_TRUE(dialogs.Questions.empty());
    ASSERT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(Cell(colDescription, 2), "second");
    QTest::keyClick(&Grid(), Qt::Key_Delete);
    ASSERT_EQ(Store().RowCount(), 2);

    QTest::keyClick(&Grid(), Qt::Key_Delete);  // the last entry is emptied, not removed
    ASSERT_EQ(Store().RowCount(), 2);
    for (int c = 0; c < TaskColumnCount; ++c) EXPECT_EQ(Cell(c, 1), "") << "column " << c;
    EXPECT_EQ(Store().CellObject(colProgress, 1), nullptr);
    EXPECT_EQ(Store().CellObject(colComment, 1), nullptr);
    EXPECT_EQ(Cell(colStatus, 0), "Status");
    EXPECT_TRUE(window->Modified());
}

TEST_F(GridEditorsTest, CtrlTabInTheEditorStaysInTheCell) {
    EditCell(colDescription, 1);
    QTest::keyClick(Edit(), Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(Store().Col(), colDescription);
    EXPECT_TRUE(Grid().EditorMode());
}

TEST_F(GridEditorsTest, HomeAndEndGoToTheFirstAndLastRow) {
    AddEntries(3);
    QTest::keyClick(Edit(), Qt::Key_Escape);
    Store().SetCurrentCell(colCost, 2);
    QTest::keyClick(&Grid(), Qt::Key_End);
    EXPECT_EQ(Store().Row(), 4);
    QTest::keyClick(&Grid(), Qt::Key_Home);
    EXPECT_EQ(Store().Row(), 1);
    EXPECT_EQ(Store().Col(), colCost);
}

// Amounts typed as each locale writes them: the en_US spelling with its
// separators swapped where the locale swaps them.
struct TNumberLocale {
    const char* Name;
    char Decimal;
    char Thousand;
};

class NumberTypingTest : public GridEditorsTest, public ::testing::WithParamInterface<TNumberLocale> {
protected:
    void SetUp() override {
        formats.DecimalSeparator = GetParam().Decimal;
        formats.ThousandSeparator = GetParam().Thousand;
        GridEditorsTest::SetUp();
    }
    std::string Local(std::string us) {
        for (char& c : us) c = c == ',' ? GetParam().Thousand : c == '.' ? GetParam().Decimal : c;
        return us;
    }
};

TEST_P(NumberTypingTest, AClickedAmountIsReplacedAndKeptWithoutGrouping) {
    EXPECT_EQ(Cell(colCost, 1), Local("0.00")) << "a new entry writes the locale's separator";
    ClickCell(colCost, 1);
    QTest::keyClicks(Edit(), QString::fromStdString(Local("1,234.50")));
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Cell(colCost, 1), Local("1234.50"));
    ClickCell(colTotalHours, 1);
    QTest::keyClicks(Edit(), QString::fromStdString(Local("1.5")));
    QTest::keyClick(Edit(), Qt::Key_Tab);
    EXPECT_EQ(Cell(colTotalHours, 1), Local("1.5"));
    EXPECT_EQ(changes, 2);
    ClickCell(colDescription, 1);
    EXPECT_FALSE(Edit()->hasSelectedText()) << "a text is added to where it ends";
}

TEST_P(NumberTypingTest, NoNumberIsKeptMarkedAndEnterOrTabDoNotTakeIt) {
    ClickCell(colCost, 1);
    const QString wrong = QString::fromStdString(Local("1,2,3.4.5"));
    QTest::keyClicks(Edit(), wrong);
    EXPECT_EQ(Edit()->text(), wrong);
    EXPECT_TRUE(Edit()->Marked());
    QTest::keyClick(Edit(), Qt::Key_Return);
    QTest::keyClick(Edit(), Qt::Key_Tab);
    ClickCell(colDescription, 1);
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_EQ(Store().Col(), colCost);
    EXPECT_EQ(changes, 0);
    // Unfinished grouping is refused at Enter too.
    Edit()->selectAll();
    QTest::keyClicks(Edit(), QString::fromStdString(Local("1,23")));
    EXPECT_FALSE(Edit()->Marked());
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_TRUE(Edit()->Marked());
    EXPECT_EQ(changes, 0);
    QTest::keyClicks(Edit(), "4");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Cell(colCost, 1), Local("1234"));
}

TEST_P(NumberTypingTest, PasteTakesGroupingAndRefusesLetters) {
    EditCell(colCost, 1);
    Edit()->selectAll();
    Edit()->PasteText("12 apples");
    EXPECT_EQ(Edit()->text(), QString::fromStdString(Local("0.00")));
    Edit()->selectAll();
    Edit()->PasteText(QString::fromStdString(Local("-2,500.75")));
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Cell(colCost, 1), Local("-2500.75"));
}

INSTANTIATE_TEST_SUITE_P(Locales, NumberTypingTest,
                         ::testing::Values(TNumberLocale{"en_US", '.', ','}, TNumberLocale{"de_DE", ',', '.'}),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
}  // namespace tkm
