#include "tasks/due_status.h"

#include "task_test_support.h"

#include "grid/grid_sorter.h"
#include "platform/fake/fake_clock.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using namespace tkm::testing;

TEST(DueStatusLine, ReadsOverdueDueTodayAndDaysToGoInBothLocales) {
    for (const TLocaleFormats& f : BothLocales()) {
        TBaseGrid grid = TableOf({{"a", "In Progress", "High", DaysFromToday(-1, f)},
                                  {"b", "In Progress", "High", DaysFromToday(0, f)},
                                  {"c", "Not Started", "Normal", DaysFromToday(3, f)},
                                  {"d", "Pending", "Low", DaysFromToday(-40, f)},
                                  {"e", "Pending", "Low", DaysFromToday(1, f)}});
        EXPECT_EQ(UpdateDueStatus(grid, 1, PinnedToday, f), "Days from Due: Overdue by 1 days");
        EXPECT_EQ(UpdateDueStatus(grid, 2, PinnedToday, f), "Days from Due: 1 day (Due today)");
        EXPECT_EQ(UpdateDueStatus(grid, 3, PinnedToday, f), "Days from Due: 4 days");
        EXPECT_EQ(UpdateDueStatus(grid, 4, PinnedToday, f), "Days from Due: Overdue by 40 days");
        EXPECT_EQ(UpdateDueStatus(grid, 5, PinnedToday, f), "Days from Due: 2 days");
    }
    // Across a year end and a leap day.
    EXPECT_EQ(DueStatusText({2028, 3, 1}, {2027, 12, 31}), "Days from Due: 62 days");
}

TEST(DueStatusLine, DueDateThatIsNotADateGivesNoLineAndNoCoupling) {
    TBaseGrid grid = TableOf({{"a", "Completed", "High", "31/02/2026", "40"}, {"b", "In Progress", "", "", "100"}});
    EXPECT_EQ(UpdateDueStatus(grid, 1, PinnedToday, DayFirst()), std::nullopt);
    EXPECT_EQ(grid.GetCellText(colProgress, 1), "40");
    EXPECT_EQ(UpdateDueStatus(grid, 2, PinnedToday, DayFirst()), std::nullopt);
    EXPECT_EQ(grid.GetCellText(colStatus, 2), "In Progress");
    EXPECT_EQ(UpdateDueStatus(grid, 9, PinnedToday, DayFirst()), std::nullopt);
}

TEST(DueLineWatch, FollowsTheCurrentEntryThroughEditsSortsAndMoves) {
    const TLocaleFormats f = DayFirst();
    const FixedClock clock{PinnedToday, {9, 0, 0}};
    TBaseGrid grid = TableOf({{"b", "Pending", "Low", DaysFromToday(-19, f)},
                              {"a", "Pending", "Low", DaysFromToday(365, f)},
                              {"c", "Pending", "Low", "no date"}});
    std::vector<std::string> shown;
    const TDueLineWatch watch(grid, clock, f, [&](const std::string& line) { shown.push_back(line); });
    grid.SetCurrentCell(colDescription, 1);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.back(), "Days from Due: Overdue by 19 days");

    grid.SetCellText(colDueDate, 1, DaysFromToday(2, f));
    EXPECT_EQ(shown.back(), "Days from Due: 3 days");
    grid.SetCellText(colDescription, 1, "b2");  // nothing the line tells changed: a hint stays
    grid.SetCellText(colDueDate, 2, DaysFromToday(5, f));
    EXPECT_EQ(shown.size(), 2u);

    SortByColumn(grid, {.Column = colDescription}, f);  // "a" comes under the cursor
    EXPECT_EQ(grid.GetCellText(colDescription, 1), "a");
    EXPECT_EQ(shown.back(), "Days from Due: 6 days");

    grid.SetCurrentCell(colDescription, 3);
    EXPECT_EQ(shown.back(), "") << "no line of another entry is left standing";
}

TEST(ProgressCoupling, FullProgressCompletesAndCompletedFillsProgress) {
    const TLocaleFormats f = YearFirst();
    const std::string due = DaysFromToday(2, f);
    TBaseGrid grid = TableOf({{"a", "In Progress", "High", due, "100"},
                              {"b", "Completed", "High", due, "30"},
                              {"c", "Pending", "High", due, " +07"},
                              {"d", "completed", "High", due, "99"}});
    for (int r = 1; r <= 4; ++r) EXPECT_TRUE(UpdateDueStatus(grid, r, PinnedToday, f));
    EXPECT_EQ(grid.GetCellText(colStatus, 1), "Completed");
    EXPECT_EQ(grid.GetCellText(colProgress, 2), "100");
    EXPECT_EQ(grid.GetCellText(colProgress, 3), "7");
    EXPECT_EQ(grid.GetCellText(colStatus, 3), "Pending");
    EXPECT_EQ(grid.GetCellText(colStatus, 4), "completed");
    EXPECT_EQ(grid.GetCellText(colProgress, 4), "99");
    // Moving Status away from Completed while Progress stays 100 does not stick.
    grid.SetCellText(colStatus, 1, "Pending");
    UpdateDueStatus(grid, 1, PinnedToday, f);
    EXPECT_EQ(grid.GetCellText(colStatus, 1), "Completed");
}

TEST(ProgressCoupling, ProgressThatIsNotANumberKeepsTheLineAndLeavesBothAlone) {
    const TLocaleFormats f = DayFirst();
    TBaseGrid grid = TableOf({{"a", "Completed", "High", DaysFromToday(0, f), "abc"},
                              {"b", "Completed", "High", DaysFromToday(0, f), ""}});
    for (int r : {1, 2}) {
        const std::string progress = grid.GetCellText(colProgress, r);
        EXPECT_EQ(UpdateDueStatus(grid, r, PinnedToday, f), "Days from Due: 1 day (Due today)");
        EXPECT_EQ(grid.GetCellText(colProgress, r), progress);
        EXPECT_EQ(grid.GetCellText(colStatus, r), "Completed");
    }
}

TEST(ProgressCoupling, OnlyWhileEditTrackingIsOn) {
    const TLocaleFormats f = DayFirst();
    TBaseGrid grid = TableOf({{"a", "In Progress", "High", DaysFromToday(0, f), "100"}});
    EXPECT_EQ(EditStartStatus(false, grid, 1, PinnedToday, f), std::nullopt);
    EXPECT_EQ(grid.GetCellText(colStatus, 1), "In Progress");
    EXPECT_EQ(EditStartStatus(true, grid, 1, PinnedToday, f), "Days from Due: 1 day (Due today)");
    EXPECT_EQ(grid.GetCellText(colStatus, 1), "Completed");
}

}  // namespace
}  // namespace tkm
