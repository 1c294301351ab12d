#pragma once

#include "base/locale_formats.h"
#include "grid/print/print_settings.h"

#include <string>

namespace tkm {

class Clock;
class TBaseGrid;

namespace cli {

// Prints the shown columns of the task list into a PDF file as the window's
// print job does, with `settings`: the print colour rules
// unless `colors` is off, page numbers and the time and date from `clock`.
// EFileError naming the file and the reason when it cannot be written.
void ExportPdf(const TBaseGrid& grid, const TPrintSettings& settings, bool colors, const std::string& outFile, const TLocaleFormats& formats,
               const Clock& clock);

}  // namespace cli
}  // namespace tkm
