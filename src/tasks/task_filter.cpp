#include "tasks/task_filter.h"

#include "base/ordered_batches.h"
#include "base/translatable.h"
#include "grid/ascii_search.h"
#include "grid/base_grid.h"
#include "grid/cell_matcher.h"
#include "grid/io/shown_columns.h"
#include "tasks/task_table.h"
#include "tasks/task_vocabulary.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <span>

namespace tkm {

namespace {

std::vector<std::string> SplitWords(std::string_view text) {
    std::vector<std::string> words;
    std::size_t i = 0;
    while (i < text.size()) {
        while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
        const std::size_t start = i;
        while (i < text.size() && text[i] != ' ' && text[i] != '\t') ++i;
        if (i > start) words.emplace_back(text.substr(start, i - start));
    }
    return words;
}

bool IsOpen(std::string_view status) {
    const TStatus s = StatusOf(status);
    return s != TStatus::Completed && s != TStatus::Cancelled;
}

// The Show choice on one entry.
class TShowTest {
public:
    TShowTest(TShowChoice choice, const TFilterContext& context)
        : choice_(choice), formats_(context.Formats), today_(context.Today.DayNumber()),
          // DayNumber 0 (1 January 1970) was a Thursday.
          monday_(today_ - (today_ % 7 + 7 + 3) % 7) {}

    // Whether Keeps reads the row at all.
    bool LooksAtCells() const { return choice_ != TShowChoice::All; }

    bool Keeps(std::span<const std::string_view> cells) const {
        switch (choice_) {
        case TShowChoice::All: return true;
        case TShowChoice::Open: return IsOpen(cells[colStatus]);
        case TShowChoice::DueToday: return Due(cells) == today_;
        case TShowChoice::Overdue: {
            const auto due = Due(cells);
            return due && *due < today_ && IsOpen(cells[colStatus]);
        }
        case TShowChoice::DueThisWeek: {
            const auto due = Due(cells);
            return due && *due >= monday_ && *due < monday_ + 7;
        }
        }
        return true;
    }

private:
    std::optional<long long> Due(std::span<const std::string_view> cells) const {
        const auto date = ParseDate(cells[colDueDate], formats_);
        if (!date) return std::nullopt;
        return date->DayNumber();
    }

    TShowChoice choice_;
    const TLocaleFormats& formats_;
    long long today_;
    long long monday_;
};

// Tests rows against the filter; one per batch of rows, the matchers keep buffers.
class TRowTest {
public:
    TRowTest(const TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context,
             std::span<const TShownWord> shownWords)
        : grid_(grid), show_(filter.Show, context), cells_(std::size_t(grid.RealColCount())), shown_(cells_.size()) {
        TFindOptions options;
        options.Set(TFindOption::MatchCase, filter.MatchCase);
        for (const std::string& word : SplitWords(filter.Words)) {
            TCellMatcher matcher(word, options);
            if (TAsciiSearch::IsAscii(word)) {
                asciiWords_.emplace_back(word, filter.MatchCase);
                asciiShownWords_.emplace_back(shownWords, matcher);
            } else {
                otherShownWords_.emplace_back(shownWords, matcher);
                otherWords_.push_back(std::move(matcher));
            }
        }
        for (const TShownColumn& column : ShownColumns(grid)) {
            columns_.push_back(std::size_t(column.Real));
            shown_[std::size_t(column.Real)] = true;
        }
    }

    bool Keeps(int row) {
        cellsRead_ = false;
        if (show_.LooksAtCells() && cells_.size() > std::size_t(colDueDate) && !show_.Keeps(Cells(row))) return false;
        // An ASCII word is looked for in all the row's bytes at once: most rows
        // are settled by that one look.
        const std::string_view bytes = grid_.RowTextView(row);
        for (std::size_t w = 0; w < asciiWords_.size(); ++w)
            if (!InShownCell(row, bytes, asciiWords_[w]) && !InShownWord(row, asciiShownWords_[w])) return false;
        // A word with other letters reads each cell by its own encoding.
        for (std::size_t w = 0; w < otherWords_.size(); ++w) {
            const std::span<const std::string_view> cells = Cells(row);
            if (std::none_of(columns_.begin(), columns_.end(),
                             [&](std::size_t c) { return otherWords_[w].Matches(cells[c]); }) &&
                !InShownWord(row, otherShownWords_[w]))
                return false;
        }
        return true;
    }

private:
    std::span<const std::string_view> Cells(int row) {
        if (!cellsRead_) grid_.RowView(row, cells_);
        cellsRead_ = true;
        return cells_;
    }

    // Whether the word lies whole within one shown cell of the row: a match
    // may also run across two cells, or lie in a hidden column.
    bool InShownCell(int row, std::string_view bytes, const TAsciiSearch& word) const {
        for (std::size_t at = word.Find(bytes); at != TAsciiSearch::NotFound; at = word.Find(bytes, at + 1)) {
            const TTextArena::TCellPlace place = grid_.CellHolding(row, at);
            if (place.Cell < shown_.size() && shown_[place.Cell] && at + word.Size() <= place.End) return true;
        }
        return false;
    }

    // Whether a shown cell holds a word the window shows translated, as found.
    bool InShownWord(int row, const TShownWordMatches& matches) {
        if (matches.Empty()) return false;
        const std::span<const std::string_view> cells = Cells(row);
        return std::any_of(columns_.begin(), columns_.end(),
                           [&](std::size_t c) { return matches.Matches(int(c), false, cells[c]); });
    }

    const TBaseGrid& grid_;
    TShowTest show_;
    std::vector<TAsciiSearch> asciiWords_;
    std::vector<TCellMatcher> otherWords_;
    std::vector<TShownWordMatches> asciiShownWords_;  // by word, as asciiWords_
    std::vector<TShownWordMatches> otherShownWords_;
    std::vector<std::size_t> columns_;
    std::vector<std::string_view> cells_;
    std::vector<bool> shown_;  // by real column
    bool cellsRead_ = false;
};

// Of the rows rowAt(0) to rowAt(count - 1), those the filter keeps, in their order.
template <typename RowAt>
std::vector<std::uint32_t> KeptRows(const TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context,
                                    std::size_t count, RowAt rowAt, const std::stop_token& stop) {
    // Big lists are shared out between the cores in blocks; the grid is only
    // read meanwhile, and a list of one block stays on this thread.
    constexpr std::size_t RowsPerBlock = 16'384;
    const std::size_t blocks = (count + RowsPerBlock - 1) / RowsPerBlock;
    std::vector<std::uint32_t> rows;
    const std::vector<TShownWord> shownWords = TaskTable::ShownWords();
    ProduceInOrder<std::vector<std::uint32_t>>(
        blocks,
        [&](std::size_t block) {
            std::vector<std::uint32_t> kept;
            if (stop.stop_requested()) return kept;
            TRowTest test(grid, filter, context, shownWords);
            for (std::size_t i = block * RowsPerBlock; i < std::min(count, (block + 1) * RowsPerBlock); ++i)
                if (const std::uint32_t row = rowAt(i); test.Keeps(int(row))) kept.push_back(row);
            return kept;
        },
        [&](std::size_t, std::vector<std::uint32_t>&& kept) { rows.insert(rows.end(), kept.begin(), kept.end()); },
        1);
    return rows;
}

}  // namespace

bool TTaskFilter::Active() const {
    return Show != TShowChoice::All || !SplitWords(Words).empty();
}

bool Narrows(const TTaskFilter& previous, const TTaskFilter& next) {
    return previous.Show == next.Show && previous.MatchCase == next.MatchCase &&
           next.Words.starts_with(previous.Words);
}

std::vector<std::uint32_t> FilterRows(const TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context,
                                      const std::vector<std::uint32_t>* candidates, std::stop_token stop) {
    if (candidates)
        return KeptRows(
            grid, filter, context, candidates->size(), [&](std::size_t i) { return (*candidates)[i]; }, stop);
    const int first = std::min(grid.FixedRows(), grid.RowCount());
    return KeptRows(
        grid, filter, context, std::size_t(grid.RowCount() - first),
        [&](std::size_t i) { return std::uint32_t(first + int(i)); }, stop);
}

std::string ShownEntriesText(const TBaseGrid& grid) {
    const int fixed = std::min(grid.FixedRows(), grid.RowCount());
    const int all = grid.RowCount() - fixed;
    const int shown = grid.ShownRowCount() - fixed;
    return FillText(all == 1 ? TKM_TR("Filter", "%1 of %2 entry shown") : TKM_TR("Filter", "%1 of %2 entries shown"),
                    {std::to_string(shown), std::to_string(all)});
}

// One background run: what it looks for, on which rows, and what it found.
// The worker writes Rows and Complete; the grid's thread reads them once the
// worker has ended.
struct TViewFilter::TRun {
    std::uint64_t Id = 0;
    TTaskFilter Filter;
    TDate Today;
    TLocaleFormats Formats;
    std::optional<std::vector<std::uint32_t>> Candidates;
    std::uint64_t Revision = 0;  // of the grid when it began
    std::vector<std::uint32_t> Rows;
    bool Complete = false;
    std::exception_ptr Failure;
};

TViewFilter::TViewFilter(TBaseGrid& grid) : grid_(grid) {}

TViewFilter::~TViewFilter() {
    closing_ = true;
    StopRun();
    grid_.SetBackgroundReader(nullptr);
}

void TViewFilter::FilterInBackground(std::size_t rows, TFinished finished) {
    backgroundRows_ = rows;
    finished_ = std::move(finished);
    grid_.SetBackgroundReader(this);
}

std::optional<std::vector<std::uint32_t>> TViewFilter::Candidates(const TTaskFilter& filter) const {
    if (grid_.RowsFiltered() && shown_.Active() && Narrows(shown_, filter)) return grid_.ShownDataRows();
    return std::nullopt;
}

bool TViewFilter::Apply(const TTaskFilter& filter, const TFilterContext& context) {
    StopRun();
    wanted_ = filter;
    if (!filter.Active()) {
        grid_.ShowAllRows();
        shown_ = filter;
        return true;
    }
    std::optional<std::vector<std::uint32_t>> candidates = Candidates(filter);
    const std::size_t looked =
        candidates ? candidates->size() : std::size_t(grid_.RowCount() - std::min(grid_.FixedRows(), grid_.RowCount()));
    if (looked > backgroundRows_) {
        Start(filter, context, std::move(candidates));
        return false;
    }
    grid_.ShowOnlyRows(FilterRows(grid_, filter, context, candidates ? &*candidates : nullptr));
    shown_ = filter;
    return true;
}

void TViewFilter::Start(const TTaskFilter& filter, const TFilterContext& context,
                        std::optional<std::vector<std::uint32_t>> candidates) {
    run_ = std::make_unique<TRun>();
    run_->Id = ++runs_;
    run_->Filter = filter;
    run_->Today = context.Today;
    run_->Formats = context.Formats;
    run_->Candidates = std::move(candidates);
    run_->Revision = grid_.Revision();
    worker_ = std::jthread([this, run = run_.get()](std::stop_token stop) {
        try {
            std::vector<std::uint32_t> rows =
                FilterRows(grid_, run->Filter, {run->Today, run->Formats}, run->Candidates ? &*run->Candidates : nullptr,
                           stop);
            if (!stop.stop_requested()) {
                run->Rows = std::move(rows);
                run->Complete = true;
            }
        } catch (...) {
            run->Failure = std::current_exception();
        }
        if (!closing_) finished_(run->Id);
    });
}

bool TViewFilter::Finish(std::uint64_t run) {
    if (!run_ || run_->Id != run) return false;
    if (worker_.joinable()) worker_.join();
    std::unique_ptr<TRun> done = std::move(run_);
    if (done->Failure) std::rethrow_exception(done->Failure);
    // The grid changed under it: the rows it shows may be others now.
    if (!done->Complete || done->Revision != grid_.Revision()) return Apply(done->Filter, {done->Today, done->Formats});
    grid_.ShowOnlyRows(done->Rows);
    shown_ = done->Filter;
    return true;
}

// A change to the grid is about to be made: the run ends, and its owner,
// told so, runs it again.
void TViewFilter::StopReading() {
    if (!worker_.joinable()) return;
    worker_.request_stop();
    worker_.join();
}

// A newer filter replaces the run.
void TViewFilter::StopRun() {
    StopReading();
    run_.reset();
}

}  // namespace tkm
