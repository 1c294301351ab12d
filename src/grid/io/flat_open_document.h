#pragma once

#include "grid/base_grid.h"
#include "grid/io/cell_alignment.h"
#include "grid/io/csv_writer.h"
#include "grid/io/sheet_values.h"

#include <vector>

namespace tkm {

// The grid as the office server reads it: flat (single-file) OpenDocument XML
// in UTF-8, every row from the header on, the real columns `columns` in that
// order. Each cell holds its grid text exactly: CRs are dropped, each LF
// starts a new paragraph of the cell, spaces and tabs are kept, bytes that are
// not UTF-8 are read as Windows-1252 as the grid shows them, and characters
// XML cannot carry become U+FFFD.

// A spreadsheet (.fods) of one sheet. An entry's cell whose column `typing`
// gives a value type and whose text reads as such a value is a number, date or
// time cell shown in the document's formats; every other cell is a text cell,
// so that "=1+1", "1e5" or "0,5" in a "." locale stay text.
void WriteFlatSpreadsheet(const TBaseGrid& grid, const std::vector<int>& columns, const TSheetTyping& typing,
                          const TByteSink& sink);

// A text document (.fodt) holding the rows as tables of a hundred rows, one
// right after the other; a right-aligned or centred cell gets paragraphs
// aligned that way.
void WriteFlatTextDocument(const TBaseGrid& grid, const std::vector<int>& columns,
                           const TAlignmentHook& onGetAlignment, const TByteSink& sink);

}  // namespace tkm
