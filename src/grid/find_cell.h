#pragma once

#include "grid/base_grid.h"
#include "grid/find_options.h"
#include "grid/grid_types.h"

#include <string_view>

namespace tkm {

// The next cell after `start` (display column, row) whose text matches, in the
// scan order the options choose, or (-1, -1). Start (-1, -1) begins at the
// first cell of the scan; the scan never wraps around. Hidden columns and the
// rows a filter hides are not searched. With SelectHit the hit becomes the grid's current cell.
TGridCoord FindCell(TBaseGrid& grid, TGridCoord start, std::string_view text, TFindOptions options);

}  // namespace tkm
