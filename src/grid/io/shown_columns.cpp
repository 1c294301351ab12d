#include "grid/io/shown_columns.h"

namespace tkm {

std::vector<TShownColumn> ShownColumns(const TBaseGrid& grid, bool withFixed, bool withHidden) {
    const int first = withFixed ? 0 : grid.FixedCols();
    const int last = grid.ColCount() - 1 + (withHidden ? grid.HiddenCount() : 0);
    std::vector<TShownColumn> columns;
    columns.reserve(std::size_t(std::max(0, last - first + 1)));
    for (int c = first; c <= last; ++c) columns.push_back({c, withHidden ? c : grid.DisplayToReal(c)});
    return columns;
}

}  // namespace tkm
