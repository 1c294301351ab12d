#include "cli/report_commands.h"
#include "tasks/task_statistics.h"

namespace tkm::cli {

void WriteStatistics(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, std::ostream& out) {
    for (const TStatisticsRow& row : CountStatistics(grid, today, formats)) out << row.Label << '\t' << row.Count << '\n';
}

}  // namespace tkm::cli
