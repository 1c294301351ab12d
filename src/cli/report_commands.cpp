#include "cli/report_commands.h"

#include "cli/document_files.h"

#include <iostream>

namespace tkm::cli {

namespace {

using TReportWriter = void (*)(const TBaseGrid&, const TDate&, const TLocaleFormats&, std::ostream&);

// A command that reads FILE and prints a report of it.
TCommand ReportCommand(const std::string& name, const std::string& usage, TReportWriter write) {
    return {name, usage, {}, [write](TArguments& args) {
                args.RejectUnknown();
                args.ExpectPositional(1, 1);
                TBaseGrid grid;
                LoadDocument(grid, args.Positional[0], args);
                write(grid, args.Clock.Today(), args.Formats, std::cout);
                return 0;
            }};
}

}  // namespace

TCommand StatsCommand() { return ReportCommand("stats", "stats FILE                print the statistics report", WriteStatistics); }
TCommand ColorsCommand() { return ReportCommand("colors", "colors FILE               print each entry's screen colours", WriteColors); }

}  // namespace tkm::cli
