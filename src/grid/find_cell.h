#pragma once

#include "grid/base_grid.h"
#include "grid/find_options.h"
#include "grid/grid_types.h"
#include "grid/io/file_progress.h"
#include "grid/shown_words.h"

#include <string_view>

namespace tkm {

// The next cell after `start` (display column, row) whose text matches, in the
// scan order the options choose, or (-1, -1). Start (-1, -1) begins at the
// first cell of the scan; the scan never wraps around. Hidden columns and the
// rows a filter hides are not searched. With SelectHit the hit becomes the grid's current cell.
// `onProgress` hears the rows looked at of the rows the scan has before it; an
// EAbort it throws ends the search with the current cell as it was. A cell
// holding one of `shownWords` matches when the word as shown does.
TGridCoord FindCell(TBaseGrid& grid, TGridCoord start, std::string_view text, TFindOptions options,
                    const TFileProgressHandler& onProgress = {}, std::span<const TShownWord> shownWords = {});

}  // namespace tkm
