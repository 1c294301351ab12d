#pragma once

#include "grid/base_grid.h"
#include "grid/io/cell_alignment.h"
#include "grid/io/export_formats.h"
#include "grid/io/office_format.h"
#include "grid/io/sheet_values.h"
#include "platform/office_converter.h"

#include <memory>
#include <string>
#include <vector>

namespace tkm {

// Has the office server write the grid to `targetPath` in `format`: every row
// from the header on, the real columns `shownColumns` in display order, each
// cell as its text. Word formats get one table whose paragraphs follow
// `onGetAlignment`; Excel formats one sheet whose entries' cells are numbers,
// dates and times where `typing` reads them so, and text otherwise.
// EGridError, before anything is written, for a column the grid does not
// have and for rows, columns or a cell text that the format's sheet would cut
// short; otherwise the converter's failures (EAbort once `stop` is requested).
void ExportOfficeDocument(const TBaseGrid& grid, const std::vector<int>& shownColumns, TOfficeFormat format,
                          const std::string& targetPath, OfficeConverter& converter,
                          const TAlignmentHook& onGetAlignment = {}, const TSheetTyping& typing = {},
                          std::stop_token stop = {});

// Save As's office types written by `converter`: the grid's shown columns in
// display order, every row, the sheets' cells read by `typing`.
TOfficeExport OfficeExportThrough(std::shared_ptr<OfficeConverter> converter, TSheetTyping typing);

}  // namespace tkm
