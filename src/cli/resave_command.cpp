#include "cli/commands.h"
#include "cli/document_files.h"

namespace tkm::cli {

namespace {

int RunResave(TArguments& args) {
    args.RejectUnknown();
    args.ExpectPositional(2, 2);
    TBaseGrid grid;
    TCalendarOrigin origin;
    LoadDocument(grid, args.Positional[0], args, &origin);
    SaveDocument(grid, args.Positional[1], args, &origin);
    return 0;
}

}  // namespace

TCommand ResaveCommand() {
    return {"resave", "resave IN OUT             read IN and save it as OUT", {}, RunResave};
}

}  // namespace tkm::cli
