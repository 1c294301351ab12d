#pragma once

#include "base/locale_formats.h"
#include "grid/print/print_settings.h"

#include <string>
#include <string_view>

namespace tkm {

class Clock;
class TBaseGrid;

namespace cli {

// Where and how a PDF export is written.
struct TPdfOutput {
    std::string FileName;
    std::string Paper;         // a name PaperNamed knows; empty: the locale's paper
    std::string DocumentName;  // the PDF's title when the settings name no job
};

// The papers --paper takes, by name, any letter case.
bool IsPaperName(std::string_view name);
// "A4, A3, A5, Letter, Legal".
std::string PaperNames();

// Prints the shown columns of the task list into a PDF file as the window's
// print job does, with `settings`: the print colour rules
// unless `colors` is off, page numbers and the time and date from `clock`.
// EFileError naming the file and the reason when it cannot be written.
void ExportPdf(const TBaseGrid& grid, const TPrintSettings& settings, bool colors, const TPdfOutput& out,
               const TLocaleFormats& formats, const Clock& clock);

}  // namespace cli
}  // namespace tkm
