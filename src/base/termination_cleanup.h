#pragma once

#include <string>

namespace tkm {

// Lets SIGTERM, SIGHUP and SIGINT end the process without leaving a save's
// named temporary file behind: the handler removes the files registered below
// and then ends the process as the signal would have. A signal the program
// ignores (nohup) or handles itself is left alone. Each program calls this
// once at start.
void InstallTerminationCleanup();

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
