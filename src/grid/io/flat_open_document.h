#pragma once

#include "grid/base_grid.h"
#include "grid/io/cell_alignment.h"
#include "grid/io/csv_writer.h"

#include <vector>

namespace tkm {

// The grid as the office server reads it: flat (single-file) OpenDocument XML
// in UTF-8, every row from the header on, the real columns `columns` in that
// order. Each cell holds its grid text exactly: CRs are dropped, each LF
// starts a new paragraph of the cell, spaces and tabs are kept, bytes that are
// not UTF-8 are read as Windows-1252 as the grid shows them, and characters
// XML cannot carry become U+FFFD.

// A spreadsheet (.fods) of one sheet whose cells are all text cells, so that
// "01/12/2026" and "1.5" stay text.
void WriteFlatSpreadsheet(const TBaseGrid& grid, const std::vector<int>& columns, const TByteSink& sink);

// A text document (.fodt) holding the rows as tables of a hundred rows, one
// right after the other; a right-aligned or centred cell gets paragraphs
// aligned that way.
void WriteFlatTextDocument(const TBaseGrid& grid, const std::vector<int>& columns,
                           const TAlignmentHook& onGetAlignment, const TByteSink& sink);

}  // namespace tkm
