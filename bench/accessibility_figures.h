#pragma once

#include "bench_report.h"

namespace tkm {
class TTaskGrid;
}

namespace tkm::bench {

// What a screen reader costs the grid, on a grid already on screen:
// a11y:screen reads the name of every cell on screen through the table
// interface, a11y:arrow-key moves the current cell down with its focus event.
void AccessibilityFigures(TTaskGrid& grid, int entries, int runs, TBenchReport& report);

}  // namespace tkm::bench
