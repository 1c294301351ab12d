#pragma once

#include "bench_document.h"
#include "bench_report.h"
#include "grid/base_grid.h"

#include <memory>

namespace tkm::bench {

// One repaint of the task grid's visible cells at the top, the middle and the
// end of the table, on the offscreen platform. Needs a QApplication.
void RepaintFigures(const TBenchDocument& document, int runs, std::unique_ptr<TBaseGrid> loaded,
                    TBenchReport& report);

}  // namespace tkm::bench
