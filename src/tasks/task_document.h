#pragma once

#include "grid/base_grid.h"
#include "grid/io/csv_settings.h"

#include <string>
#include <string_view>

namespace tkm {

// A new document: the task table's fourteen columns and titles and one empty entry row.
TBaseGrid EmptyTaskDocument();

// Reads a document file as the task table the window and `tkm` work on: the
// file's lines in a grid of at least the fourteen columns, the column titles
// when the file gave no header text, at least one entry, and the progress bar
// and comment marker on every entry. EGridFileError "Cannot open file NAME" or
// EInOutError; the file is read whole before anything is built.
TBaseGrid ReadTaskDocument(const std::string& fileName, const TCsvSettings& settings = {});
// The same task table from the bytes of a document already in memory.
TBaseGrid TaskDocumentFromText(std::string_view bytes);

// A grid read from a file made the task table: its header, at least one
// entry, and every entry's progress bar and comment marker.
TBaseGrid AsTaskTable(TBaseGrid document);

// Puts `document` in place of the grid's rows and columns, leaving it empty;
// the grid keeps its view (widths, current cell, handlers) and reports every
// cell changed.
void ReplaceTaskDocument(TBaseGrid& grid, TBaseGrid& document);

}  // namespace tkm
