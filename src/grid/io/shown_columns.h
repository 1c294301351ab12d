#pragma once

#include "grid/base_grid.h"

#include <vector>

namespace tkm {

// One column an export writes: where it stands on display, and the real
// column whose cells it shows.
struct TShownColumn {
    int Display = 0;
    int Real = 0;
    bool operator==(const TShownColumn&) const = default;
};

// The columns every writer walks, in display order: the shown ones, or with
// `withHidden` every real column as it stands; fixed columns only with
// `withFixed`.
std::vector<TShownColumn> ShownColumns(const TBaseGrid& grid, bool withFixed = true, bool withHidden = false);

}  // namespace tkm
