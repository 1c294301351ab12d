#include "cli/commands.h"
#include "cli/document_files.h"
#include "grid/find_cell.h"

#include <iostream>

namespace tkm::cli {

namespace {

TFindOptions TakeFindOptions(TArguments& args) {
    using O = TFindOption;
    TFindOptions options;
    options.Set(O::MatchCase, args.TakeFlag("--match-case"));
    options.Set(O::WholeCellText, args.TakeFlag("--whole"));
    options.Set(O::MatchAtStart, args.TakeFlag("--from-start"));
    options.Set(O::IncludeFixedCells, args.TakeFlag("--fixed"));
    options.Set(O::AlongRows, args.TakeFlag("--along-rows"));
    options.Set(O::Backward, args.TakeFlag("--backward"));
    return options;
}

// Every hit as the window's repeated OK finds them: each search starts after the last hit.
int RunFind(TArguments& args) {
    const TFindOptions options = TakeFindOptions(args);
    args.RejectUnknown();
    args.ExpectPositional(2, 2);
    TBaseGrid grid;
    LoadDocument(grid, args.Positional[0], args);
    const std::string& text = args.Positional[1];
    bool found = false;
    for (TGridCoord at = FindCell(grid, {}, text, options); at != TGridCoord{}; at = FindCell(grid, at, text, options)) {
        std::cout << at.Col << '\t' << at.Row << '\n';
        found = true;
    }
    return found ? 0 : 1;
}

}  // namespace

TCommand FindCommand() {
    return {"find",
            "find FILE TEXT [--match-case] [--whole] [--from-start] [--fixed] [--along-rows] [--backward]\n"
            "                            print every hit as column<TAB>row",
            {},
            RunFind};
}

}  // namespace tkm::cli
