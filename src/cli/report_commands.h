#pragma once

#include "cli/commands.h"
#include "grid/base_grid.h"

#include <ostream>

namespace tkm::cli {

// `tkm stats FILE`: the statistics report's rows as label<TAB>count.
TCommand StatsCommand();
void WriteStatistics(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, std::ostream& out);

// `tkm colors FILE`: per entry row, row<TAB>font<TAB>brush or -<TAB>styles.
TCommand ColorsCommand();
void WriteColors(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, std::ostream& out);

}  // namespace tkm::cli
