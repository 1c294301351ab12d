#pragma once

#include "base/date_text.h"
#include "grid/base_grid.h"
#include "grid/io/file_progress.h"
#include "grid/sort_settings.h"

#include <string>
#include <vector>

namespace tkm {

// What the cells of a task column compare as when the list is sorted by it,
// one key per data row: Priority and Status in their vocabulary's order (other
// texts after them, by their bytes), the times by the time of day where they
// read as a time. Empty for the columns whose texts sort as they are.
std::vector<std::string> TaskSortKeys(const TBaseGrid& grid, int realCol, const TLocaleFormats& formats);

// Sorts the data rows by settings.Column with the keys of that column,
// telling `onProgress` how far it has come.
void SortTaskTable(TBaseGrid& grid, const TSortSettings& settings, const TLocaleFormats& formats,
                   const TFileProgressHandler& onProgress = {});

}  // namespace tkm
