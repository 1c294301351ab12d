#pragma once

#include "grid/base_grid.h"
#include "grid/sort_compare.h"

#include <atomic>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace tkm {

// Ranks rows by their cells from one column to the last, the way the sort's
// comparison orders them, so that the sort compares two integers. Rows are
// grouped column by column: a column is read only for the rows still tied
// on the columns before it. Where the comparisons within a tied group do not
// agree on one order (texts mixed with numbers, say), the group keeps one rank
// and remembers the column from which its rows must be compared cell by cell.
// Groups are ranked on all cores; the grid is only read meanwhile.
class TRowRanking {
public:
    static constexpr int Settled = -1;
    // How much of the ranking is done, 0 to 1; heard on the constructing
    // thread only, it must not throw.
    using TProgress = std::function<void(double done)>;

    // `keys`, when not empty, stand for the cells of `column`, one per row from firstRow.
    TRowRanking(const TBaseGrid& grid, int firstRow, int rowCount, int column, const TLocaleFormats& formats,
                std::span<const std::string> keys = {}, const TProgress& onProgress = {});

    // Row numbers count from firstRow.
    std::uint32_t Rank(std::uint32_t row) const { return ranks_[row]; }
    // The column to compare from when two rows share a rank, or Settled when they are equal.
    int UnsettledFrom(std::uint32_t row) const { return unsettled_[row]; }
    bool RanksShared() const { return ranksShared_; }
    // Row numbers by rank, taken once: when no two rows share a rank, the rows in their sorted order.
    std::vector<std::uint32_t> TakeRankedRows() { return std::move(rows_); }

private:
    struct TGroup {
        std::size_t Begin;
        std::size_t End;
        int Column;  // the column to order the group by next
        std::size_t Size() const { return End - Begin; }
    };
    // What one worker orders its groups with.
    struct TScratch {
        std::size_t Worker;
        std::vector<TSortCell> Cells;  // the group being ordered, by position in rows_
        std::vector<TGroup> Subgroups;
    };

    void Order(const TGroup& group, TScratch& scratch);
    void OrderTexts(const TGroup& group, TScratch& scratch);
    void OrderValues(const TGroup& group, double TSortCell::*value, TScratch& scratch);
    // Rows rows_[begin] to rows_[end - 1] with the cells of the group's column
    // equal: ranked here when nothing is left to order them by, else a subgroup.
    void Split(const TGroup& group, std::size_t begin, std::size_t end, TScratch& scratch);
    void Assign(const TGroup& group, int unsettledFrom);
    // Rows of a whole-table group whose order on its column is known.
    void LeadDone(const TScratch& scratch, std::size_t rows);
    void Tick(const TScratch& scratch) const;

    const TBaseGrid& grid_;
    const int firstRow_;
    const int columnCount_;
    const TLocaleFormats& formats_;
    const int keyColumn_;
    const std::span<const std::string> keys_;
    const TProgress& onProgress_;
    std::vector<std::uint32_t> rows_;  // row numbers, in rank order once done
    std::vector<std::uint32_t> ranks_;
    std::vector<std::int16_t> unsettled_;
    std::atomic<std::size_t> settledRows_ = 0;
    std::size_t leadRows_ = 0;  // counted only on the constructing thread
    std::atomic<bool> ranksShared_ = false;
};

}  // namespace tkm
