#include "cli/commands.h"
#include "cli/document_files.h"

namespace tkm::cli {

namespace {

int RunResave(TArguments& args) {
    args.RejectUnknown();
    args.ExpectPositional(2, 2);
    TBaseGrid grid;
    LoadDocument(grid, args.Positional[0]);
    SaveDocument(grid, args.Positional[1]);
    return 0;
}

}  // namespace

TCommand ResaveCommand() {
    return {"resave", "resave IN OUT             read IN and save it as OUT", {}, RunResave};
}

}  // namespace tkm::cli
