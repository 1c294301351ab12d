#include "grid/grid_sorter.h"

#include "grid/sort_compare.h"

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace tkm {

namespace {

// One cell, read once for every comparison it takes part in.
struct TSortKey {
    std::string_view Text;
    double Number = 0;
    double Date = 0;
    TSortStyle Style = TSortStyle::Alphabetic;
    bool IsNumber = false;
};

// The quicksort over row handles. Keys are built per column on first use: most
// sorts never look past the sort column and one or two tie-breakers.
class TRowSorter {
public:
    TRowSorter(const TBaseGrid& grid, int firstRow, int rowCount, const TLocaleFormats& formats)
        : grid_(grid), firstRow_(firstRow), rowCount_(rowCount), formats_(formats),
          keys_(std::size_t(grid.RealColCount())) {}

    std::vector<std::uint32_t> Sort(int column, int direction) {
        std::vector<std::uint32_t> order(static_cast<std::size_t>(rowCount_));
        for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
        if (rowCount_ > 1) Quicksort(order, column, direction);
        return order;
    }

private:
    // Recursion replaced by a stack of ranges; the ranges are disjoint, so the
    // order they are sorted in does not change the result.
    void Quicksort(std::vector<std::uint32_t>& order, int c, int dir) {
        std::vector<std::pair<int, int>> ranges{{0, rowCount_ - 1}};
        while (!ranges.empty()) {
            const auto [lo, hi] = ranges.back();
            ranges.pop_back();
            const std::uint32_t pivot = order[std::size_t((lo + hi) / 2)];
            int i = lo;
            int j = hi;
            do {
                while (FullCompare(c, pivot, order[std::size_t(i)]) == dir && i < hi) ++i;
                while (FullCompare(c, order[std::size_t(j)], pivot) == dir && lo < j) --j;
                if (j >= i) {
                    if (i != j && FullCompare(c, order[std::size_t(i)], order[std::size_t(j)]) != 0)
                        std::swap(order[std::size_t(i)], order[std::size_t(j)]);
                    --j;
                    ++i;
                }
            } while (j >= i);
            if (lo < j) ranges.emplace_back(lo, j);
            if (i < hi) ranges.emplace_back(i, hi);
        }
    }

    int FullCompare(int c, std::uint32_t a, std::uint32_t b) {
        int r = Compare(c, a, b);
        while (r == 0 && c + 1 < int(keys_.size())) r = Compare(++c, a, b);
        return r;
    }

    int Compare(int c, std::uint32_t a, std::uint32_t b) {
        const std::vector<TSortKey>& column = Keys(c);
        const TSortKey& ka = column[a];
        const TSortKey& kb = column[b];
        switch (ka.Style) {
        case TSortStyle::Numeric:
            if (!ka.IsNumber || !kb.IsNumber) return 0;
            return Sign(ka.Number, kb.Number);
        case TSortStyle::Date:
            return Sign(ka.Date, kb.Date);
        case TSortStyle::Alphabetic:
            break;
        }
        return CompareBytes(ka.Text, kb.Text);
    }

    static int Sign(double a, double b) { return a < b ? -1 : (a > b ? 1 : 0); }

    const std::vector<TSortKey>& Keys(int c) {
        std::vector<TSortKey>& column = keys_[std::size_t(c)];
        if (column.empty()) Build(c, column);
        return column;
    }

    // Numbers and dates are read only where some cell of the column would be
    // compared that way.
    void Build(int c, std::vector<TSortKey>& column) const {
        column.resize(std::size_t(rowCount_));
        bool anyNumeric = false;
        bool anyDate = false;
        for (int r = 0; r < rowCount_; ++r) {
            TSortKey& key = column[std::size_t(r)];
            key.Text = grid_.CellView(c, firstRow_ + r);
            key.Style = DetectSortStyle(key.Text, formats_);
            anyNumeric |= key.Style == TSortStyle::Numeric;
            anyDate |= key.Style == TSortStyle::Date;
        }
        for (TSortKey& key : column) {
            if (anyNumeric) {
                const auto number = ReadSortNumber(key.Text, formats_);
                key.IsNumber = number.has_value();
                key.Number = number.value_or(0);
            }
            if (anyDate) key.Date = ReadSortDateTime(key.Text, formats_);
        }
    }

    const TBaseGrid& grid_;
    const int firstRow_;
    const int rowCount_;
    const TLocaleFormats& formats_;
    std::vector<std::vector<TSortKey>> keys_;
};

}  // namespace

void SortByColumn(TBaseGrid& grid, const TSortSettings& settings, const TLocaleFormats& formats) {
    if (settings.Column < 0 || settings.Column >= grid.RealColCount())
        throw EGridError("Sort column " + std::to_string(settings.Column) + " is outside the table");
    grid.CommitEditor();
    const int first = grid.FixedRows();
    const int rows = grid.RowCount() - first;
    const int direction = settings.Direction == TSortDirection::sdAscending ? 1 : -1;
    if (rows > 0) {
        const std::vector<std::uint32_t> order = TRowSorter(grid, first, rows, formats).Sort(settings.Column, direction);
        grid.PermuteRows(first, order);
    }
    // The work rows below the data are what the sort reports as changed.
    const int end = grid.RowCount();
    grid.CellsChanged({0, end + 1, grid.RealColCount() - 1, end + 2});
}

}  // namespace tkm
