#pragma once

#include "grid/base_grid.h"
#include "grid/io/csv_settings.h"

#include <string>
#include <string_view>

namespace tkm {

// More fields in one line than any table can show make the load fail
// (EGridError) instead of growing the grid without bound.
constexpr int MaxLoadColumns = 16384;

// Loads delimited text into the grid from the start cell on: the row count
// becomes start row + the number of lines, cells the text provides are
// overwritten, the others keep their texts, the column count only grows.
// Fires the grid's cells-changed notification once at the end. Never fails on
// malformed content.
// Large texts read into new rows are parsed on every core.
void ReadCsv(TBaseGrid& grid, std::string_view bytes, const TCsvSettings& settings = {});

// ReadCsv with the lines cut into blocks of at least `blockSize` bytes that
// are parsed on every core, wherever the rows from the start row on are new
// (merges into existing rows go line by line); 0 reads line by line. The
// grid ends with the same cells either way.
void ReadCsvInBlocks(TBaseGrid& grid, std::string_view bytes, const TCsvSettings& settings, std::size_t blockSize);

// ReadCsv of a whole file, read completely before the grid is touched.
// EGridFileError "Cannot open file NAME" (also for content beyond the limits
// above, with the reason) or EInOutError.
void ReadCsvFile(TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings = {});

// Opens a document: reads the file into a fresh store shaped like `grid` and
// only on success replaces all of the grid's rows with it (cell objects go;
// the caller attaches its own). On any failure the grid is untouched.
void LoadCsvDocument(TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings = {});

}  // namespace tkm
