#pragma once

#include "grid/base_grid.h"
#include "grid/io/cell_alignment.h"
#include "grid/io/export_file.h"

#include <string>

namespace tkm {

// The shown columns as space-padded text, one CR LF-ended line per row, the
// header row included. Each column is as wide as its longest first line, plus
// one space; a cell shows only its first line, in UTF-8 as the grid shows it.
void WriteText(const TBaseGrid& grid, const TAlignmentHook& alignment, const TByteSink& sink,
               const TFileProgressHandler& progress = {});

// EGridFileError "Cannot Create file NAME", EInOutError on other failures.
void WriteTextFile(const TBaseGrid& grid, const std::string& fileName, const TAlignmentHook& alignment = {},
                   const TFileProgressHandler& progress = {});

}  // namespace tkm
