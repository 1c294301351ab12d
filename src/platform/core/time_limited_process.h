#pragma once

#include <chrono>
#include <optional>
#include <stop_token>
#include <string>
#include <vector>

namespace tkm {

// The program's path in the first folder of $PATH that holds it as an
// executable file; none when no folder does (or $PATH is empty).
std::optional<std::string> FindProgramOnPath(const std::string& name);

struct TProcessOutcome {
    enum class TEnd { Exited, Signalled, TimedOut, Cancelled, NotStarted };
    TEnd End = TEnd::NotStarted;
    int Code = 0;  // the exit code, the signal, or the errno value of the failed start
};

// Runs `program` with `args`, its input empty and its output and errors going
// to the file `logPath`, in a process group of its own. Past `limit`, or once
// `stop` is requested, the whole group is killed; once the program has ended,
// so is whatever it left running. A termination signal kills the group too,
// and the program itself goes when the calling thread ends.
TProcessOutcome RunTimeLimited(const std::string& program, const std::vector<std::string>& args,
                               const std::string& logPath, std::chrono::milliseconds limit,
                               std::stop_token stop = {});

}  // namespace tkm
