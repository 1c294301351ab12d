#pragma once

#include "base/locale_formats.h"

#include <string>
#include <vector>

namespace tkm {

class Clock;
class TBaseGrid;

namespace cli {

// Prints the task list into a PDF file as the window's print job does, with
// the grid's print settings: only `realColumns` (all when empty), the print
// colour rules unless `colors` is off, page numbers and the time and date from
// `clock`. The columns left out are shown again afterwards. EFileError naming
// the file and the reason when it cannot be written.
void ExportPdf(TBaseGrid& grid, const std::vector<int>& realColumns, bool colors, const std::string& outFile,
               const TLocaleFormats& formats, const Clock& clock);

}  // namespace cli
}  // namespace tkm
