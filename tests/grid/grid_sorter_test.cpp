#include "grid/grid_sorter.h"
#include "grid/sort_compare.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace tkm {
namespace {

using TTable = std::vector<std::vector<std::string>>;  // data rows only

// The grid's quicksort written out plainly: whole rows of texts are copied and
// swapped, and every comparison reads and classifies the texts afresh.
class TOracleSort {
public:
    TOracleSort(TTable& rows, const TLocaleFormats& formats) : rows_(rows), formats_(formats) {}

    void Sort(int column, int dir) {
        if (!rows_.empty()) Quicksort(0, int(rows_.size()) - 1, column, dir);
    }

private:
    int Compare(int c, const std::vector<std::string>& a, const std::vector<std::string>& b) const {
        switch (DetectSortStyle(a[c], formats_)) {
        case TSortStyle::Numeric: {
            const auto x = ReadSortNumber(a[c], formats_);
            const auto y = ReadSortNumber(b[c], formats_);
            if (!x || !y) return 0;
            return *x < *y ? -1 : (*x > *y ? 1 : 0);
        }
        case TSortStyle::Date: {
            const double x = ReadSortDateTime(a[c], formats_);
            const double y = ReadSortDateTime(b[c], formats_);
            return x < y ? -1 : (x > y ? 1 : 0);
        }
        case TSortStyle::Alphabetic: break;
        }
        return CompareBytes(a[c], b[c]);
    }

    int FullCompare(int c, const std::vector<std::string>& a, const std::vector<std::string>& b) const {
        int r = Compare(c, a, b);
        while (r == 0 && c <= int(a.size()) - 2) r = Compare(++c, a, b);
        return r;
    }

    void Quicksort(int lo, int hi, int c, int dir) {
        const std::vector<std::string> pivot = rows_[(lo + hi) / 2];
        int i = lo;
        int j = hi;
        do {
            while (FullCompare(c, pivot, rows_[i]) == dir && i < hi) ++i;
            while (FullCompare(c, rows_[j], pivot) == dir && lo < j) --j;
            if (j >= i) {
                if (i != j && FullCompare(c, rows_[i], rows_[j]) != 0) std::swap(rows_[i], rows_[j]);
                --j;
                ++i;
            }
        } while (j >= i);
        if (lo < j) Quicksort(lo, j, c, dir);
        if (i < hi) Quicksort(i, hi, c, dir);
    }

    TTable& rows_;
    const TLocaleFormats& formats_;
};

TBaseGrid GridOf(const TTable& rows, int cols) {
    TBaseGrid grid(cols, int(rows.size()) + 1);
    grid.SetFixedCols(0);
    for (int c = 0; c < cols; ++c) grid.SetCellText(c, 0, "header" + std::to_string(c));
    for (std::size_t r = 0; r < rows.size(); ++r)
        for (int c = 0; c < cols; ++c) grid.SetCellText(c, int(r) + 1, rows[r][std::size_t(c)]);
    return grid;
}

TTable DataOf(const TBaseGrid& grid) {
    TTable rows;
    for (int r = 1; r < grid.RowCount(); ++r) {
        rows.emplace_back();
        for (int c = 0; c < grid.RealColCount(); ++c) rows.back().push_back(grid.GetCellText(c, r));
    }
    return rows;
}

std::vector<std::string> SortedColumn(std::vector<std::string> values, TSortDirection direction = TSortDirection::sdAscending) {
    TTable rows;
    for (std::size_t i = 0; i < values.size(); ++i) rows.push_back({std::to_string(i), values[i]});
    TBaseGrid grid = GridOf(rows, 2);
    SortByColumn(grid, {1, direction}, TLocaleFormats{});
    std::vector<std::string> out;
    for (int r = 1; r < grid.RowCount(); ++r) out.push_back(grid.GetCellText(1, r));
    return out;
}

using Texts = std::vector<std::string>;

TEST(SortByColumn, EachColumnKindInItsOwnOrder) {
    EXPECT_EQ(SortedColumn({"10.5", "9", ""}), (Texts{"", "9", "10.5"})) << "empty reads as 0";
    EXPECT_EQ(SortedColumn({"apple", "Banana", ""}), (Texts{"", "Banana", "apple"}));
    EXPECT_EQ(SortedColumn({"8/12/2026", "07/12/2026", "1/1/2027", "30/11/2026"}),
              (Texts{"30/11/2026", "07/12/2026", "8/12/2026", "1/1/2027"}));
    EXPECT_EQ(SortedColumn({"2026/12/07", "2026/01/31", "2025/12/31"}),
              (Texts{"2025/12/31", "2026/01/31", "2026/12/07"})) << "compared as text";
    EXPECT_EQ(SortedColumn({"9:30:00", "17:00:00"}), (Texts{"17:00:00", "9:30:00"})) << "times sort as text";
    EXPECT_EQ(SortedColumn({"10.5", "9", ""}, TSortDirection::sdDescending), (Texts{"10.5", "9", ""}));
}

TEST(SortByColumn, TiesAreSettledByTheColumnsToTheRightOnly) {
    // Column 0 is left of the sort column and never takes part.
    TTable rows{{"1", "Started", "write", "Low"},
                {"2", "Started", "call", "Normal"},
                {"3", "Done", "zzz", "High"},
                {"4", "Started", "call", "High"}};
    TBaseGrid grid = GridOf(rows, 4);
    SortByColumn(grid, {1, TSortDirection::sdAscending}, TLocaleFormats{});
    EXPECT_EQ(DataOf(grid), (TTable{{"3", "Done", "zzz", "High"},
                                    {"4", "Started", "call", "High"},
                                    {"2", "Started", "call", "Normal"},
                                    {"1", "Started", "write", "Low"}}));
}

TEST(SortByColumn, HiddenColumnsAndCellObjectsMoveWithTheirRows) {
    TTable rows{{"b", "x2", "keep b"}, {"a", "x1", "keep a"}};
    TBaseGrid grid = GridOf(rows, 3);
    grid.AddComment(2, 1, "note b");
    grid.HideColumn(1);
    grid.SetCurrentCell(1, 2);
    int changes = 0;
    TGridRect changed;
    const TCellsChangedHook hook(grid, [&](const TGridRect& rect) {
        ++changes;
        changed = rect;
    });
    SortByColumn(grid, {0, TSortDirection::sdAscending}, TLocaleFormats{});
    grid.UnhideColumn(1);
    EXPECT_EQ(DataOf(grid), (TTable{{"a", "x1", "keep a"}, {"b", "x2", "keep b"}}));
    std::string note;
    EXPECT_FALSE(grid.GetComment(2, 1, note));
    EXPECT_TRUE(grid.GetComment(2, 2, note));
    EXPECT_EQ(note, "note b");
    EXPECT_EQ(grid.Row(), 2) << "the current row index stays";
    EXPECT_EQ(changes, 1);
    EXPECT_GT(changed.Top, 2) << "reported below the data rows";
}

TEST(SortByColumn, SingleEntryAndBadColumn) {
    TBaseGrid grid = GridOf({{"only"}}, 1);
    SortByColumn(grid, {0, TSortDirection::sdAscending}, TLocaleFormats{});
    EXPECT_EQ(grid.GetCellText(0, 1), "only");
    EXPECT_THROW(SortByColumn(grid, {5, TSortDirection::sdAscending}, TLocaleFormats{}), EGridError);
}

// Cell values chosen so that styles mix within a column, comparisons disagree
// with each other, long texts share long beginnings, and ties are common.
const std::vector<std::string> Pool{
    "",           "9",           "10.5",        "-3",          "1,000",      "0",          "-",
    "abc",        "Banana",      "apple",       "Z",           "\xc3\xa9t\xc3\xa9", "3/x",
    "7/12/2026",  "07/12/2026",  "1/1/2020",    "31/02/2026",  "12/1/2026 10:00:00",   "2026/12/07",
    "17:00:00",   "9:30:00",     "write the report", "write the report again", "write the rep",
    "write the report again and again", std::string("write the\0", 10), "write the",
    "+4",         "1e2",         " 5",          "2",           "12/1/2026 10", "06:00:00",  "12,5",
    "12/20/2026 3:15:00 PM"};

// Sets where an empty cell or an unreadable number breaks the order of an
// otherwise numeric or date column.
const std::vector<std::vector<std::string>> Borderline{
    {"", "0", "9"}, {"", "-3", "9"}, {"", "9", "10.5"}, {"", "1,000", "9"}, {"abc", "9"}, {"9", "9.0", "09"},
    {"", "7/12/2026", "31/02/2026"}, {"", "7/12/2026", "1/1/2020"}, {"7/12/2026", "soon"}};

// Each column draws from its own few values: some columns come out all texts,
// all numbers or all dates, others mixed.
TTable RandomTable(std::mt19937& random, int rows, int cols) {
    std::vector<std::vector<std::string>> values(static_cast<std::size_t>(cols));
    for (auto& column : values) {
        if (random() % 3 == 0) {
            column = Borderline[random() % Borderline.size()];
            continue;
        }
        const std::size_t count = 1 + random() % 5;
        const std::size_t from = random() % Pool.size();
        const std::size_t spread = 1 + random() % 6;
        for (std::size_t k = 0; k < count; ++k) column.push_back(Pool[(from + k * spread) % Pool.size()]);
    }
    TTable table(static_cast<std::size_t>(rows), std::vector<std::string>(static_cast<std::size_t>(cols)));
    for (std::size_t r = 0; r < table.size(); ++r) {
        // A unique first column, left of every sort column, shows where each tie went.
        table[r][0] = "#" + std::to_string(r);
        for (std::size_t c = 1; c < table[r].size(); ++c) table[r][c] = values[c][random() % values[c].size()];
    }
    return table;
}

TLocaleFormats MonthFirstCommaDecimal() {
    TLocaleFormats formats;
    formats.ShortDateFormat = "m/d/yyyy";
    formats.LongTimeFormat = "h:nn:ss AM/PM";
    formats.DecimalSeparator = ',';
    formats.ThousandSeparator = '.';
    return formats;
}

TEST(SortByColumn, SameOrderAsThePlainQuicksortOnRandomTablesWithManyTies) {
    std::mt19937 random(20261208);
    const TLocaleFormats dayFirst;
    const TLocaleFormats monthFirst = MonthFirstCommaDecimal();
    for (int round = 0; round < 1000; ++round) {
        const TLocaleFormats& formats = round % 2 ? monthFirst : dayFirst;
        const int rows = 1 + int(random() % 120);
        const int cols = 2 + int(random() % 5);
        TTable expected = RandomTable(random, rows, cols);
        const int column = 1 + int(random() % unsigned(cols - 1));
        const auto direction = random() % 2 ? TSortDirection::sdAscending : TSortDirection::sdDescending;

        TBaseGrid grid = GridOf(expected, cols);
        SortByColumn(grid, {column, direction}, formats);
        TOracleSort(expected, formats).Sort(column, direction == TSortDirection::sdAscending ? 1 : -1);
        ASSERT_EQ(DataOf(grid), expected) << "round " << round << ", column " << column;
    }
}

TEST(SortByColumn, SameOrderAsThePlainQuicksortOnTablesLargeEnoughToBeSharedOutBetweenCores) {
    // Big enough that the first column is read and sorted in parts and tied
    // groups and quicksort ranges go to other cores; one table of texts where
    // every row differs, one of numbers and mixed texts full of ties.
    std::mt19937 random(20261209);
    for (const bool ties : {false, true}) {
        TTable expected = RandomTable(random, 70000, 4);
        for (std::size_t r = 0; r < expected.size(); ++r) {
            if (ties) expected[r][1] = std::to_string(random() % 50);
            else expected[r][1] = Pool[random() % Pool.size()] + "#" + std::to_string(random() % 100000);
        }
        TBaseGrid grid = GridOf(expected, 4);
        SortByColumn(grid, {1, ties ? TSortDirection::sdAscending : TSortDirection::sdDescending}, TLocaleFormats{});
        TOracleSort(expected, TLocaleFormats{}).Sort(1, ties ? 1 : -1);
        ASSERT_EQ(DataOf(grid), expected) << (ties ? "with ties" : "without ties");
    }
}

TEST(SortByColumn, ALongSortMovesItsProgressAsRowsFindTheirPlacesAndEndsAtTheWhole) {
    std::mt19937 random(31);
    TTable table(200000, std::vector<std::string>(2));
    for (std::size_t r = 0; r < table.size(); ++r) {
        table[r][0] = "#" + std::to_string(r);
        table[r][1] = std::to_string(random() % 1000000);
    }
    TBaseGrid reported = GridOf(table, 2);
    TBaseGrid silent = GridOf(table, 2);
    std::vector<int> percents;
    SortByColumn(reported, {1, TSortDirection::sdAscending}, TLocaleFormats{}, {},
                 [&percents](int percent) { percents.push_back(percent); });
    SortByColumn(silent, {1, TSortDirection::sdAscending}, TLocaleFormats{});
    EXPECT_EQ(DataOf(reported), DataOf(silent));
    ASSERT_FALSE(percents.empty());
    EXPECT_EQ(percents.front(), 0);
    EXPECT_EQ(percents.back(), 100);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end())) << "the bar never moves back";
    const auto ranking = std::count_if(percents.begin(), percents.end(), [](int p) { return p > 0 && p < 50; });
    EXPECT_GE(ranking, 10) << "ranking the rows reports as it goes, not only at its end";
    const auto placing = std::count_if(percents.begin(), percents.end(), [](int p) { return p > 50 && p < 90; });
    EXPECT_GE(placing, 10) << "placing the rows reports as it goes, not only at its end";
}

}  // namespace
}  // namespace tkm
