#include "platform/program_arguments.h"

#include "base/project_info.h"

namespace tkm {

namespace {

bool IsOption(const std::string& arg) { return arg.size() > 1 && arg[0] == '-'; }

}  // namespace

TProgramRequest ReadProgramArguments(const std::vector<std::string>& args) {
    using TMode = TProgramRequest::TMode;
    TProgramRequest request;
    std::size_t next = 0;
    if (!args.empty() && args[0] == "--dde-execute") {
        request.Mode = TMode::DdeExecute;
        if (args.size() != 2) {
            request.Mode = TMode::BadUsage;
            request.Error = "usage: taskmere --dde-execute MACRO";
        } else {
            request.Macro = args[1];
        }
        return request;
    }
    if (!args.empty() && args[0] == "--open-in-running") {
        request.Mode = TMode::OpenInRunning;
        next = 1;
    }
    bool optionsEnded = false;
    for (; next < args.size(); ++next) {
        const std::string& arg = args[next];
        if (optionsEnded || !IsOption(arg)) {
            request.Documents.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help" || arg == "-h") {
            return TProgramRequest{TMode::Help, {}, {}, {}};
        } else if (arg == "--version") {
            return TProgramRequest{TMode::Version, {}, {}, {}};
        } else {
            return TProgramRequest{TMode::UnknownOption, {}, {},
                                   "unknown option " + arg + " (put -- before a document whose name begins with -)"};
        }
    }
    return request;
}

std::string ProgramUsage() {
    return std::string("usage: taskmere [--] [FILE.tkm ...]\n"
                       "       taskmere --open-in-running [--] [FILE.tkm ...]\n"
                       "       taskmere --dde-execute MACRO\n"
                       "       taskmere --help | --version\n\n") +
           Project::Name + " shows each FILE in turn, or a new list without one.\n"
           "  --open-in-running  hand the files to the Taskmere already running and bring its window\n"
           "                     forward; start one when none runs\n"
           "  --dde-execute      send a macro such as [Open(\"FILE\")] to the running Taskmere\n"
           "  --                 what follows are files, even when their names begin with -\n";
}

std::string VersionLine(const std::string& program) {
    return program + " (" + Project::Name + ") " + TASKMERE_RELEASE + "\n";
}

}  // namespace tkm
