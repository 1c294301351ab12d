#include "tasks/task_filter.h"

#include "base/translatable.h"
#include "grid/base_grid.h"
#include "grid/cell_matcher.h"
#include "grid/io/shown_columns.h"
#include "tasks/task_table.h"
#include "tasks/task_vocabulary.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <thread>

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

// Tests rows against the filter; one per thread, the matchers keep buffers.
class TRowTest {
public:
    TRowTest(const TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context)
        : grid_(grid), show_(filter.Show, context), cells_(std::size_t(grid.RealColCount())) {
        TFindOptions options;
        options.Set(TFindOption::MatchCase, filter.MatchCase);
        for (const std::string& word : SplitWords(filter.Words)) {
            matchers_.emplace_back(word, options);
            asciiWords_.push_back(std::all_of(word.begin(), word.end(), [](char c) { return (c & 0x80) == 0; }));
        }
        for (const TShownColumn& column : ShownColumns(grid)) columns_.push_back(std::size_t(column.Real));
    }

    bool Keeps(int row) {
        grid_.RowView(row, cells_);
        if (cells_.size() > std::size_t(colDueDate) && !show_.Keeps(cells_)) return false;
        const std::string_view bytes = RowBytes();
        for (std::size_t w = 0; w < matchers_.size(); ++w) {
            TCellMatcher& matcher = matchers_[w];
            // A word found in none of the row's bytes is in none of its cells: most
            // rows are settled by one look at them. Only ASCII words: a word with
            // other letters reads each cell by its own encoding.
            if (asciiWords_[w] && !matcher.Matches(bytes)) return false;
            const bool found =
                std::any_of(columns_.begin(), columns_.end(), [&](std::size_t c) { return matcher.Matches(cells_[c]); });
            if (!found) return false;
        }
        return true;
    }

private:
    // A row's cells lie one after the other in one block: from the first byte
    // of any of them to the last, with no other row's bytes between.
    std::string_view RowBytes() const {
        const char* first = nullptr;
        const char* last = nullptr;
        for (const std::string_view cell : cells_) {
            if (cell.empty()) continue;
            if (!first || cell.data() < first) first = cell.data();
            if (!last || cell.data() + cell.size() > last) last = cell.data() + cell.size();
        }
        return first ? std::string_view(first, std::size_t(last - first)) : std::string_view();
    }

    const TBaseGrid& grid_;
    TShowTest show_;
    std::vector<TCellMatcher> matchers_;
    std::vector<bool> asciiWords_;
    std::vector<std::size_t> columns_;
    std::vector<std::string_view> cells_;
};

// Rows first..last-1 of `rows` (or of the data rows), tested on their own thread.
template <typename RowAt>
std::vector<std::uint32_t> KeptRows(const TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context,
                                    std::size_t count, RowAt rowAt) {
    // Big lists are split between the cores; the grid is only read meanwhile.
    constexpr std::size_t RowsPerThread = 50'000;
    const std::size_t threads =
        std::clamp<std::size_t>(count / RowsPerThread, 1, std::max(1u, std::thread::hardware_concurrency()));
    std::vector<std::vector<std::uint32_t>> kept(threads);
    const auto work = [&](std::size_t part) {
        TRowTest test(grid, filter, context);
        const std::size_t begin = count * part / threads;
        const std::size_t end = count * (part + 1) / threads;
        for (std::size_t i = begin; i < end; ++i)
            if (const std::uint32_t row = rowAt(i); test.Keeps(int(row))) kept[part].push_back(row);
    };
    {
        std::vector<std::jthread> helpers;
        for (std::size_t part = 1; part < threads; ++part) helpers.emplace_back(work, part);
        work(0);
    }
    std::vector<std::uint32_t> rows = std::move(kept[0]);
    for (std::size_t part = 1; part < threads; ++part) rows.insert(rows.end(), kept[part].begin(), kept[part].end());
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
                                      const std::vector<std::uint32_t>* candidates) {
    if (candidates)
        return KeptRows(grid, filter, context, candidates->size(), [&](std::size_t i) { return (*candidates)[i]; });
    const int first = std::min(grid.FixedRows(), grid.RowCount());
    return KeptRows(grid, filter, context, std::size_t(grid.RowCount() - first),
                    [&](std::size_t i) { return std::uint32_t(first + int(i)); });
}

std::string ShownEntriesText(const TBaseGrid& grid) {
    const int fixed = std::min(grid.FixedRows(), grid.RowCount());
    const int all = grid.RowCount() - fixed;
    const int shown = grid.ShownRowCount() - fixed;
    return FillText(all == 1 ? TKM_TR("Filter", "%1 of %2 entry shown") : TKM_TR("Filter", "%1 of %2 entries shown"),
                    {std::to_string(shown), std::to_string(all)});
}

void TViewFilter::Apply(TBaseGrid& grid, const TTaskFilter& filter, const TFilterContext& context) {
    if (!filter.Active()) {
        grid.ShowAllRows();
    } else if (grid.RowsFiltered() && current_.Active() && Narrows(current_, filter)) {
        const std::vector<std::uint32_t> shown = grid.ShownDataRows();
        grid.ShowOnlyRows(FilterRows(grid, filter, context, &shown));
    } else {
        grid.ShowOnlyRows(FilterRows(grid, filter, context));
    }
    current_ = filter;
}

}  // namespace tkm
