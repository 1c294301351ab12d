#include "tasks/task_statistics.h"

#include "task_test_support.h"

#include <gtest/gtest.h>

#include <map>

namespace tkm {
namespace {

using namespace tkm::testing;

// Counts by label; every label appears once, in the report's order.
std::map<std::string_view, int> Counts(const TStatistics& stats) {
    std::map<std::string_view, int> counts;
    for (std::size_t i = 0; i < stats.size(); ++i) {
        EXPECT_EQ(stats[i].Label, Statistics::Labels[i]);
        counts[stats[i].Label] = stats[i].Count;
    }
    return counts;
}

std::map<std::string_view, int> Only(std::map<std::string_view, int> nonZero) {
    std::map<std::string_view, int> all;
    for (auto label : Statistics::Labels) all[label] = 0;
    for (auto [label, count] : nonZero) all[label] = count;
    return all;
}

TEST(Statistics, HeaderRowOnlyCountsNothing) {
    TBaseGrid grid = TableOf({});
    EXPECT_EQ(Counts(CountStatistics(grid, PinnedToday, DayFirst())), Only({}));
    grid.SetRowCount(1);
    EXPECT_EQ(Counts(CountStatistics(grid, PinnedToday, DayFirst())), Only({}));
}

TEST(Statistics, CountsValidActiveAndInWorkEntriesInBothLocales) {
    for (const TLocaleFormats& f : BothLocales()) {
        const TBaseGrid grid = TableOf({
            {"", "Pending", "High", DaysFromToday(0, f)},                // no description: nowhere
            {"a", "Not Started", "High", DaysFromToday(-1, f)},          // overdue, no priority row
            {"b", "Pending", "High", DaysFromToday(0, f)},               // due today
            {"c", "Postponed", "Low", DaysFromToday(-300, f)},           // not active
            {"d", "pending", "Most Important", DaysFromToday(-2, f)},    // other text: in work
            {"e", "", "Lowest", DaysFromToday(1, f)},                    // empty status: in work
            {"f", "In Progress", "normal", DaysFromToday(1, f)},         // priority outside the list
            {"g", "Completed", "Normal", DaysFromToday(-1, f)},
        });
        EXPECT_EQ(Counts(CountStatistics(grid, PinnedToday, f)),
                  Only({{"Valid Entries", 7},
                        {"Due Todays", 1},
                        {"Overdues", 2},
                        {"Most Important Priority**", 1},
                        {"High Priority**", 1},
                        {"Lowest Priority**", 1},
                        {"Not Started", 1},
                        {"In Progress", 1},
                        {"Pending", 1},
                        {"Completed", 1},
                        {"Postponed", 1}}))
            << f.ShortDateFormat;
    }
}

TEST(Statistics, DueDateThatIsNotADateLeavesOnlyTheDueCounts) {
    const TLocaleFormats f = YearFirst();
    const TBaseGrid grid = TableOf({{"a", "Pending", "High", ""},
                                    {"b", "In Progress", "Low", "08/12/2026"},  // the other locale's date
                                    {"c", "Pending", "High", DaysFromToday(0, f)}});
    EXPECT_EQ(Counts(CountStatistics(grid, PinnedToday, f)),
              Only({{"Valid Entries", 3},
                    {"Due Todays", 1},
                    {"High Priority**", 2},
                    {"Low Priority**", 1},
                    {"In Progress", 1},
                    {"Pending", 2}}));
}

}  // namespace
}  // namespace tkm
