#pragma once

#include "grid/base_grid.h"
#include "grid/io/csv_settings.h"
#include "grid/io/export_file.h"

#include <string>

namespace tkm {

// Writes the grid as delimited text, one CR LF-ended line per row, to `sink`.
// EGridError for a separator the quoting cannot live with.
void WriteCsv(const TBaseGrid& grid, const TCsvSettings& settings, const TByteSink& sink);

// Writes the grid to a file; the old file is replaced only when everything was
// written. EGridFileError "Cannot Create file NAME", EInOutError on other failures.
void WriteCsvFile(const TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings = {});

}  // namespace tkm
