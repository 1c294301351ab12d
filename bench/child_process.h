#pragma once

#include <string>
#include <vector>

namespace tkm::bench {

struct TProcessResult {
    int ExitCode = -1;  // -1: not started or killed by a signal
    double Seconds = 0;  // wall clock from start to exit
    std::string Output;  // standard output and standard error together
};

// Runs a program found on PATH and waits for it.
TProcessResult RunProcess(const std::vector<std::string>& args);
bool ProgramOnPath(const std::string& name);

}  // namespace tkm::bench
