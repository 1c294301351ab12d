#pragma once

#include "grid/base_grid.h"
#include "grid/io/cell_alignment.h"
#include "grid/io/export_file.h"
#include "grid/io/html_settings.h"

#include <string>

namespace tkm {

// What the web page is made of besides the cell texts.
struct THtmlSources {
    THtmlSettings Settings;
    THtmlCellColors Colors;  // none: data cells carry no colours
    TAlignmentHook Alignment;  // none: every cell left-aligned
    TFileProgressHandler OnFileProgress;
};

// The shown columns as a bare HTML table in UTF-8, one CR LF-ended line per tag line:
// header cells in the fixed colour, data cells in the colours and font styles
// the colour routine gives them. The header and footer files are read first:
// one that cannot be read is left out.
void WriteHtml(const TBaseGrid& grid, const THtmlSources& sources, const TByteSink& sink);

// EGridFileError "Cannot Create file NAME", EInOutError on other failures.
void WriteHtmlFile(const TBaseGrid& grid, const std::string& fileName, const THtmlSources& sources);

}  // namespace tkm
