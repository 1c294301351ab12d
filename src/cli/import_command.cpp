#include "cli/commands.h"
#include "cli/document_files.h"

namespace tkm::cli {

namespace {

// Any program's to-dos as a document: IN is read as iCalendar whatever its
// name ends in.
int RunImport(TArguments& args) {
    const bool force = args.TakeFlag("--force");
    args.RejectUnknown();
    args.ExpectPositional(2, 2);
    const std::string& in = args.Positional[0];
    const std::string& out = args.Positional[1];
    if (!force) RefuseToReplace(out);
    TBaseGrid grid;
    ReportingFileErrors([&] { grid = ReadCalendarDocument(in, CalendarSettings(args)); });
    SaveDocument(grid, out, args);
    return 0;
}

}  // namespace

TCommand ImportCommand() {
    return {"import", "import IN.ics OUT.tkm [--force]\n"
                      "                            read the to-dos of an iCalendar file as a document",
            {}, RunImport};
}

}  // namespace tkm::cli
