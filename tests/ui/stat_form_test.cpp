#include "ui/dialogs/stat_form.h"

#include "grid/base_grid.h"
#include "tasks/task_table.h"

#include <QFontDatabase>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace tkm {
namespace {

TBaseGrid TwoEntries() {
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    grid.SetRowCount(3);
    for (int r : {1, 2}) {
        grid.SetCellText(colDescription, r, "task");
        grid.SetCellText(colPriority, r, "High");
        grid.SetCellText(colDueDate, r, "08/12/2026");
    }
    grid.SetCellText(colStatus, 1, "Pending");
    grid.SetCellText(colStatus, 2, "Completed");
    return grid;
}

TEST(StatForm, ShowsTheHeaderLabelsAndCounts) {
    const TBaseGrid grid = TwoEntries();
    TfrmStat form(grid, TDate{2026, 12, 8}, TLocaleFormats{});
    QTableWidget* table = form.stgStat();
    ASSERT_EQ(table->rowCount(), 15);
    ASSERT_EQ(table->columnCount(), 2);
    auto text = [&](int row, int col) { return table->item(row, col)->text().toStdString(); };
    EXPECT_EQ(text(0, 0), "Item*");
    EXPECT_EQ(text(0, 1), "Value");
    const std::vector<std::pair<std::string, std::string>> expected{
        {"Valid Entries", "2"}, {"Due Todays", "1"},       {"Overdues", "0"},          {"Most Important Priority**", "0"},
        {"High Priority**", "1"}, {"Normal Priority**", "0"}, {"Low Priority**", "0"}, {"Lowest Priority**", "0"},
        {"Not Started", "0"},   {"In Progress", "0"},      {"Pending", "1"},           {"Completed", "1"},
        {"Cancelled", "0"},     {"Postponed", "0"}};
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(text(i + 1, 0), expected[std::size_t(i)].first);
        EXPECT_EQ(text(i + 1, 1), expected[std::size_t(i)].second);
    }
    EXPECT_EQ(form.windowTitle(), "Statistics");
    EXPECT_EQ(form.width(), 292);
    EXPECT_GT(form.height(), 411);  // the totals below the notes
    // The desktop's font, as in the other windows, not a Windows face fontconfig happens to pick.
    EXPECT_EQ(form.font().family(), QFontDatabase::systemFont(QFontDatabase::GeneralFont).family());
    EXPECT_EQ(form.font().pointSize(), 8);
}

// The sums in the locale's separators, of the entries in work and of all;
// the entries a filter hides are counted too, and the report says how many show.
TEST(StatForm, AddsTheTotalsAndTheEntriesShown) {
    TBaseGrid grid = TwoEntries();
    grid.SetCellText(colTotalHours, 1, "1234,5");
    grid.SetCellText(colCost, 1, "10,25");
    grid.SetCellText(colTotalHours, 2, "2");
    grid.SetCellText(colCost, 2, "no cost");
    grid.ShowOnlyRows({2});
    TLocaleFormats german;
    german.DecimalSeparator = ',';
    german.ThousandSeparator = '.';
    TfrmStat form(grid, TDate{2026, 12, 8}, german);
    QStringList texts;
    const auto* rows = static_cast<const QFormLayout*>(form.findChild<QWidget*>("pnlTotals")->layout());
    for (int row = 0; row < rows->rowCount(); ++row)
        for (const auto role : {QFormLayout::LabelRole, QFormLayout::FieldRole})
            texts << static_cast<QLabel*>(rows->itemAt(row, role)->widget())->text();
    EXPECT_EQ(texts.join('|').toStdString(),
              "Total Hours in work**:|1.234,50|Cost in work**:|10,25|Total Hours of all entries*:|1.236,50|"
              "Cost of all entries*:|10,25|Entries shown:|1 of 2");
    EXPECT_EQ(form.Counts()[0].Count, 2);
}

TEST(StatForm, OkClosesAndF1AsksForItsHelpTopic) {
    const TBaseGrid grid = TwoEntries();
    TfrmStat form(grid, TDate{2026, 12, 8}, TLocaleFormats{});
    QSignalSpy help(&form, &TfrmStat::helpRequested);
    form.show();
    QTest::keyClick(&form, Qt::Key_F1);
    ASSERT_EQ(help.count(), 1);
    EXPECT_EQ(help.first().first().toInt(), 680);
    EXPECT_EQ(form.focusWidget(), form.btnOK());
    QTest::mouseClick(form.btnOK(), Qt::LeftButton);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
    if (!qEnvironmentVariableIsEmpty("TKM_SCREENSHOTS")) {
        form.show();
        form.grab().save(qEnvironmentVariable("TKM_SCREENSHOTS") + "/stat_form.png");
    }
}

}  // namespace
}  // namespace tkm
