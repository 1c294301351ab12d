#include "grid/row_ranking.h"

#include "base/split_work.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

namespace tkm {

namespace {

// Groups at least this large are there for any core to take; a whole table
// at least this large is read and sorted in one part per core.
constexpr std::size_t ShareFrom = 4096;
constexpr std::size_t PartsFrom = 1u << 16;
// How many rows ahead a read of scattered rows asks for the next ones.
constexpr std::size_t PrefetchAhead = 16;
// Rows ordered between two looks at the progress.
constexpr std::size_t TickEvery = 4096;

// Eight bytes of a text from `from` on as one number that orders like the
// bytes do; past the end the text reads as zero bytes.
std::uint64_t BigEndianSlice(std::string_view text, std::size_t from) {
    std::uint64_t bytes = 0;
    if (text.size() >= from + 8) {
        std::memcpy(&bytes, text.data() + from, 8);
        if constexpr (std::endian::native == std::endian::little) bytes = __builtin_bswap64(bytes);
        return bytes;
    }
    for (std::size_t k = from; k < from + 8; ++k) bytes = (bytes << 8) | (k < text.size() ? std::uint8_t(text[k]) : 0u);
    return bytes;
}

// Sorts items by keyOf(item), a number below 2^bits, equal keys keeping
// their order. Large sets go by eleven bits at a time, least significant
// first, skipping the digits all keys share: the cells of a column tend to
// share their top bits.
template <typename TItem, typename TKeyOf>
void SortKeepingTies(std::span<TItem> items, int bits, TKeyOf keyOf) {
    // Below a few thousand, clearing the counts would cost more than the sort.
    if (items.size() < 2048) {
        std::stable_sort(items.begin(), items.end(),
                         [&](const TItem& a, const TItem& b) { return keyOf(a) < keyOf(b); });
        return;
    }
    constexpr int DigitBits = 11;
    constexpr std::size_t Buckets = std::size_t(1) << DigitBits;
    const int digits = (bits + DigitBits - 1) / DigitBits;
    const auto digit = [](std::uint64_t key, int d) { return std::size_t(key >> (d * DigitBits)) & (Buckets - 1); };
    std::vector<std::uint32_t> counts(std::size_t(digits) * Buckets, 0);  // rows fit in 32 bits
    for (const TItem& item : items)
        for (int d = 0; d < digits; ++d) ++counts[std::size_t(d) * Buckets + digit(keyOf(item), d)];
    std::vector<TItem> spare(items.size());
    std::span<TItem> from = items;
    std::span<TItem> to = spare;
    for (int d = 0; d < digits; ++d) {
        std::uint32_t* count = counts.data() + std::size_t(d) * Buckets;
        if (count[digit(keyOf(from.front()), d)] == from.size()) continue;
        std::uint32_t next = 0;
        for (std::size_t b = 0; b < Buckets; ++b) next += std::exchange(count[b], next);
        for (const TItem& item : from) to[count[digit(keyOf(item), d)]++] = item;
        std::swap(from, to);
    }
    if (from.data() != items.data()) std::copy(from.begin(), from.end(), items.begin());
}

// sortPart(part) on one part per core, then the parts merged by `less`,
// the earlier part first where they tie: a sort that keeps ties in their
// order stays one.
template <typename TItem, typename TSortPart, typename TLess>
void SortInParts(std::span<TItem> items, std::size_t partsFrom, TSortPart sortPart, TLess less) {
    const std::size_t count = items.size();
    const auto at = [&](std::size_t k) { return items.begin() + std::ptrdiff_t(k); };
    const std::size_t parts = ForEachPart(count, partsFrom, [&](std::size_t begin, std::size_t end) {
        sortPart(items.subspan(begin, end - begin));
    });
    for (std::size_t p = 1; p < parts; ++p)
        std::inplace_merge(items.begin(), at(count * p / parts), at(count * (p + 1) / parts), less);
}

struct TKeyedRow {
    std::uint64_t Key;
    std::uint32_t Row;
};

// A value as a number that orders like it, above 0 (which stands for an empty
// cell); 0 and -0 are one value. The values are finite.
std::uint64_t OrderedBits(double value) {
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(value == 0 ? 0.0 : value);
    const std::uint64_t ordered = bits >> 63 ? ~bits : bits | (std::uint64_t(1) << 63);
    return std::max<std::uint64_t>(ordered, 1);
}

}  // namespace

TRowRanking::TRowRanking(const TBaseGrid& grid, int firstRow, int rowCount, int column, const TLocaleFormats& formats,
                         std::span<const std::string> keys, const TProgress& onProgress)
    : grid_(grid), firstRow_(firstRow), columnCount_(grid.RealColCount()), formats_(formats), keyColumn_(column),
      keys_(keys), onProgress_(onProgress),
      rows_(std::size_t(rowCount)), ranks_(std::size_t(rowCount)), unsettled_(std::size_t(rowCount), Settled) {
    for (std::uint32_t i = 0; i < rows_.size(); ++i) rows_[i] = i;
    std::vector<TScratch> scratch(SplitWorkers());
    for (std::size_t w = 0; w < scratch.size(); ++w) scratch[w].Worker = w;
    // A group's rank is where it starts in rows_, so groups can be ranked in any order.
    WorkThroughSplitting(
        TGroup{0, rows_.size(), column}, ShareFrom,
        [&](const TGroup& group, std::size_t worker, const auto& hand) {
            TScratch& own = scratch[worker];
            own.Subgroups.clear();
            if (group.Size() == 1 || group.Column >= columnCount_) Assign(group, Settled);
            else Order(group, own);
            // Handed last to first, so that this worker takes them first to last.
            for (auto sub = own.Subgroups.rbegin(); sub != own.Subgroups.rend(); ++sub) hand(*sub);
        },
        [&] { Tick(scratch[0]); });
}

void TRowRanking::Assign(const TGroup& group, int unsettledFrom) {
    for (std::size_t i = group.Begin; i < group.End; ++i) {
        ranks_[rows_[i]] = std::uint32_t(group.Begin);
        unsettled_[rows_[i]] = std::int16_t(unsettledFrom);
    }
    if (group.Size() > 1) ranksShared_ = true;
    settledRows_.fetch_add(group.Size(), std::memory_order_relaxed);
}

void TRowRanking::Split(const TGroup& group, std::size_t begin, std::size_t end, TScratch& scratch) {
    const TGroup sub{begin, end, group.Column + 1};
    if (sub.Size() == 1 || sub.Column >= columnCount_) Assign(sub, Settled);
    else scratch.Subgroups.push_back(sub);
}

void TRowRanking::LeadDone(const TScratch& scratch, std::size_t rows) {
    if (scratch.Worker != 0) return;
    leadRows_ = std::min(rows_.size(), leadRows_ + rows);
    Tick(scratch);
}

// Each row counts twice: once its place on the first column is known, and once it is ranked.
void TRowRanking::Tick(const TScratch& scratch) const {
    if (scratch.Worker != 0 || !onProgress_ || rows_.empty()) return;
    const std::size_t settled = settledRows_.load(std::memory_order_relaxed);
    onProgress_(double(leadRows_ + settled) / double(2 * rows_.size()));
}

// Sorts the group's rows on its column and splits it where the cells differ.
void TRowRanking::Order(const TGroup& group, TScratch& scratch) {
    std::vector<TSortCell>& cells = scratch.Cells;
    cells.resize(group.Size());
    const bool keyed = group.Column == keyColumn_ && !keys_.empty();
    const std::size_t partsFrom = group.Size() == rows_.size() ? PartsFrom : std::numeric_limits<std::size_t>::max();
    std::atomic<bool> numeric = false;
    std::atomic<bool> date = false;
    ForEachPart(cells.size(), partsFrom, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i) {
            const std::uint32_t row = rows_[group.Begin + i];
            if (keyed) {
                cells[i] = {std::string_view(keys_[row])};
                continue;
            }
            // A tied group's rows lie all over the table.
            const auto rowAt = [&](std::size_t k) { return firstRow_ + int(rows_[group.Begin + k]); };
            if (i + 2 * PrefetchAhead < end) grid_.PrefetchRowRecord(rowAt(i + 2 * PrefetchAhead));
            if (i + PrefetchAhead < end) grid_.PrefetchRowTexts(rowAt(i + PrefetchAhead));
            cells[i] = {grid_.CellView(group.Column, rowAt(i))};
        }
        const TStylesFound found = DetectSortStyles(std::span(cells).subspan(begin, end - begin), formats_);
        if (found.Numeric) numeric = true;
        if (found.Date) date = true;
    });
    const TStylesFound found{numeric, date};
    ForEachPart(cells.size(), partsFrom, [&](std::size_t begin, std::size_t end) {
        ReadSortValues(std::span(cells).subspan(begin, end - begin), found, formats_);
    });
    switch (ConsistentOrder(cells)) {
    case TSortOrder::Bytes: OrderTexts(group, scratch); return;  // counts its rows as it goes
    case TSortOrder::Numbers: OrderValues(group, &TSortCell::Number, scratch); break;
    case TSortOrder::Dates: OrderValues(group, &TSortCell::Date, scratch); break;
    case TSortOrder::None: Assign(group, group.Column); break;
    }
    if (group.Size() == rows_.size()) LeadDone(scratch, rows_.size());
}

void TRowRanking::OrderValues(const TGroup& group, double TSortCell::*value, TScratch& scratch) {
    const std::vector<TSortCell>& cells = scratch.Cells;
    const std::size_t partsFrom = group.Size() == rows_.size() ? PartsFrom : std::numeric_limits<std::size_t>::max();
    // Empty cells come before every value here. A group's rows are in table
    // order, so a sort that keeps the order of equal values keeps them so too.
    std::vector<TKeyedRow> keyed(cells.size());
    ForEachPart(cells.size(), partsFrom, [&](std::size_t begin, std::size_t end) {
        for (std::size_t i = begin; i < end; ++i)
            keyed[i] = {cells[i].Text.empty() ? 0 : OrderedBits(cells[i].*value), rows_[group.Begin + i]};
    });
    SortInParts(
        std::span(keyed), partsFrom,
        [](std::span<TKeyedRow> part) { SortKeepingTies(part, 64, [](const TKeyedRow& k) { return k.Key; }); },
        [](const TKeyedRow& a, const TKeyedRow& b) { return a.Key < b.Key; });
    for (std::size_t i = 0; i < keyed.size(); ++i) rows_[group.Begin + i] = keyed[i].Row;
    std::size_t start = 0;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        if (i + 1 == keyed.size() || keyed[i + 1].Key != keyed[i].Key) {
            Split(group, group.Begin + start, group.Begin + i + 1, scratch);
            start = i + 1;
        }
        if (i % TickEvery == 0) Tick(scratch);
    }
}

// Byte order, eight bytes at a time: rows that agree so far are sorted on their
// next eight bytes, so a text is read once per eight bytes, not once per comparison.
void TRowRanking::OrderTexts(const TGroup& group, TScratch& scratch) {
    const std::vector<TSortCell>& cells = scratch.Cells;
    const bool whole = group.Size() == rows_.size();
    const std::size_t partsFrom = whole ? PartsFrom : std::numeric_limits<std::size_t>::max();
    struct TSlice {
        std::uint64_t Bytes;      // big-endian, zero-padded
        std::uint32_t Remaining;  // bytes left from this depth on, 9 for more than eight
        std::uint32_t Cell;       // position in cells
        auto Key() const { return std::pair(Bytes, Remaining); }
    };
    // Equal texts keep their rows in table order, so the next column is read front to back.
    const auto sortPart = [](std::span<TSlice> part) {
        SortKeepingTies(part, 4, [](const TSlice& slice) { return std::uint64_t(slice.Remaining); });
        SortKeepingTies(part, 64, [](const TSlice& slice) { return slice.Bytes; });
    };
    const auto less = [](const TSlice& a, const TSlice& b) { return a.Key() < b.Key(); };
    std::vector<TSlice> slices(cells.size());
    for (std::uint32_t i = 0; i < slices.size(); ++i) slices[i].Cell = i;
    struct TRun {
        std::size_t Begin, End, Depth;
        bool Equal;
    };
    // Taken first to last, so equal runs come in their order: a run's slices
    // are where its rows go.
    std::vector<TRun> runs{{0, slices.size(), 0, false}};
    // Where the rows of the group were: the rows themselves are ranked as runs end.
    const std::vector<std::uint32_t> before(rows_.begin() + std::ptrdiff_t(group.Begin),
                                            rows_.begin() + std::ptrdiff_t(group.End));
    std::size_t sinceTick = 0;
    while (!runs.empty()) {
        const TRun run = runs.back();
        runs.pop_back();
        if (run.Equal) {
            for (std::size_t i = run.Begin; i < run.End; ++i) rows_[group.Begin + i] = before[slices[i].Cell];
            Split(group, group.Begin + run.Begin, group.Begin + run.End, scratch);
            if (whole) LeadDone(scratch, run.End - run.Begin);
            sinceTick += run.End - run.Begin;
            if (sinceTick >= TickEvery) {
                sinceTick = 0;
                Tick(scratch);
            }
            continue;
        }
        const std::size_t from = run.Depth * 8;
        ForEachPart(run.End - run.Begin, partsFrom, [&](std::size_t begin, std::size_t end) {
            for (std::size_t i = run.Begin + begin; i < run.Begin + end; ++i) {
                TSlice& slice = slices[i];
                const std::string_view text = cells[slice.Cell].Text;
                slice.Bytes = BigEndianSlice(text, from);
                slice.Remaining = std::uint32_t(std::min<std::size_t>(text.size() - from, 9));
            }
        });
        SortInParts(std::span(slices).subspan(run.Begin, run.End - run.Begin), partsFrom, sortPart, less);
        // Pushed last to first so that they are taken first to last.
        for (std::size_t end = run.End; end > run.Begin;) {
            std::size_t begin = end - 1;
            while (begin > run.Begin && slices[begin - 1].Key() == slices[end - 1].Key()) --begin;
            const bool needsMore = slices[begin].Remaining > 8 && end - begin > 1;
            runs.push_back({begin, end, run.Depth + 1, !needsMore});
            end = begin;
        }
    }
}

}  // namespace tkm
