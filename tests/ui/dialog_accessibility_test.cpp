#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "tasks/task_table.h"
#include "ui/dialogs/about_form.h"
#include "ui/dialogs/hot_label.h"
#include "ui/dialogs/insert_row_form.h"
#include "ui/dialogs/print_settings_dialog.h"
#include "ui/dialogs/stat_form.h"
#include "ui/grid/grid_find_form.h"
#include "ui/grid/task_grid.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QTableWidget>
#include <QTest>

#include <gtest/gtest.h>

namespace tkm {
namespace {

QString AccessibleName(QWidget* widget) { return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name); }

// The widgets Tab visits from `first` until it comes back.
std::vector<QString> TabChain(QWidget* first) {
    std::vector<QString> names;
    QWidget* widget = first;
    do {
        names.push_back(widget->objectName());
        widget = widget->nextInFocusChain();
        while (widget != first && !(widget->focusPolicy() & Qt::TabFocus && widget->isVisibleTo(first->window())))
            widget = widget->nextInFocusChain();
    } while (widget != first && names.size() < 40);
    return names;
}

TEST(DialogAccessibility, InsertRowFieldsAreNamedAfterTheirLabelsAndTabGoesDownTheForm) {
    FixedClock clock{{2026, 12, 8}, {9, 30, 5}};
    const TLocaleFormats formats;
    TfrmInsertRow form(4, clock, formats);
    form.show();
    const auto named = [&](const char* name) { return AccessibleName(form.findChild<QWidget*>(name)); };
    // Combo boxes are named after their labels, not the item they show.
    EXPECT_EQ(named("cbxInsertRow"), "Insert by:");
    EXPECT_EQ(named("cbxStatus"), "Status:");
    EXPECT_EQ(named("cbxPriority"), "Priority:");
    EXPECT_EQ(named("dtedDueDate"), "Due Date:");
    EXPECT_EQ(named("txtTotalHours"), "Total Hours:");
    EXPECT_EQ(named("txtResources"), "Resources:");
    const std::vector<QString> chain = TabChain(form.findChild<QWidget*>("rbtnAfter"));
    const std::vector<QString> downTheForm{"rbtnAfter",   "cbxInsertRow", "dtedEntryDate", "cbxStatus",
                                           "cbxPriority", "dtedDueDate",  "dtEdDueTime",   "txtTotalHours",
                                           "txtCost",     "txtResources", "btnOK",         "btnCancel"};
    std::vector<QString> seen;
    for (const QString& name : chain)
        if (std::find(downTheForm.begin(), downTheForm.end(), name) != downTheForm.end()) seen.push_back(name);
    EXPECT_EQ(seen, downTheForm);
}

TEST(DialogAccessibility, FindAndPrintSettingsListsAreNamedAfterTheirLabels) {
    ScriptedDialogs dialogs;
    TGridFindForm find(dialogs);
    EXPECT_EQ(AccessibleName(find.findChild<QComboBox*>("TextToFind")), "Text to find :");
    TGridPrintSettingsForm settings(dialogs);
    std::vector<QString> names;
    for (QComboBox* list : settings.findChildren<QComboBox*>()) names.push_back(AccessibleName(list));
    EXPECT_NE(std::find(names.begin(), names.end(), "Pages Position:"), names.end());
    EXPECT_NE(std::find(names.begin(), names.end(), "Page Orientation:"), names.end());
}

TEST(DialogAccessibility, StatisticsHeadersReadAsTheFirstRowShowsThem) {
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    TfrmStat form(grid, TDate{2026, 12, 8}, TLocaleFormats{});
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(form.stgStat());
    ASSERT_TRUE(table->tableInterface());
    EXPECT_EQ(table->tableInterface()->columnDescription(0), "Item*");
    EXPECT_EQ(table->tableInterface()->columnDescription(1), "Value");
    EXPECT_EQ(table->tableInterface()->rowDescription(1), "Valid Entries");
    EXPECT_EQ(table->text(QAccessible::Name), "Statistics");
}

TEST(DialogAccessibility, AboutLinksAreReachedWithTabAndFollowedWithEnterOrSpace) {
    RecordingShell shell;
    TfrmAbout form(shell);
    form.show();
    QApplication::setActiveWindow(&form);
    form.MailTo1()->setFocus();
    EXPECT_TRUE(form.MailTo1()->hasFocus());
    QTest::keyClick(form.MailTo1(), Qt::Key_Space);
    QTest::keyClick(form.MailTo1(), Qt::Key_Tab);
    ASSERT_TRUE(form.HotLink1()->hasFocus());
    QTest::keyClick(form.HotLink1(), Qt::Key_Return);
    QTest::keyClick(form.HotLink1(), Qt::Key_A);  // other keys do nothing
    EXPECT_EQ(shell.Opened, (std::vector<std::string>{"mailto:taskmere@example.org?SUBJECT=Taskmere",
                                                      "https://taskmere.example.org"}));
    QTest::keyClick(form.HotLink1(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "BitBtn1");
}

}  // namespace
}  // namespace tkm
