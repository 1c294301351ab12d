#include "ui/dialogs/column_chooser.h"

#include "ui/main_window_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>

namespace tkm {
namespace {

std::vector<int> Hidden(const TBaseGrid& grid) {
    std::vector<int> hidden;
    for (int col = 0; col < TaskColumnCount; ++col)
        if (grid.IsColumnHidden(col)) hidden.push_back(col);
    return hidden;
}

class ColumnChooserTest : public ::testing::Test {
protected:
    TBaseGrid grid;
    void SetUp() override { TaskTable::SetUpGrid(grid); }
};

TEST_F(ColumnChooserTest, SaveAsHidesTheUncheckedColumnsAndLeavesThemHidden) {
    grid.HideColumn(colCost);
    int modified = 0;
    {
        TfrmSaveAs chooser(grid, [&] { ++modified; });
        EXPECT_EQ(chooser.windowTitle(), "Save As...");
        EXPECT_EQ(chooser.HelpContext(), 670);
        EXPECT_FALSE(chooser.CheckBox(colCost)->isChecked());
        EXPECT_TRUE(chooser.CheckBox(colComment)->isChecked());
        EXPECT_EQ(chooser.CheckBox(colNo)->text(), "No.");
        chooser.btnCheckAll()->click();
        EXPECT_TRUE(chooser.CheckBox(colCost)->isChecked());
        EXPECT_EQ(Hidden(grid), std::vector<int>{colCost});  // the selection buttons leave the grid alone
        chooser.CheckBox(colDescription)->setChecked(false);
        chooser.CheckBox(colComment)->setChecked(false);
        chooser.btnOK()->click();
        EXPECT_EQ(chooser.result(), QDialog::Accepted);
    }
    // Checked columns are left as they were: the command unhides everything afterwards.
    EXPECT_EQ(Hidden(grid), (std::vector<int>{colDescription, colCost, colComment}));
    EXPECT_EQ(modified, 1);

    TfrmSaveAs cancelled(grid, [&] { ++modified; });
    cancelled.btnClearAll()->click();
    cancelled.btnCancel()->click();
    EXPECT_EQ(modified, 1);
    EXPECT_EQ(Hidden(grid), (std::vector<int>{colDescription, colCost, colComment}));
}

TEST_F(ColumnChooserTest, PrintShowsTheCheckedColumnsToThePreviewAndAllOfThemAfterwards) {
    std::vector<int> previewed;
    {
        TfrmPrint chooser(grid, [&] {
            previewed = Hidden(grid);
            throw EGridError("the preview failed");
        });
        EXPECT_EQ(chooser.windowTitle(), "Print");
        chooser.btnClearAll()->click();
        chooser.btnOK()->click();  // the preview's failure only closes the chooser
        EXPECT_FALSE(chooser.isVisible());
    }
    // The grid never hides its last shown column: Comment alone is previewed.
    EXPECT_EQ(previewed, (std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
    EXPECT_TRUE(Hidden(grid).empty());
}

using SaveAsCommand = MainWindowTest;

TEST_F(SaveAsCommand, CancellingTheChooserOnAnUnchangedDocumentAsksNothingAndMarksItModified) {
    ASSERT_FALSE(window->Modified());
    QString shown;
    QTimer::singleShot(0, [&] {
        auto* chooser = qobject_cast<TfrmSaveAs*>(QApplication::activeModalWidget());
        ASSERT_NE(chooser, nullptr);
        shown = chooser->windowTitle();
        chooser->CheckBox(colStatus)->setChecked(false);
        QTest::keyClick(chooser, Qt::Key_Escape);
    });
    window->aclSaveAsExecute();
    EXPECT_EQ(shown, "Save As...");
    EXPECT_TRUE(dialogs.SaveRequests.empty());
    EXPECT_TRUE(dialogs.Errors.empty());
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "Modified");
    EXPECT_TRUE(Hidden(Store()).empty());
    EXPECT_TRUE(Grid().EditingEnabled());
}

}  // namespace
}  // namespace tkm
