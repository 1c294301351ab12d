#pragma once

#include <string>

namespace tkm {

// Lets SIGTERM, SIGHUP and SIGINT end the process without leaving a save's
// named temporary file behind: the handler removes the files registered below
// and then ends the process as the signal would have. A signal the program
// ignores (nohup) or handles itself is left alone. Each program calls this
// once at start.
void InstallTerminationCleanup();

// From now on the handler only writes the signal's number, one byte, to
// `wakeFd` (a pipe that the program watches), and the program ends itself
// with EndAsTerminated once it has kept what it must; -1 ends at once again.
void DeferTermination(int wakeFd);
// Removes the registered files and ends the process as `signal` would have.
[[noreturn]] void EndAsTerminated(int signal);

// A file a termination signal removes, for as long as this lives.
class TRemovedOnTermination {
public:
    explicit TRemovedOnTermination(const std::string& path);
    ~TRemovedOnTermination();
    TRemovedOnTermination(const TRemovedOnTermination&) = delete;
    TRemovedOnTermination& operator=(const TRemovedOnTermination&) = delete;

private:
    int slot_ = -1;  // none: more files at once than there are places, or a name too long
};

}  // namespace tkm
