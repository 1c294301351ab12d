#pragma once

#include <string>

namespace tkm {

// Lets SIGTERM, SIGHUP and SIGINT end the process without leaving a save's
// named temporary file or an office conversion behind: the handler kills the
// process groups and removes the files and folders registered below, and then
// ends the process as the signal would have. A signal the program
// ignores (nohup) or handles itself is left alone. Each program calls this
// once at start.
void InstallTerminationCleanup();

// From now on the handler only writes the signal's number, one byte, to
// `wakeFd` (a pipe that the program watches), and the program ends itself
// with EndAsTerminated once it has kept what it must; -1 ends at once again.
void DeferTermination(int wakeFd);
// Kills the registered groups, removes the registered files and folders,
// and ends the process as `signal` would have.
[[noreturn]] void EndAsTerminated(int signal);

// A file, or a folder with everything in it, that a termination signal
// removes, for as long as this lives.
class TRemovedOnTermination {
public:
    enum class TKind { File, Folder };
    explicit TRemovedOnTermination(const std::string& path, TKind kind = TKind::File);
    ~TRemovedOnTermination();
    TRemovedOnTermination(const TRemovedOnTermination&) = delete;
    TRemovedOnTermination& operator=(const TRemovedOnTermination&) = delete;

private:
    int slot_ = -1;  // none: more files at once than there are places, or a name too long
};

// A child's process group that a termination signal kills, for as long as this lives.
class TKilledOnTermination {
public:
    explicit TKilledOnTermination(int processGroup);
    ~TKilledOnTermination();
    TKilledOnTermination(const TKilledOnTermination&) = delete;
    TKilledOnTermination& operator=(const TKilledOnTermination&) = delete;

private:
    int slot_ = -1;  // none: more groups at once than there are places
};

}  // namespace tkm
