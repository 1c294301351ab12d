#include "cli/commands.h"

#include "cli/report_commands.h"

namespace tkm::cli {

// Each capability adds its subcommands here as it lands.
const std::vector<TCommand>& Commands() {
    static const std::vector<TCommand> commands{DumpCommand(), ResaveCommand(), NewCommand(), SortCommand(),
                                                FindCommand(), StatsCommand(), ColorsCommand(),
                                                ExportCommand({})};
    return commands;
}

}  // namespace tkm::cli
