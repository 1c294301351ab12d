#include "cli/commands.h"

namespace tkm::cli {

// Each capability adds its subcommands here as it lands.
const std::vector<TCommand>& Commands() {
    static const std::vector<TCommand> commands{DumpCommand(), ResaveCommand(), NewCommand()};
    return commands;
}

}  // namespace tkm::cli
