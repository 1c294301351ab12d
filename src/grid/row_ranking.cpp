#include "grid/row_ranking.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <tuple>
#include <utility>

namespace tkm {

namespace {

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

}  // namespace

TRowRanking::TRowRanking(const TBaseGrid& grid, int firstRow, int rowCount, int column, const TLocaleFormats& formats,
                         std::span<const std::string> keys)
    : grid_(grid), firstRow_(firstRow), columnCount_(grid.RealColCount()), formats_(formats), keyColumn_(column),
      keys_(keys),
      rows_(std::size_t(rowCount)), ranks_(std::size_t(rowCount)), unsettled_(std::size_t(rowCount), Settled) {
    for (std::uint32_t i = 0; i < rows_.size(); ++i) rows_[i] = i;
    // Groups are taken first to last, so ranks follow the order.
    std::vector<TGroup> pending{{0, rows_.size(), column}};
    std::vector<TGroup> subgroups;
    while (!pending.empty()) {
        const TGroup group = pending.back();
        pending.pop_back();
        if (group.End - group.Begin == 1 || group.Column >= columnCount_) {
            Assign(group, Settled);
            continue;
        }
        subgroups.clear();
        Order(group, subgroups);
        pending.insert(pending.end(), subgroups.rbegin(), subgroups.rend());
    }
}

void TRowRanking::Assign(const TGroup& group, int unsettledFrom) {
    for (std::size_t i = group.Begin; i < group.End; ++i) {
        ranks_[rows_[i]] = nextRank_;
        unsettled_[rows_[i]] = std::int16_t(unsettledFrom);
    }
    ++nextRank_;
}

// Sorts the group's rows on its column and splits it where the cells differ.
void TRowRanking::Order(const TGroup& group, std::vector<TGroup>& subgroups) {
    cells_.resize(group.End - group.Begin);
    const bool keyed = group.Column == keyColumn_ && !keys_.empty();
    for (std::size_t i = group.Begin; i < group.End; ++i)
        cells_[i - group.Begin] = {keyed ? std::string_view(keys_[rows_[i]])
                                         : grid_.CellView(group.Column, firstRow_ + int(rows_[i]))};
    ReadSortCells(cells_, formats_);
    switch (ConsistentOrder(cells_)) {
    case TSortOrder::Bytes: OrderTexts(group, subgroups); return;
    case TSortOrder::Numbers: OrderValues(group, &TSortCell::Number, subgroups); return;
    case TSortOrder::Dates: OrderValues(group, &TSortCell::Date, subgroups); return;
    case TSortOrder::None: Assign(group, group.Column); return;
    }
}

void TRowRanking::OrderValues(const TGroup& group, double TSortCell::*value, std::vector<TGroup>& subgroups) {
    // Empty cells come before every value here; equal values keep their rows in table order.
    std::vector<std::pair<double, std::uint32_t>> keyed(cells_.size());
    for (std::size_t i = 0; i < cells_.size(); ++i)
        keyed[i] = {cells_[i].Text.empty() ? -std::numeric_limits<double>::infinity() : cells_[i].*value,
                    rows_[group.Begin + i]};
    std::sort(keyed.begin(), keyed.end());
    std::size_t start = 0;
    for (std::size_t i = 0; i < keyed.size(); ++i) {
        rows_[group.Begin + i] = keyed[i].second;
        if (i + 1 == keyed.size() || keyed[i + 1].first != keyed[i].first) {
            subgroups.push_back({group.Begin + start, group.Begin + i + 1, group.Column + 1});
            start = i + 1;
        }
    }
}

// Byte order, eight bytes at a time: rows that agree so far are sorted on their
// next eight bytes, so a text is read once per eight bytes, not once per comparison.
void TRowRanking::OrderTexts(const TGroup& group, std::vector<TGroup>& subgroups) {
    struct TSlice {
        std::uint64_t Bytes;      // big-endian, zero-padded
        std::uint32_t Remaining;  // bytes left from this depth on, 9 for more than eight
        std::uint32_t Cell;       // position in cells_
        auto Key() const { return std::pair(Bytes, Remaining); }
        // Equal texts keep their rows in table order, so the next column is read front to back.
        bool operator<(const TSlice& other) const {
            return std::tie(Bytes, Remaining, Cell) < std::tie(other.Bytes, other.Remaining, other.Cell);
        }
    };
    std::vector<TSlice> slices(cells_.size());
    for (std::uint32_t i = 0; i < slices.size(); ++i) slices[i].Cell = i;
    struct TRun {
        std::size_t Begin, End, Depth;
        bool Equal;
    };
    std::vector<TRun> runs{{0, slices.size(), 0, false}};
    std::vector<std::uint32_t> ordered;
    ordered.reserve(slices.size());
    while (!runs.empty()) {
        const TRun run = runs.back();
        runs.pop_back();
        if (run.Equal) {
            const std::size_t start = ordered.size();
            for (std::size_t i = run.Begin; i < run.End; ++i) ordered.push_back(slices[i].Cell);
            subgroups.push_back({group.Begin + start, group.Begin + ordered.size(), group.Column + 1});
            continue;
        }
        for (std::size_t i = run.Begin; i < run.End; ++i) {
            TSlice& slice = slices[i];
            const std::string_view text = cells_[slice.Cell].Text;
            const std::size_t from = run.Depth * 8;
            slice.Bytes = BigEndianSlice(text, from);
            slice.Remaining = std::uint32_t(std::min<std::size_t>(text.size() - from, 9));
        }
        const auto first = slices.begin() + std::ptrdiff_t(run.Begin);
        const auto last = slices.begin() + std::ptrdiff_t(run.End);
        std::sort(first, last);
        // Pushed last to first so that they are taken first to last.
        for (std::size_t end = run.End; end > run.Begin;) {
            std::size_t begin = end - 1;
            while (begin > run.Begin && slices[begin - 1].Key() == slices[end - 1].Key()) --begin;
            const bool needsMore = slices[begin].Remaining > 8 && end - begin > 1;
            runs.push_back({begin, end, run.Depth + 1, !needsMore});
            end = begin;
        }
    }
    std::vector<std::uint32_t> rows(ordered.size());
    for (std::size_t i = 0; i < ordered.size(); ++i) rows[i] = rows_[group.Begin + ordered[i]];
    std::copy(rows.begin(), rows.end(), rows_.begin() + std::ptrdiff_t(group.Begin));
}

}  // namespace tkm
