#pragma once

#include <string>
#include <vector>

namespace tkm {

// What one start of the window program was asked to do.
struct TProgramRequest {
    enum class TMode {
        Window,         // open Documents in a window of its own
        Help,           // print the usage
        Version,        // print the version
        DdeExecute,     // send Macro to the running program
        OpenInRunning,  // hand Documents (and the window's activation) to the running program
        BadUsage,       // Error says what is wrong
        UnknownOption,  // Error names it; may be one of Qt's own, which Qt takes out later
    };
    TMode Mode = TMode::Window;
    std::vector<std::string> Documents;
    std::string Macro;
    std::string Error;
};

// The arguments after the program's name. "--" ends the options, so any
// name after it is a document, "--help" too.
TProgramRequest ReadProgramArguments(const std::vector<std::string>& args);

// What --help prints.
std::string ProgramUsage();
// What --version prints, for taskmere or tkm: "tkm (Taskmere) 0.1".
std::string VersionLine(const std::string& program);

}  // namespace tkm
