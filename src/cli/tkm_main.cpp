// tkm: the task lists of Taskmere on the command line.
#include "base/errors.h"
#include "base/termination_cleanup.h"
#include "cli/cli_options.h"
#include "cli/commands.h"
#include "platform/program_arguments.h"

#include <cstring>
#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

void PrintUsage(std::ostream& out) {
    out << "usage: tkm COMMAND [ARGS...]\n\ncommands:\n";
    for (const auto& command : tkm::cli::Commands()) out << "  " << command.Usage << "\n";
    out << "\noptions every command takes:\n"
           "  --today YYYY-MM-DD  --now HH:MM:SS\n"
           "  --date-format PICTURE  --time-format PICTURE\n"
           "  --decimal-separator C  --thousands-separator C\n";
}

}  // namespace

int main(int argc, char** argv) {
    tkm::InstallTerminationCleanup();
    if (argc < 2 || std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0) {
        PrintUsage(argc < 2 ? std::cerr : std::cout);
        return argc < 2 ? 2 : 0;
    }
    if (std::strcmp(argv[1], "--version") == 0) {
        std::cout << tkm::VersionLine("tkm");
        return 0;
    }
    const std::string name = argv[1];
    const std::vector<std::string> args(argv + 2, argv + argc);
    for (const auto& command : tkm::cli::Commands()) {
        if (command.Name != name) continue;
        try {
            tkm::cli::TArguments parsed = tkm::cli::ParseArguments(args, command.ValuedOptions);
            return command.Run(parsed);
        } catch (const tkm::cli::EUsage& e) {
            std::cerr << "tkm " << name << ": " << e.what() << "\n";
            return 2;
        } catch (const tkm::cli::EFileError& e) {
            std::cerr << "tkm " << name << ": " << e.what() << "\n";
            return 3;
        } catch (const std::bad_alloc&) {
            std::cerr << "tkm " << name << ": " << tkm::NotEnoughMemory << "\n";
            return 3;
        } catch (const std::exception& e) {
            std::cerr << "tkm " << name << ": " << e.what() << "\n";
            return 3;
        }
    }
    std::cerr << "tkm: unknown command " << name << "\n";
    PrintUsage(std::cerr);
    return 2;
}
