#pragma once

#include "grid/base_grid.h"
#include "grid/io/file_progress.h"
#include "grid/sort_settings.h"

#include <span>
#include <string>

namespace tkm {

// Sorts the data rows by settings.Column, moving whole rows (hidden columns and
// cell objects included), ties settled by the columns to the right. The order is
// exactly that of the grid's quicksort, which is not stable. Raises
// CellsChanged once, for a rectangle below the data rows; the current row index
// stays where it was.
// `keys`, when not empty, are what the sort column's cells compare as, one per
// data row: a column whose texts have an order of their own.
// `onProgress` hears how far the sort has come: once per phase, and as rows
// find their places. It must not throw: a sort is never left half done.
void SortByColumn(TBaseGrid& grid, const TSortSettings& settings, const TLocaleFormats& formats,
                  std::span<const std::string> keys = {}, const TFileProgressHandler& onProgress = {});

}  // namespace tkm
