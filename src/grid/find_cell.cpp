#include "grid/find_cell.h"

#include "grid/cell_matcher.h"

#include <algorithm>
#include <span>
#include <vector>

namespace tkm {

namespace {

struct TRange {
    int Min;
    int Max;
    bool Contains(int v) const { return v >= Min && v <= Max; }
};

// One direction of travel over a range: forward from Min to Max, backward from Max to Min.
class TDirection {
public:
    explicit TDirection(bool backward) : step_(backward ? -1 : 1) {}
    int Step() const { return step_; }
    int First(const TRange& r) const { return step_ > 0 ? r.Min : r.Max; }
    bool Before(int v, const TRange& r) const { return step_ > 0 ? v < r.Min : v > r.Max; }
    bool Past(int v, const TRange& r) const { return step_ > 0 ? v > r.Max : v < r.Min; }
    bool Precedes(int a, int b) const { return step_ > 0 ? a < b : a > b; }

private:
    int step_;
};

// The cells from a start cell to the end of the bounds, in one of the two scan
// orders. Rows are read whole, a block of them at a time, so that each row's
// texts are looked up once however many columns pass over them.
class TGridScan {
public:
    static constexpr int BlockRows = 64;

    TGridScan(const TBaseGrid& grid, TCellMatcher& matcher, const TShownWordMatches& shownWords, TRange cols,
              TRange rows, TDirection direction, const TFileProgressHandler& onProgress)
        : grid_(grid), matcher_(matcher), shownWords_(shownWords), cols_(cols), rows_(rows), direction_(direction),
          onProgress_(onProgress),
          width_(std::size_t(grid.RealColCount())), realCols_(std::size_t(cols.Max + 1)) {
        for (int d = cols.Min; d <= cols.Max; ++d) realCols_[std::size_t(d)] = std::size_t(grid.DisplayToReal(d));
    }

    TGridCoord AlongRows(int col, int row) {
        const int rows = direction_.Step() > 0 ? rows_.Max - row + 1 : row - rows_.Min + 1;
        TProgressReporter progress(onProgress_, rows);
        for (int looked = 0; rows_.Contains(row); ++looked, row += direction_.Step(), col = direction_.First(cols_)) {
            if (looked % BlockRows == 0) progress.Report(looked);
            ReadRows(row, row + direction_.Step());
            for (; cols_.Contains(col); col += direction_.Step())
                if (Matches(0, col, row)) return {col, row};
        }
        return {};
    }

    // Column by column, a block of rows at a time: every column passes over the
    // block while it is at hand, and the first hit in column order still wins.
    TGridCoord DownColumns(int col, int row) {
        const int step = direction_.Step();
        int columns = step > 0 ? cols_.Max - col + 1 : col - cols_.Min + 1;
        TGridCoord best;
        TProgressReporter progress(onProgress_, rows_.Max - rows_.Min + 1);
        for (int block = direction_.First(rows_); rows_.Contains(block) && columns > 0; block += step * BlockRows) {
            progress.Report((block - direction_.First(rows_)) * step);
            const int blockEnd = std::clamp(block + step * BlockRows, rows_.Min - 1, rows_.Max + 1);
            ReadRows(block, blockEnd);
            for (int k = 0; k < columns; ++k) {
                // Only the start column begins part way down.
                const int from = k == 0 && direction_.Precedes(block, row) ? row : block;
                for (int r = from; direction_.Precedes(r, blockEnd); r += step) {
                    if (!Matches(std::size_t((r - block) * step), col + k * step, r)) continue;
                    best = {col + k * step, r};
                    columns = k;  // later columns lose to this hit; earlier ones may still win further down
                    break;
                }
            }
        }
        return best;
    }

private:
    // Rows first up to (not including) end, in the direction, as lines of views_.
    // A row the view hides reads as empty cells, which nothing matches.
    void ReadRows(int first, int end) {
        const std::size_t count = std::size_t((end - first) * direction_.Step());
        views_.resize(count * width_);
        for (std::size_t i = 0; i < count; ++i) {
            const int row = first + int(i) * direction_.Step();
            const std::span line = std::span(views_).subspan(i * width_, width_);
            if (grid_.IsRowShown(row)) grid_.RowView(row, line);
            else std::fill(line.begin(), line.end(), std::string_view());
        }
    }
    bool Matches(std::size_t line, int col, int row) {
        const std::size_t realCol = realCols_[std::size_t(col)];
        const std::string_view cell = views_[line * width_ + realCol];
        return matcher_.Matches(cell) ||
               (!shownWords_.Empty() && shownWords_.Matches(int(realCol), row < grid_.FixedRows(), cell));
    }

    const TBaseGrid& grid_;
    TCellMatcher& matcher_;
    const TShownWordMatches& shownWords_;
    TRange cols_;
    TRange rows_;
    TDirection direction_;
    const TFileProgressHandler& onProgress_;
    std::size_t width_;
    std::vector<std::size_t> realCols_;
    std::vector<std::string_view> views_;
};

}  // namespace

TGridCoord FindCell(TBaseGrid& grid, TGridCoord start, std::string_view text, TFindOptions options,
                    const TFileProgressHandler& onProgress, std::span<const TShownWord> shownWords) {
    TCellMatcher matcher(text, options);
    const int colCount = grid.ColCount();
    const int rowCount = grid.RowCount();
    if (matcher.MatchesNothing() || colCount <= grid.FixedCols() || rowCount <= grid.FixedRows()) return {};

    const bool fixed = options.Has(TFindOption::IncludeFixedCells);
    TRange cols{fixed ? 0 : grid.FixedCols(), colCount - 1};
    TRange rows{fixed ? 0 : grid.FixedRows(), rowCount - 1};
    const TDirection direction(options.Has(TFindOption::Backward));
    const bool beyondTable = direction.Past(start.Col, cols) && direction.Past(start.Row, rows);
    const bool fresh = start == TGridCoord{} || beyondTable;

    // A scope is the start projected onto it; the scan ends where the scope does, it never wraps.
    if (options.Has(TFindOption::CurrentRowOnly)) {
        if (!rows.Contains(grid.Row())) return {};
        rows = {grid.Row(), grid.Row()};
        start.Row = grid.Row();
    }
    if (options.Has(TFindOption::CurrentColumnOnly)) {
        if (!cols.Contains(grid.Col())) return {};
        cols = {grid.Col(), grid.Col()};
        start.Col = grid.Col();
    }

    // Scanning along rows, each row is a line of cells; down columns, each column is.
    const bool alongRows = options.Has(TFindOption::AlongRows);
    const TRange& lines = alongRows ? rows : cols;
    const TRange& cells = alongRows ? cols : rows;
    int line = alongRows ? start.Row : start.Col;
    int cell = alongRows ? start.Col : start.Row;
    if (fresh) {
        line = direction.First(lines);
        cell = direction.First(cells);
    } else {
        // Clamped first so that no start, however far out, overflows the step.
        line = std::clamp(line, lines.Min - 1, lines.Max + 1);
        cell = std::clamp(cell, cells.Min - 1, cells.Max + 1) + direction.Step();
        if (direction.Past(cell, cells)) {
            cell = direction.First(cells);
            line += direction.Step();
        }
        if (direction.Before(line, lines)) {
            line = direction.First(lines);
            cell = direction.First(cells);
        } else if (direction.Before(cell, cells)) {
            cell = direction.First(cells);
        }
    }

    const TShownWordMatches shownMatches(shownWords, matcher);
    TGridScan scan(grid, matcher, shownMatches, cols, rows, direction, onProgress);
    const TGridCoord hit = alongRows ? scan.AlongRows(cell, line) : scan.DownColumns(line, cell);
    if (hit != TGridCoord{} && options.Has(TFindOption::SelectHit)) grid.SetCurrentCell(hit.Col, hit.Row);
    return hit;
}

}  // namespace tkm
