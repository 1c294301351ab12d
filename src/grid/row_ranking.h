#pragma once

#include "grid/base_grid.h"
#include "grid/sort_compare.h"

#include <cstdint>
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
class TRowRanking {
public:
    static constexpr int Settled = -1;

    // `keys`, when not empty, stand for the cells of `column`, one per row from firstRow.
    TRowRanking(const TBaseGrid& grid, int firstRow, int rowCount, int column, const TLocaleFormats& formats,
                std::span<const std::string> keys = {});

    // Row numbers count from firstRow.
    std::uint32_t Rank(std::uint32_t row) const { return ranks_[row]; }
    // The column to compare from when two rows share a rank, or Settled when they are equal.
    int UnsettledFrom(std::uint32_t row) const { return unsettled_[row]; }

private:
    struct TGroup {
        std::size_t Begin;
        std::size_t End;
        int Column;  // the column to order the group by next
    };

    void Order(const TGroup& group, std::vector<TGroup>& subgroups);
    void OrderTexts(const TGroup& group, std::vector<TGroup>& subgroups);
    void OrderValues(const TGroup& group, double TSortCell::*value, std::vector<TGroup>& subgroups);
    void Assign(const TGroup& group, int unsettledFrom);

    const TBaseGrid& grid_;
    const int firstRow_;
    const int columnCount_;
    const TLocaleFormats& formats_;
    const int keyColumn_;
    const std::span<const std::string> keys_;
    std::vector<std::uint32_t> rows_;  // row numbers, in rank order once done
    std::vector<std::uint32_t> ranks_;
    std::vector<std::int16_t> unsettled_;
    std::vector<TSortCell> cells_;  // the group being ordered, by position in rows_
    std::uint32_t nextRank_ = 0;
};

}  // namespace tkm
