#include "tasks/task_sort.h"

#include "task_test_support.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using namespace tkm::testing;
using TTexts = std::vector<std::string>;

TTexts Column(const TBaseGrid& grid, int col) {
    TTexts texts;
    for (int r = 1; r < grid.RowCount(); ++r) texts.push_back(grid.GetCellText(col, r));
    return texts;
}

TBaseGrid WithColumn(int col, const TTexts& texts) {
    TBaseGrid grid = TableOf(std::vector<TEntry>(texts.size()));
    for (std::size_t i = 0; i < texts.size(); ++i) grid.SetCellText(col, int(i) + 1, texts[i]);
    return grid;
}

void Sort(TBaseGrid& grid, int col, TSortDirection direction, const TLocaleFormats& formats = DayFirst()) {
    SortTaskTable(grid, {.Column = col, .Direction = direction}, formats);
}

TEST(TaskSort, PrioritiesAndStatusesComeInTheirVocabularysOrder) {
    TBaseGrid grid = WithColumn(colPriority, {"Low", "Zzz", "Most Important", "", "Normal", "Lowest", "High", "Abc"});
    Sort(grid, colPriority, TSortDirection::sdAscending);
    EXPECT_EQ(Column(grid, colPriority),
              (TTexts{"Most Important", "High", "Normal", "Low", "Lowest", "", "Abc", "Zzz"}));
    Sort(grid, colPriority, TSortDirection::sdDescending);
    EXPECT_EQ(Column(grid, colPriority),
              (TTexts{"Zzz", "Abc", "", "Lowest", "Low", "Normal", "High", "Most Important"}));

    grid = WithColumn(colStatus, {"Postponed", "Completed", "Not Started", "Waiting", "Pending", "In Progress",
                                  "Cancelled"});
    Sort(grid, colStatus, TSortDirection::sdAscending);
    EXPECT_EQ(Column(grid, colStatus), (TTexts{"Not Started", "In Progress", "Pending", "Completed", "Cancelled",
                                               "Postponed", "Waiting"}));
}

// Equal priorities are ordered by the columns to their right, as every sort is.
TEST(TaskSort, TiesAreSettledByTheColumnsToTheRight) {
    TBaseGrid grid = WithColumn(colPriority, {"High", "Most Important", "High", "High"});
    const TTexts due{"03/01/2027", "01/01/2027", "10/12/2026", "02/01/2027"};
    for (int r = 1; r <= 4; ++r) grid.SetCellText(colDueDate, r, due[std::size_t(r - 1)]);
    Sort(grid, colPriority, TSortDirection::sdAscending);
    EXPECT_EQ(Column(grid, colDueDate), (TTexts{"01/01/2027", "10/12/2026", "02/01/2027", "03/01/2027"}));
}

TEST(TaskSort, TimesSortAsTimesInEitherClock) {
    TBaseGrid grid = WithColumn(colDueTime, {"18:00:00", "8:00:00", "", "noon", "08:30:00"});
    Sort(grid, colDueTime, TSortDirection::sdAscending);
    EXPECT_EQ(Column(grid, colDueTime), (TTexts{"", "8:00:00", "08:30:00", "18:00:00", "noon"}));

    TLocaleFormats us;
    us.ShortDateFormat = "M/d/yyyy";
    us.LongTimeFormat = "h:nn:ss AM/PM";
    grid = WithColumn(colCompletionTime, {"6:00:00 PM", "12:30:00 AM", "8:00:00 AM", "11:00:00 AM"});
    Sort(grid, colCompletionTime, TSortDirection::sdAscending, us);
    EXPECT_EQ(Column(grid, colCompletionTime), (TTexts{"12:30:00 AM", "8:00:00 AM", "11:00:00 AM", "6:00:00 PM"}));
}

}  // namespace
}  // namespace tkm
