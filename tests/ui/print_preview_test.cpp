#include "ui/dialogs/grid_preview_dialog.h"

#include "ui/dialogs/column_chooser.h"
#include "ui/main_window_fixture.h"
#include "ui/task_list_print_fixture.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace tkm {
namespace {

// The preview window over a task list of `entries` entries.
class PreviewTest : public TaskListPrintTest {
protected:
    int prints = 0;

    void Entries(int count) {
        table.SetRowCount(count + 1);
        for (int row = 1; row <= count; ++row) table.SetCellText(colDescription, row, "Entry " + std::to_string(row));
    }
    // Runs the dialog; `look` sees the shown window and closes it.
    void Run(TPrintEngine& engine, const std::function<void(TGridPreviewForm&)>& look) {
        TGridPreviewDialog dialog([&] { ++prints; });
        dialog.SetGrid(&engine);
        QTimer::singleShot(0, [&] {
            auto* form = qobject_cast<TGridPreviewForm*>(QApplication::activeModalWidget());
            ASSERT_NE(form, nullptr);
            look(*form);
            form->btnClose()->click();
        });
        EXPECT_FALSE(dialog.Execute());
    }
    static void Draw(TGridPreviewForm& form) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        form.pnlPage()->repaint();
    }
};

TEST_F(PreviewTest, PagingFollowsThePageCountAndPrintPrintsEveryPageLeavingTheWindowOpen) {
    settings.FitToPage = fpAlways;  // every column on the small page
    Entries(2);
    Run(print.Engine(), [&](TGridPreviewForm& form) {
        Draw(form);
        EXPECT_EQ(form.windowTitle(), "Preview");
        EXPECT_EQ(print.Engine().PreviewPageCount(), 1);
        EXPECT_FALSE(form.btnPrevious()->isEnabled());
        EXPECT_FALSE(form.btnNext()->isEnabled());
    });

    Entries(200);
    Run(print.Engine(), [&](TGridPreviewForm& form) {
        Draw(form);
        const int pages = print.Engine().PreviewPageCount();
        ASSERT_GT(pages, 2);
        EXPECT_FALSE(form.btnPrevious()->isEnabled());
        EXPECT_TRUE(form.btnNext()->isEnabled());
        form.btnNext()->click();
        Draw(form);
        EXPECT_EQ(print.Engine().PreviewPage(), 2);
        EXPECT_TRUE(form.btnPrevious()->isEnabled());
        print.Engine().SetPreviewPage(pages);
        Draw(form);
        EXPECT_FALSE(form.btnNext()->isEnabled());
        form.btnNext()->click();  // nothing past the last page
        EXPECT_EQ(print.Engine().PreviewPage(), pages);
        form.btnPrint()->click();
        EXPECT_EQ(prints, 1);
        EXPECT_TRUE(form.isVisible());
    });
}

TEST_F(PreviewTest, ThePageIsNamedWithItsNumberAsItsFooterNumbersIt) {
    settings.FitToPage = fpNever;
    Entries(200);
    table.SetCellText(colDescription, 1, std::string(400, 'w'));  // wider than a page: groups of pages
    Run(print.Engine(), [&](TGridPreviewForm& form) {
        Draw(form);
        EXPECT_EQ(form.pnlPage()->accessibleName(), "Page 1-1");
        form.btnNext()->click();
        Draw(form);
        EXPECT_EQ(form.pnlPage()->accessibleName(), "Page 2-1");
    });
    settings.FitToPage = fpAlways;
    Entries(2);
    Run(print.Engine(), [&](TGridPreviewForm& form) {
        Draw(form);
        EXPECT_EQ(form.pnlPage()->accessibleName(), "Page 1");
    });
}

TEST_F(PreviewTest, TheWindowKeepsItsMinimumAndThePageNinetyPercentAndComesBackWhereLeft) {
    Entries(3);
    TGridPreviewDialog dialog([] {});
    dialog.SetPreviewWidth(100);
    dialog.SetPreviewHeight(20);
    EXPECT_EQ(dialog.PreviewWidth(), 350);
    EXPECT_EQ(dialog.PreviewHeight(), 100);
    EXPECT_THROW(dialog.Execute(), EGridError);  // no grid yet

    dialog.SetGrid(&print.Engine());
    dialog.SetPreviewWidth(600);
    dialog.SetPreviewHeight(400);
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TGridPreviewForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(form->minimumSize(), QSize(350, 100));
        form->resize(500, 341);
        QCoreApplication::processEvents();
        EXPECT_EQ(form->pnlPage()->geometry(), QRect(25, 41 + 15, 450, 270));
        EXPECT_EQ(form->btnPrint()->size(), QSize(73, 25));
        form->close();
    });
    dialog.Execute();
    EXPECT_EQ(dialog.PreviewWidth(), 500);
    EXPECT_EQ(dialog.PreviewHeight(), 341);
}

using PrintCommand = MainWindowTest;

TEST_F(PrintCommand, PrintingFromThePreviewReachesThePrinterAndEditingComesBackOnEveryPath) {
    AddEntries(2);
    Describe(1, "Water the plants");
    dialogs.Answers = {TConfirmAnswer::No};
    dialogs.PrintJobs = {TPrintJob{}};
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<TfrmPrint*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        EXPECT_FALSE(Grid().EditingEnabled());
        EXPECT_FALSE(window->EditTracking());
        chooser->CheckBox(colComment)->setChecked(false);
        QTimer::singleShot(0, [&] {
            auto* preview = qobject_cast<TGridPreviewForm*>(QApplication::activeModalWidget());
            ASSERT_NE(preview, nullptr);
            EXPECT_TRUE(Store().IsColumnHidden(colComment));
            preview->btnPrint()->click();
            // A printer that cannot start says so; the preview stays.
            printer.Device.RefuseStart = true;
            dialogs.PrintJobs = {TPrintJob{}};
            preview->btnPrint()->click();
            EXPECT_TRUE(preview->isVisible());
            preview->btnClose()->click();
        });
        chooser->btnOK()->click();
    });
    window->Action("aclPrint")->trigger();
    EXPECT_EQ(dialogs.Questions.at(0).Text, "Would you like to print the colors as well?");
    EXPECT_FALSE(window->ColorPrinting());
    ASSERT_EQ(printer.Jobs.size(), 2u);
    EXPECT_NE(printer.Device.canvas.Texts.size(), 0u);
    EXPECT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_FALSE(Store().IsColumnHidden(colComment));
    EXPECT_TRUE(Grid().EditingEnabled());
    EXPECT_TRUE(window->EditTracking());

    // Cancel in the chooser prints nothing and keeps the answer to the colour question.
    dialogs.Answers = {TConfirmAnswer::Yes};
    QTimer::singleShot(0, [&] { QTest::keyClick(QApplication::activeModalWidget(), Qt::Key_Escape); });
    window->Action("aclPrint")->trigger();
    EXPECT_TRUE(window->ColorPrinting());
    EXPECT_EQ(printer.Jobs.size(), 2u);
    EXPECT_TRUE(Grid().EditingEnabled());
    EXPECT_TRUE(window->EditTracking());
}

}  // namespace
}  // namespace tkm
