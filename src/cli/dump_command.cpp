#include "cli/commands.h"
#include "cli/document_files.h"
#include "cli/json_text.h"

#include <cstdio>

namespace tkm::cli {

namespace {

void Flush(std::string& out) {
    std::fwrite(out.data(), 1, out.size(), stdout);
    out.clear();
}

int RunDump(TArguments& args) {
    args.RejectUnknown();
    args.ExpectPositional(1, 1);
    TBaseGrid grid;
    LoadDocument(grid, args.Positional[0], args);
    std::string out = "{\"rows\": [";
    for (int r = 0; r < grid.RowCount(); ++r) {
        out += r ? ",\n  [" : "\n  [";
        for (int c = 0; c < grid.RealColCount(); ++c) {
            if (c) out += ", ";
            AppendJsonString(grid.CellView(c, r), out);
        }
        out += ']';
        if (out.size() > (1u << 20)) Flush(out);
    }
    out += grid.RowCount() ? "\n]}\n" : "]}\n";
    Flush(out);
    return std::fflush(stdout) == 0 ? 0 : 3;
}

}  // namespace

TCommand DumpCommand() {
    return {"dump", "dump FILE                 print the document's cells as JSON", {}, RunDump};
}

}  // namespace tkm::cli
