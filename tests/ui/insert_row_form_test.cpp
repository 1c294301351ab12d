#include "ui/dialogs/insert_row_form.h"

#include "main_window_fixture.h"
#include "ui/dialogs/decimal_edit.h"
#include "ui/grid/grid_date_picker.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <cstdlib>
#include <functional>

namespace tkm {
namespace {

class AddMultipleEntries : public MainWindowTest {
protected:
    // Runs the command from its menu item, handling the dialog with `answer` once it shows.
    void Run(std::function<void(TfrmInsertRow&)> answer) {
        QTimer::singleShot(0, [answer] {
            auto* form = qobject_cast<TfrmInsertRow*>(QApplication::activeModalWidget());
            if (!form) {
                ADD_FAILURE() << "the Insert Row dialog is not showing";
                return;
            }
            answer(*form);
        });
        window->Action("aclMultipleRow")->trigger();
        QCoreApplication::processEvents();
    }
    static void Choose(QComboBox* list, const char* text) { list->setCurrentIndex(list->findText(text)); }
    std::vector<std::string> Column(int col) {
        std::vector<std::string> cells;
        for (int r = 1; r < Store().RowCount(); ++r) cells.push_back(Cell(col, r));
        return cells;
    }
};

TEST_F(AddMultipleEntries, TheDialogIsCentredOnTheDesktopWhateverWidthItTakes) {
    Run([](TfrmInsertRow& form) {
        const QRect area = form.screen()->availableGeometry();
        const QRect frame = form.frameGeometry();
        // Twice the centres, so that an odd difference in size is no rounding matter.
        EXPECT_LE(std::abs(2 * frame.x() + frame.width() - (2 * area.x() + area.width())), 1)
            << frame.x() << " " << frame.width() << " in " << area.width();
        EXPECT_LE(std::abs(2 * frame.y() + frame.height() - (2 * area.y() + area.height())), 1);
        form.reject();
    });
}

TEST_F(AddMultipleEntries, CancelStillRenumbersAndMarksTheListModified) {
    AddEntries(1);
    Store().SetCellText(colNo, 1, "7");
    window->SetModified(false);
    Run([](TfrmInsertRow& form) { QTest::mouseClick(form.btnCancel(), Qt::LeftButton); });
    EXPECT_EQ(Store().RowCount(), 3);
    EXPECT_EQ(Column(colNo), (std::vector<std::string>{"1", "2"}));
    EXPECT_TRUE(window->Modified());
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "Modified");
}

TEST_F(AddMultipleEntries, OkWithTheDefaultsAddsThreeEntriesNumberedOn) {
    Describe(1, "first");
    Run([](TfrmInsertRow& form) {
        EXPECT_EQ(form.windowTitle(), "Insert Row");
        EXPECT_TRUE(form.rbtnAfter()->isChecked());
        EXPECT_EQ(form.rbtnBefore()->text(), "Before row #1");
        ASSERT_EQ(form.cbxInsertRow()->count(), 21);
        EXPECT_EQ(form.cbxInsertRow()->itemText(19), "20");
        EXPECT_EQ(form.cbxInsertRow()->itemText(20), "100");
        EXPECT_FALSE(form.cbxInsertRow()->isEditable());
        EXPECT_EQ(form.cbxInsertRow()->currentText(), "3");
        EXPECT_EQ(form.cbxStatus()->itemText(5), "Postponed");
        EXPECT_EQ(form.cbxPriority()->itemText(0), "Most Important");
        EXPECT_EQ(form.cbxPriority()->currentText(), "Normal");
        EXPECT_TRUE(form.dtedDueDate()->calendarPopup());
        EXPECT_EQ(form.dtedEntryDate()->Text(), "08/12/2026");
        EXPECT_EQ(form.dtEdDueTime()->Text(), "09:30:05");
        EXPECT_EQ(form.txtTotalHours()->text(), "0.0");
        EXPECT_EQ(form.txtCost()->text(), "0.00");
        EXPECT_EQ(form.focusWidget(), form.btnOK());
        QTest::keyClick(&form, Qt::Key_Return);
    });
    ASSERT_EQ(Store().RowCount(), 5);
    EXPECT_EQ(Column(colNo), (std::vector<std::string>{"1", "2", "3", "4"}));
    EXPECT_EQ(Column(colDescription), (std::vector<std::string>{"first", "", "", ""}));
    for (int r = 2; r <= 4; ++r) {
        EXPECT_EQ(Cell(colStatus, r), "Not Started");
        EXPECT_EQ(Cell(colPriority, r), "Normal");
        EXPECT_EQ(Cell(colDueDate, r), "08/12/2026");
        EXPECT_EQ(Cell(colTotalHours, r), "0.0");
        EXPECT_EQ(Cell(colCost, r), "0.00");
        EXPECT_EQ(Cell(colProgress, r), "0");
        EXPECT_TRUE(TaskTable::HasEntryCellObjects(Store(), r));
    }
    EXPECT_TRUE(window->Modified());
}

TEST_F(AddMultipleEntries, CompletedGivesFullProgressAndOneHundredAddsAHundred) {
    Run([](TfrmInsertRow& form) {
        Choose(form.cbxStatus(), "Completed");
        Choose(form.cbxInsertRow(), "100");
        QTest::mouseClick(form.btnOK(), Qt::LeftButton);
    });
    ASSERT_EQ(Store().RowCount(), 102);
    EXPECT_EQ(Cell(colNo, 101), "101");
    EXPECT_EQ(Cell(colStatus, 101), "Completed");
    EXPECT_EQ(Cell(colProgress, 101), "100");
    EXPECT_EQ(Cell(colProgress, 1), "0");
}

TEST_F(AddMultipleEntries, BeforeTheCurrentRowMovesItDownAndFillsEmptyCellsOfOldEntries) {
    AddEntries(4);
    for (int r = 1; r <= 5; ++r) Describe(r, "e" + std::to_string(r));
    Store().SetCurrentCell(colDescription, 2);
    Run([](TfrmInsertRow& form) {
        EXPECT_EQ(form.rbtnBefore()->text(), "Before row #2");
        form.rbtnBefore()->setChecked(true);
        Choose(form.cbxInsertRow(), "1");
        QTest::mouseClick(form.btnOK(), Qt::LeftButton);
    });
    // Nothing typed into Resources: the old entries' empty Resources stay empty.
    EXPECT_EQ(Column(colResources), std::vector<std::string>(6, ""));
    Store().RemoveRows(2, 1);

    Store().SetCurrentCell(colDescription, 2);
    Run([](TfrmInsertRow& form) {
        form.rbtnBefore()->setChecked(true);
        Choose(form.cbxInsertRow(), "5");
        QTest::keyClicks(form.txtResources(), "Ann");
        form.txtTotalHours()->selectAll();
        QTest::keyClicks(form.txtTotalHours(), "2");
        QTest::keyClick(form.txtTotalHours(), Qt::Key_Return);
    });
    ASSERT_EQ(Store().RowCount(), 11);
    EXPECT_EQ(Column(colDescription), (std::vector<std::string>{"e1", "", "", "", "", "", "e2", "e3", "e4", "e5"}));
    EXPECT_EQ(Column(colNo), (std::vector<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10"}));
    EXPECT_EQ(Column(colResources), std::vector<std::string>(10, "Ann"));
    // The edit showed "2" as "2.0" before Enter reached OK; old entries keep their hours.
    EXPECT_EQ(Cell(colTotalHours, 2), "2.0");
    EXPECT_EQ(Cell(colTotalHours, 7), "0.0");
}

TEST(InsertRowForm, F1AsksForItsHelpTopicAndTheLabelsFit) {
    FixedClock clock{{2026, 12, 8}, {9, 30, 5}};
    const TLocaleFormats formats;
    TfrmInsertRow form(4, clock, formats);
    QSignalSpy help(&form, &TfrmInsertRow::helpRequested);
    form.show();
    QTest::keyClick(&form, Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.first().first().toInt(), 10);
    EXPECT_GE(form.width(), 299);
    for (const QWidget* child : form.findChildren<QWidget*>()) {
        if (child->isVisible()) {
            EXPECT_GE(child->width(), child->minimumSizeHint().width()) << child->objectName().toStdString();
        }
    }
    if (!qEnvironmentVariableIsEmpty("TKM_SCREENSHOTS"))
        form.grab().save(qEnvironmentVariable("TKM_SCREENSHOTS") + "/insert_row_form.png");
}

}  // namespace
}  // namespace tkm
