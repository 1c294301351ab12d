#include "cli/comma_loader.h"
#include "cli/report_commands.h"
#include "tasks/task_statistics.h"

#include <iostream>

namespace tkm::cli {

void WriteStatistics(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, std::ostream& out) {
    for (const TStatisticsRow& row : CountStatistics(grid, today, formats)) out << row.Label << '\t' << row.Count << '\n';
}

TCommand StatsCommand() {
    return {"stats", "stats FILE", {}, [](TArguments& args) {
                args.RejectUnknown();
                args.ExpectPositional(1, 1);
                const TBaseGrid grid = LoadCommaSeparated(args.Positional[0]);
                WriteStatistics(grid, args.Clock.Today(), args.Formats, std::cout);
                return 0;
            }};
}

}  // namespace tkm::cli
