#include "tasks/due_reminders.h"

#include "settings/ini_document.h"
#include "tasks/task_test_support.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using namespace tkm::testing;

const TLocaleFormats Formats = DayFirst();
const TDate Tomorrow = TDate::FromDayNumber(PinnedToday.DayNumber() + 1);

TEST(DueRemindersTest, EachDueOrOverdueEntryIsRemindedOfOncePerDay) {
    TBaseGrid grid = TableOf({{"Plan", "Not Started", "Normal", DaysFromToday(1, Formats)},
                              {"Write report", "In Progress", "Normal", DaysFromToday(0, Formats)},
                              {"Call Bob", "Pending", "Normal", DaysFromToday(-3, Formats)},
                              {"Filed", "Completed", "Normal", DaysFromToday(-2, Formats)},
                              {"Dropped", "Cancelled", "Normal", DaysFromToday(-2, Formats)},
                              {"Someday", "Not Started", "Normal", "soon"},
                              {"Open", "Not Started", "Normal", ""},
                              {"", "Not Started", "Normal", DaysFromToday(0, Formats)}});  // just added
    TDueReminders reminders;
    auto reminder = reminders.Check(grid, PinnedToday, Formats);
    ASSERT_TRUE(reminder);
    EXPECT_EQ(reminder->Text, "2 entries are due today or overdue");
    EXPECT_EQ(reminder->Row, 2);  // a click leads to the first of them
    EXPECT_FALSE(reminders.Check(grid, PinnedToday, Formats));

    grid.SetCellText(colStatus, 1, "In Progress");  // not due yet: still nothing
    grid.SetCellText(colDueDate, 5, DaysFromToday(-1, Formats));
    grid.SetCellText(colStatus, 5, "Postponed");
    reminder = reminders.Check(grid, PinnedToday, Formats);
    ASSERT_TRUE(reminder);
    EXPECT_EQ(reminder->Text, "Overdue by 1 day: Dropped");
    EXPECT_EQ(reminder->Row, 5);

    // A new day reminds of everything still open once more.
    reminder = reminders.Check(grid, Tomorrow, Formats);
    ASSERT_TRUE(reminder);
    EXPECT_EQ(reminder->Text, "4 entries are due today or overdue");
}

TEST(DueRemindersTest, OneEntryIsNamedAndTheSwitchIsKeptInItsSection) {
    TBaseGrid grid = TableOf({{"Call Bob", "Pending", "Normal", DaysFromToday(-3, Formats)}});
    TDueReminders reminders;
    reminders.SetEnabled(false);
    EXPECT_FALSE(reminders.Check(grid, PinnedToday, Formats));
    TIniDocument ini;
    reminders.StoreTo(ini, "TKM\\Reminders");
    EXPECT_EQ(ini.ReadString("TKM\\Reminders", "Enabled", ""), "0");

    TDueReminders loaded;
    loaded.LoadFrom(TIniDocument{}, "TKM\\Reminders");
    EXPECT_TRUE(loaded.Enabled());  // on unless switched off
    loaded.LoadFrom(ini, "TKM\\Reminders");
    EXPECT_FALSE(loaded.Enabled());
    loaded.SetEnabled(true);
    EXPECT_EQ(loaded.Check(grid, PinnedToday, Formats)->Text, "Overdue by 3 days: Call Bob");
    grid.SetCellText(colDueDate, 1, DaysFromToday(0, Formats));  // another due date: another reminder
    EXPECT_EQ(loaded.Check(grid, PinnedToday, Formats)->Text, "Due today: Call Bob");
}

}  // namespace
}  // namespace tkm
