#include "grid/grid_sorter.h"

#include "grid/row_ranking.h"
#include "grid/sort_compare.h"
#include "base/split_work.h"

#include <algorithm>
#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace tkm {

namespace {

// The grid's quicksort over row handles. Each handle carries its row's rank,
// so the partition scans compare what they walk over instead of looking ranks
// up all over memory; rows that share a rank in a group whose cells disagree
// are compared cell by cell.
class TRowSorter {
public:
    // Percentages: ranking is the first half of the work, placing the rows
    // the next two fifths, moving them the rest.
    static constexpr long long RankedShare = 50;
    static constexpr long long PlacedShare = 90;

    TRowSorter(const TBaseGrid& grid, int firstRow, int rowCount, const TLocaleFormats& formats,
               std::span<const std::string> keys, TProgressReporter& progress)
        : grid_(grid), firstRow_(firstRow), rowCount_(rowCount), formats_(formats), keys_(keys),
          progress_(progress), cells_(std::size_t(grid.RealColCount())),
          cellsRead_(std::make_unique<std::once_flag[]>(cells_.size())) {}

    std::vector<std::uint32_t> Sort(int column, int direction) {
        keyColumn_ = column;
        const TRowRanking::TProgress ranked = [this](double done) {
            progress_.Report((long long)(double(RankedShare) * done));
        };
        std::vector<std::uint32_t> order;
        std::vector<TEntry> entries;
        {
            TRowRanking ranking(grid_, firstRow_, rowCount_, column, formats_, keys_, ranked);
            if (!ranking.RanksShared()) {
                order = ranking.TakeRankedRows();
            } else {
                entries.resize(static_cast<std::size_t>(rowCount_));
                unsettled_.resize(entries.size());
                for (std::uint32_t i = 0; i < entries.size(); ++i) {
                    // The low bit marks a shared rank that still needs the cells; it
                    // never changes the order of different ranks.
                    const int from = ranking.UnsettledFrom(i);
                    entries[i] = {(ranking.Rank(i) << 1) | std::uint32_t(from != TRowRanking::Settled), i};
                    unsettled_[i] = std::int16_t(from);
                }
            }
        }
        progress_.Report(RankedShare);
        if (entries.empty()) {
            // No ties: the quicksort would only put the ranks in order.
            if (direction < 0) std::reverse(order.begin(), order.end());
        } else {
            Quicksort(entries, direction);
            order.resize(entries.size());
            for (std::size_t i = 0; i < entries.size(); ++i) order[i] = entries[i].Row;
        }
        progress_.Report(PlacedShare);
        return order;
    }

private:
    struct TEntry {
        std::uint32_t Rank;  // ranks count rows, so one bit is spare
        std::uint32_t Row;
    };
    struct TRange {
        int Lo;
        int Hi;
        std::size_t Size() const { return std::size_t(Hi - Lo + 1); }
    };

    // Ranges large enough to be worth handing to another core.
    static constexpr std::size_t ShareFrom = 8192;

    // Each range is split by one partition; the ranges are disjoint, so the
    // order they are sorted in, and on which core, does not change the result.
    void Quicksort(std::vector<TEntry>& order, int dir) {
        // Rows outside every range left are in their places; the ranges are
        // taken depth first, so these grow steadily.
        std::atomic<long long> placed = 0;
        WorkThroughSplitting(
            TRange{0, rowCount_ - 1}, ShareFrom,
            [&](const TRange& range, std::size_t, const auto& hand) {
                const auto [lo, hi] = range;
                const TEntry pivot = order[std::size_t((lo + hi) / 2)];
                int i = lo;
                int j = hi;
                do {
                    while (FullCompare(pivot, order[std::size_t(i)]) == dir && i < hi) ++i;
                    while (FullCompare(order[std::size_t(j)], pivot) == dir && lo < j) --j;
                    if (j >= i) {
                        if (i != j && FullCompare(order[std::size_t(i)], order[std::size_t(j)]) != 0)
                            std::swap(order[std::size_t(i)], order[std::size_t(j)]);
                        --j;
                        ++i;
                    }
                } while (j >= i);
                long long done = hi - lo + 1;
                if (lo < j) {
                    hand(TRange{lo, j});
                    done -= j - lo + 1;
                }
                if (i < hi) {
                    hand(TRange{i, hi});
                    done -= hi - i + 1;
                }
                placed.fetch_add(done, std::memory_order_relaxed);
            },
            [&] {
                progress_.Report(RankedShare + (PlacedShare - RankedShare) * placed.load(std::memory_order_relaxed) /
                                                   rowCount_);
            });
    }

    // The sort column's comparison, ties settled by the columns to its right.
    int FullCompare(const TEntry& a, const TEntry& b) {
        if (a.Rank != b.Rank) return a.Rank < b.Rank ? -1 : 1;
        if ((a.Rank & 1) == 0) return 0;
        int r = 0;
        for (int c = unsettled_[a.Row]; r == 0 && c < int(cells_.size()); ++c)
            r = CompareSortCells(Cells(c)[a.Row], Cells(c)[b.Row]);
        return r;
    }

    // A whole column, read the first time a group needs it, by whichever core gets there first.
    const std::vector<TSortCell>& Cells(int c) {
        std::vector<TSortCell>& column = cells_[std::size_t(c)];
        std::call_once(cellsRead_[std::size_t(c)], [&] {
            column.resize(std::size_t(rowCount_));
            const bool keyed = c == keyColumn_ && !keys_.empty();
            for (int r = 0; r < rowCount_; ++r)
                column[std::size_t(r)].Text = keyed ? std::string_view(keys_[std::size_t(r)]) : grid_.CellView(c, firstRow_ + r);
            ReadSortCells(column, formats_);
        });
        return column;
    }

    const TBaseGrid& grid_;
    const int firstRow_;
    const int rowCount_;
    const TLocaleFormats& formats_;
    const std::span<const std::string> keys_;
    TProgressReporter& progress_;
    int keyColumn_ = -1;
    std::vector<std::int16_t> unsettled_;
    std::vector<std::vector<TSortCell>> cells_;
    std::unique_ptr<std::once_flag[]> cellsRead_;
};

}  // namespace

void SortByColumn(TBaseGrid& grid, const TSortSettings& settings, const TLocaleFormats& formats,
                  std::span<const std::string> keys, const TFileProgressHandler& onProgress) {
    if (settings.Column < 0 || settings.Column >= grid.RealColCount())
        throw EGridError("Sort column " + std::to_string(settings.Column) + " is outside the table");
    grid.CommitEditor();
    const int first = grid.FixedRows();
    const int rows = grid.RowCount() - first;
    if (!keys.empty() && int(keys.size()) != std::max(rows, 0))
        throw EGridError("Sort keys for " + std::to_string(keys.size()) + " of " + std::to_string(rows) + " rows");
    const int direction = settings.Direction == TSortDirection::sdAscending ? 1 : -1;
    if (rows > 0) {
        TProgressReporter progress(onProgress, 100);
        progress.Report(0);
        const std::vector<std::uint32_t> order =
            TRowSorter(grid, first, rows, formats, keys, progress).Sort(settings.Column, direction);
        grid.PermuteRows(first, order);
        progress.Report(100);
    }
    // The work rows below the data are what the sort reports as changed.
    const int end = grid.RowCount();
    grid.CellsChanged({0, end + 1, grid.RealColCount() - 1, end + 2});
}

}  // namespace tkm
