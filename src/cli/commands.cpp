#include "cli/commands.h"

#include "cli/report_commands.h"
#include "platform/core/libreoffice_converter.h"

namespace tkm::cli {

// Each capability adds its subcommands here as it lands.
const std::vector<TCommand>& Commands() {
    static const std::vector<TCommand> commands{
        DumpCommand(),  ResaveCommand(), NewCommand(),   AddCommand(),
        SortCommand(),  FindCommand(),   StatsCommand(), ColorsCommand(),
        ExportCommand(std::make_shared<TLibreOfficeConverter>()), ImportCommand(), CaldavCommand()};
    return commands;
}

}  // namespace tkm::cli
