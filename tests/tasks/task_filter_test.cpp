#include "tasks/task_filter.h"

#include "task_test_support.h"

#include "base/translatable.h"
#include "grid/cell_matcher.h"
#include "grid/find_cell.h"
#include "grid/io/shown_columns.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <condition_variable>
#include <mutex>
#include <sstream>

namespace tkm {
namespace {

using namespace tkm::testing;
using TRows = std::vector<std::uint32_t>;

const TLocaleFormats Formats = DayFirst();
const TFilterContext Context{PinnedToday, Formats};  // a Tuesday

TRows Kept(const TBaseGrid& grid, const TTaskFilter& filter) { return FilterRows(grid, filter, Context); }

TTaskFilter Words(std::string words, bool matchCase = false) {
    TTaskFilter filter;
    filter.Words = std::move(words);
    filter.MatchCase = matchCase;
    return filter;
}
TTaskFilter Showing(TShowChoice show, std::string words = {}) {
    TTaskFilter filter = Words(std::move(words));
    filter.Show = show;
    return filter;
}
TEntry Described(std::string description, std::string priority = "Normal") {
    TEntry entry;
    entry.Description = std::move(description);
    entry.Priority = std::move(priority);
    return entry;
}
TEntry Due(std::string status, std::string date) {
    TEntry entry;
    entry.Status = std::move(status);
    entry.DueDate = std::move(date);
    return entry;
}

TEST(TaskFilter, EveryWordMustBeInSomeShownCell) {
    TBaseGrid grid = TableOf({Described("Send the Invoice"),
                              Described("call Anna", "High"),
                              Described("invoice for Anna", "High"),
                              Described("Überweisung prüfen")});
    grid.SetCellText(colComment, 2, "about the INVOICE");
    EXPECT_EQ(Kept(grid, Words("invoice")), (TRows{1, 2, 3}));
    EXPECT_EQ(Kept(grid, Words("  anna   high ")), (TRows{2, 3}));
    EXPECT_EQ(Kept(grid, Words("anna invoice")), (TRows{2, 3}));
    EXPECT_EQ(Kept(grid, Words("überweisung")), (TRows{4}));
    EXPECT_EQ(Kept(grid, Words("Invoice", true)), (TRows{1}));
    grid.HideColumn(colComment);  // a hidden column's cells are not looked at
    EXPECT_EQ(Kept(grid, Words("invoice")), (TRows{1, 3}));
    EXPECT_FALSE(Words("  ").Active());
}

TEST(TaskFilter, ShowChoicesByStatusAndDueDate) {
    const TBaseGrid grid = TableOf({
        Due("Completed", DaysFromToday(-3, Formats)),
        Due("Cancelled", DaysFromToday(0, Formats)),
        Due("Postponed", DaysFromToday(-1, Formats)),  // Monday
        Due("In Progress", DaysFromToday(0, Formats)),
        Due("Pending", DaysFromToday(5, Formats)),  // Sunday
        Due("Not Started", DaysFromToday(6, Formats)),  // next Monday
        Due("Not Started", "tomorrow"),
        Due("In Progress", DaysFromToday(-2, Formats)),  // last Sunday
    });
    EXPECT_EQ(Kept(grid, Showing(TShowChoice::All)).size(), 8u);
    EXPECT_EQ(Kept(grid, Showing(TShowChoice::Open)), (TRows{3, 4, 5, 6, 7, 8}));
    EXPECT_EQ(Kept(grid, Showing(TShowChoice::DueToday)), (TRows{2, 4}));
    EXPECT_EQ(Kept(grid, Showing(TShowChoice::Overdue)), (TRows{3, 8}));
    EXPECT_EQ(Kept(grid, Showing(TShowChoice::DueThisWeek)), (TRows{2, 3, 4, 5}));
    EXPECT_EQ(Kept(grid, Showing(TShowChoice::Overdue, "task")), (TRows{3, 8}));
}

std::string InGerman(const char*, const char* text) {
    const std::string english = text;
    if (english == "Completed") return "Erledigt";
    if (english == "High") return "Hoch";
    if (english == "Priority") return "Priorität";
    return english;
}

// The window shows statuses, priorities and headings translated: the filter
// and Find look for what the user reads, and still for what the file holds.
TEST(TaskFilter, TranslatedWordsAreFoundAsTheWindowShowsThem) {
    TBaseGrid grid = TableOf({Due("Completed", ""), Described("call Anna", "High"), Described("Hochzeit")});
    SetTextTranslator(&InGerman);
    EXPECT_EQ(Kept(grid, Words("erledigt")), (TRows{1}));
    EXPECT_EQ(Kept(grid, Words("hoch")), (TRows{2, 3}));
    EXPECT_EQ(Kept(grid, Words("Hoch anna")), (TRows{2}));
    EXPECT_EQ(Kept(grid, Words("completed")), (TRows{1}));
    EXPECT_EQ(Kept(grid, Words("Erledigt", true)), (TRows{1}));
    EXPECT_EQ(Kept(grid, Words("erledigt", true)), TRows{});
    TFindOptions options;
    EXPECT_EQ(FindCell(grid, {}, "erledigt", options, {}, TaskTable::ShownWords()),
              (TGridCoord{grid.RealToDisplay(colStatus), 1}));
    options.Set(TFindOption::IncludeFixedCells, true);
    EXPECT_EQ(FindCell(grid, {}, "priorit\xC3\xA4t", options, {}, TaskTable::ShownWords()),
              (TGridCoord{grid.RealToDisplay(colPriority), 0}));
    grid.HideColumn(colStatus);
    EXPECT_EQ(Kept(grid, Words("erledigt")), TRows{});
    SetTextTranslator(nullptr);
    EXPECT_EQ(Kept(grid, Words("hoch")), (TRows{3}));
}

// Typing on narrows from the rows shown, yet ends where filtering afresh does;
// taking letters back brings the rows back.
TEST(TaskFilter, TypingNarrowsAndBackspaceWidens) {
    TBaseGrid grid = TableOf({Described("invoice"), Described("invite"), Described("inn"),
                              Described("other")});
    TViewFilter view(grid);
    view.Apply(Words("in"), Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1, 2, 3}));
    grid.InsertRows(5, 1);  // a new entry is shown, matching or not
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1, 2, 3, 5}));
    view.Apply(Words("invo"), Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1}));
    EXPECT_EQ(grid.ShownDataRows(), Kept(grid, Words("invo")));
    view.Apply(Showing(TShowChoice::Open, "invo"), Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1}));
    view.Apply(Words("i"), Context);
    EXPECT_EQ(grid.ShownDataRows(), (TRows{1, 2, 3}));
    view.Apply({}, Context);
    EXPECT_FALSE(grid.RowsFiltered());
    EXPECT_TRUE(Narrows(Words("in"), Words("in v")));
    EXPECT_FALSE(Narrows(Words("in"), Words("in", true)));
}

// Big lists are split between threads: the rows come back whole and in order.
TEST(TaskFilter, ALongListKeepsTableOrder) {
    std::vector<TEntry> entries(120'000);
    for (std::size_t i = 0; i < entries.size(); i += 7) entries[i].Description = "match " + std::to_string(i);
    const TBaseGrid grid = TableOf(entries);
    const TRows kept = Kept(grid, Words("MATCH"));
    ASSERT_EQ(kept.size(), (entries.size() + 6) / 7);
    for (std::size_t k = 0; k < kept.size(); ++k) ASSERT_EQ(kept[k], std::uint32_t(k * 7 + 1));
}

// Tells which background runs have ended, as the worker thread reports them.
class TRunLog {
public:
    TViewFilter::TFinished Recorder() {
        return [this](std::uint64_t run) {
            const std::lock_guard lock(mutex_);
            ended_.push_back(run);
            changed_.notify_all();
        };
    }
    // The run that ended as the `n`th (from 1), once it has.
    std::uint64_t Ended(std::size_t n) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return ended_.size() >= n; });
        return ended_[n - 1];
    }

private:
    std::mutex mutex_;
    std::condition_variable changed_;
    std::vector<std::uint64_t> ended_;
};

// Rows worked out for older words, or from the grid as it was before a
// change, are never shown; the newest words are, on the grid as it is.
TEST(TaskFilter, InTheBackgroundOnlyTheNewestWordsOnTheGridAsItIsAreShown) {
    std::vector<TEntry> entries(50'000);
    for (std::size_t i = 0; i < entries.size(); i += 10) entries[i].Description = "invoice " + std::to_string(i);
    entries[5].Description = "other";
    TBaseGrid grid = TableOf(entries);
    TRunLog log;
    TViewFilter view(grid);
    view.FilterInBackground(10, log.Recorder());

    EXPECT_FALSE(view.Apply(Words("invoice"), Context));
    EXPECT_FALSE(view.Apply(Words("other"), Context));
    EXPECT_FALSE(view.Finish(log.Ended(1)));  // the older words
    EXPECT_FALSE(grid.RowsFiltered());
    EXPECT_TRUE(view.Finish(log.Ended(2)));
    EXPECT_EQ(grid.ShownDataRows(), (TRows{6}));

    // Words that narrow the few rows shown apply at once: the older run ends
    // unseen, as does one that clearing the words outran.
    EXPECT_FALSE(view.Apply(Words("o"), Context));
    EXPECT_TRUE(view.Apply(Words("other"), Context));
    EXPECT_FALSE(view.Finish(log.Ended(3)));
    EXPECT_EQ(grid.ShownDataRows(), (TRows{6}));
    EXPECT_FALSE(view.Apply(Words("o"), Context));
    EXPECT_TRUE(view.Apply({}, Context));
    EXPECT_FALSE(view.Finish(log.Ended(4)));
    EXPECT_FALSE(view.Busy());
    EXPECT_FALSE(grid.RowsFiltered());

    // A change while it runs stops it; it runs again on the changed grid.
    EXPECT_FALSE(view.Apply(Words("invoice"), Context));
    grid.SetCellText(colDescription, 6, "invoice as well");
    EXPECT_FALSE(view.Finish(log.Ended(5)));
    EXPECT_TRUE(view.Busy());
    EXPECT_TRUE(view.Finish(log.Ended(6)));
    EXPECT_EQ(grid.ShownDataRows(), Kept(grid, Words("invoice")));
    EXPECT_EQ(grid.ShownDataRows().size(), entries.size() / 10 + 1);
}

// The filter as the plain words say it: each word matched against each shown cell in turn.
TRows CellByCell(const TBaseGrid& grid, const TTaskFilter& filter) {
    std::vector<TCellMatcher> words;
    std::istringstream split(filter.Words);
    for (std::string word; split >> word;)
        words.emplace_back(word, TFindOptions().Set(TFindOption::MatchCase, filter.MatchCase));
    const std::vector<TShownColumn> columns = ShownColumns(grid);
    TRows rows;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        const bool kept = std::all_of(words.begin(), words.end(), [&](TCellMatcher& word) {
            return std::any_of(columns.begin(), columns.end(),
                               [&](const TShownColumn& c) { return word.Matches(grid.CellView(c.Real, r)); });
        });
        if (kept) rows.push_back(std::uint32_t(r));
    }
    return rows;
}

// A list long enough to be shared out between threads, whose words also run
// across two cells ("... in" + "Normal"), sit in a hidden column, or hold
// letters beyond ASCII in UTF-8 and in Windows-1252.
TEST(TaskFilter, ALongListIsFilteredAsCellByCell) {
    constexpr std::array<const char*, 8> Pieces{"Send the invoice", "check it in", "Pr\xC3\xBC" "fen",
                                                "PR\xC3\x9C" "FEN", "caf\xE9", "Invoice", "low", "plain"};
    constexpr std::array<const char*, 4> Priorities{"Normal", "High", "Low", "Lowest"};
    std::vector<TEntry> entries(40'000);
    std::uint32_t seed = 7;
    const auto next = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (TEntry& entry : entries) {
        entry.Description = std::string(Pieces[next() % Pieces.size()]) + " " + Pieces[next() % Pieces.size()];
        entry.Priority = Priorities[next() % Priorities.size()];
    }
    TBaseGrid grid = TableOf(entries);
    for (int r = 1; r < grid.RowCount(); r += 5) grid.SetCellText(colComment, r, "waiting for the invoice");
    grid.HideColumn(colComment);
    for (const char* words : {"invoice", "Invoice", "innor", "in nor", "low", "pr\xC3\xBC" "fen", "PR\xC3\x9C" "FEN",
                              "caf\xC3\xA9", "e", "plain high", "zzz"}) {
        for (const bool matchCase : {false, true}) {
            const TTaskFilter filter = Words(words, matchCase);
            ASSERT_EQ(Kept(grid, filter), CellByCell(grid, filter)) << words << (matchCase ? " with case" : "");
        }
    }
}

// Find's Match case decides for the bar too: "É" finds "é" only without it;
// an accent is never dropped, with or without it.
TEST(TaskFilter, MatchCaseDecidesForAccentedLettersToo) {
    const TBaseGrid grid = TableOf({Described("Caf\xC3\xA9 opening"), Described("CAF\xC3\x89 menu"), Described("cafe")});
    EXPECT_EQ(Kept(grid, Words("caf\xC3\xA9")), (TRows{1, 2}));
    EXPECT_EQ(Kept(grid, Words("caf\xC3\xA9", true)), TRows{});
    EXPECT_EQ(Kept(grid, Words("CAF\xC3\x89", true)), (TRows{2}));
    EXPECT_EQ(Kept(grid, Words("cafe")), (TRows{3}));
    EXPECT_EQ(Kept(grid, Words("Cafe", true)), TRows{});
}

}  // namespace
}  // namespace tkm
