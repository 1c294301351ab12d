#include "tasks/task_filter.h"

#include "task_test_support.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using namespace tkm::testing;
using TRows = std::vector<std::uint32_t>;

const TLocaleFormats Formats = DayFirst();
const TFilterContext Context{PinnedToday, Formats};  // a Tuesday

TRows Kept(const TBaseGrid& grid, const TTaskFilter& filter) { return FilterRows(grid, filter, Context); }

TEST(TaskFilter, EveryWordMustBeInSomeShownCell) {
    TBaseGrid grid = TableOf({{.Description = "Send the Invoice"},
                              {.Description = "call Anna", .Priority = "High"},
                              {.Description = "invoice for Anna", .Priority = "High"},
                              {.Description = "Überweisung prüfen"}});
    grid.SetCellText(colComment, 2, "about the INVOICE");
    EXPECT_EQ(Kept(grid, {.Words = "invoice"}), (TRows{1, 2, 3}));
    EXPECT_EQ(Kept(grid, {.Words = "  anna   high "}), (TRows{2, 3}));
    EXPECT_EQ(Kept(grid, {.Words = "anna invoice"}), (TRows{2, 3}));
    EXPECT_EQ(Kept(grid, {.Words = "überweisung"}), (TRows{4}));
    EXPECT_EQ(Kept(grid, {.Words = "Invoice", .MatchCase = true}), (TRows{1}));
    grid.HideColumn(colComment);  // a hidden column's cells are not looked at
    EXPECT_EQ(Kept(grid, {.Words = "invoice"}), (TRows{1, 3}));
    EXPECT_FALSE((TTaskFilter{.Words = "  "}.Active()));
}

TEST(TaskFilter, ShowChoicesByStatusAndDueDate) {
    const TBaseGrid grid = TableOf({
        {.Status = "Completed", .DueDate = DaysFromToday(-3, Formats)},
        {.Status = "Cancelled", .DueDate = DaysFromToday(0, Formats)},
        {.Status = "Postponed", .DueDate = DaysFromToday(-1, Formats)},  // Monday
        {.Status = "In Progress", .DueDate = DaysFromToday(0, Formats)},
        {.Status = "Pending", .DueDate = DaysFromToday(5, Formats)},  // Sunday
        {.Status = "Not Started", .DueDate = DaysFromToday(6, Formats)},  // next Monday
        {.Status = "Not Started", .DueDate = "tomorrow"},
        {.Status = "In Progress", .DueDate = DaysFromToday(-2, Formats)},  // last Sunday
    });
    EXPECT_EQ(Kept(grid, {.Show = TShowChoice::All}).size(), 8u);
    EXPECT_EQ(Kept(grid, {.Show = TShowChoice::Open}), (TRows{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Kept(grid, {.Show = TShowChoice::DueToday}), (TRows{2, 4}));
    EXPECT_EQ(Kept(grid, {.Show = TShowChoice::Overdue}), (TRows{3, 8}));
    EXPECT_EQ(Kept(grid, {.Show = TShowChoice::DueThisWeek}), (TRows{2, 3, 4, 5}));
    EXPECT_EQ(Kept(grid, {.Words = "task", .Show = TShowChoice::Overdue}), (TRows{3, 8}));
}

// Typing on narrows from the rows shown, yet ends where filtering afresh does;
// taking letters back brings the rows back.
TEST(TaskFilter, TypingNarrowsAndBackspaceWidens) {
    TBaseGrid grid = TableOf({{.Description = "invoice"}, {.Description = "invite"}, {.Description = "inn"},
                              {.Description = "other"}});
    TViewFilter view;
    view.Apply(grid, {.Words = "in"}, Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1, 2, 3}));
    grid.InsertRows(5, 1);  // a new entry is shown, matching or not
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1, 2, 3, 5}));
    view.Apply(grid, {.Words = "invo"}, Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1}));
    EXPECT_EQ(grid.ShownDataRows(), Kept(grid, {.Words = "invo"}));
    view.Apply(grid, {.Words = "invo", .Show = TShowChoice::Open}, Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1}));
    view.Apply(grid, {.Words = "i"}, Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1, 2, 3}));
    view.Apply(grid, {}, Context);
    EXPECT_FALSE(grid.RowsFiltered());
    EXPECT_TRUE(Narrows({.Words = "in"}, {.Words = "in v"}));
    EXPECT_FALSE(Narrows({.Words = "in"}, {.Words = "in", .MatchCase = true}));
}

// Big lists are split between threads: the rows come back whole and in order.
TEST(TaskFilter, ALongListKeepsTableOrder) {
    std::vector<TEntry> entries(120'000);
    for (std::size_t i = 0; i < entries.size(); i += 7) entries[i].Description = "match " + std::to_string(i);
    const TBaseGrid grid = TableOf(entries);
    const TRows kept = Kept(grid, {.Words = "MATCH"});
    ASSERT_EQ(kept.size(), (entries.size() + 6) / 7);
    for (std::size_t k = 0; k < kept.size(); ++k) ASSERT_EQ(kept[k], std::uint32_t(k * 7 + 1));
}

}  // namespace
}  // namespace tkm
