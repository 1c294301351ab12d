#pragma once

#include "bench_document.h"
#include "bench_report.h"
#include "grid/base_grid.h"

#include <string>

namespace tkm::bench {

// The Save As exports of a loaded list, all fourteen columns, each written to
// a file as the window writes it; HTML with the screen colours.
void ExportFigures(const TBenchDocument& document, const TBaseGrid& grid, int runs, const std::string& folder,
                   TBenchReport& report);

}  // namespace tkm::bench
