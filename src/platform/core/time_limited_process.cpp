#include "platform/core/time_limited_process.h"

#include "base/termination_cleanup.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace tkm {

namespace {

constexpr auto PollInterval = std::chrono::milliseconds(10);
// How long the killed helpers of a group get to be gone.
constexpr auto GroupExitWait = std::chrono::seconds(2);

bool IsExecutableFile(const std::string& path) {
    struct stat st {};
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && access(path.c_str(), X_OK) == 0;
}

// Whether a process of the group still runs. The dead ones wait as zombies
// until their parent, often the system's first process, collects them.
bool GroupRuns(pid_t group) {
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/proc", error)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() || !std::isdigit(static_cast<unsigned char>(name[0]))) continue;
        std::ifstream in(entry.path() / "stat");
        std::string stat;
        std::getline(in, stat);
        // pid (command) state ppid pgrp ...; the command may hold anything but the last ")".
        const std::size_t close = stat.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream fields(stat.substr(close + 1));
        char state = 0;
        long parent = 0, processGroup = 0;
        if (fields >> state >> parent >> processGroup && processGroup == group && state != 'Z') return true;
    }
    return false;
}

// Kills every process of the group and waits until none runs, so that
// nothing writes into the caller's files after this returns.
void KillGroup(pid_t group) {
    if (kill(-group, SIGKILL) != 0) return;
    const auto deadline = std::chrono::steady_clock::now() + GroupExitWait;
    while (GroupRuns(group) && std::chrono::steady_clock::now() < deadline) std::this_thread::sleep_for(PollInterval);
}

}  // namespace

std::optional<std::string> FindProgramOnPath(const std::string& name) {
    const char* path = std::getenv("PATH");
    if (!path) return std::nullopt;
    const std::string folders = path;
    std::size_t start = 0;
    while (start < folders.size()) {
        const std::size_t end = std::min(folders.find(':', start), folders.size());
        if (end > start) {
            const std::string candidate = folders.substr(start, end - start) + "/" + name;
            if (IsExecutableFile(candidate)) return candidate;
        }
        start = end + 1;
    }
    return std::nullopt;
}

TProcessOutcome RunTimeLimited(const std::string& program, const std::vector<std::string>& args,
                               const std::string& logPath, std::chrono::milliseconds limit, std::stop_token stop) {
    TProcessOutcome outcome;
    // Everything the child needs is made before the fork: after it, only
    // calls that are safe in a signal handler.
    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    const int log = open(logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (log < 0) {
        outcome.Code = errno;
        return outcome;
    }
    int started[2];  // the child's failed exec reports its errno through this
    if (pipe2(started, O_CLOEXEC) != 0) {
        outcome.Code = errno;
        close(log);
        return outcome;
    }
    const pid_t parent = getpid();
    const pid_t pid = fork();
    if (pid == 0) {
        setpgid(0, 0);
        // Should the program die without its handlers running, the server
        // goes with it; the thread that forks waits here until the end.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent) _exit(127);
        const int null = open("/dev/null", O_RDONLY);
        if (null > STDIN_FILENO) {
            dup2(null, STDIN_FILENO);
            close(null);
        }
        dup2(log, STDOUT_FILENO);
        dup2(log, STDERR_FILENO);
        execve(program.c_str(), argv.data(), environ);
        const int error = errno;
        [[maybe_unused]] const auto written = write(started[1], &error, sizeof error);
        _exit(127);
    }
    const int forkError = errno;
    close(log);
    close(started[1]);
    if (pid < 0) {
        close(started[0]);
        outcome.Code = forkError;
        return outcome;
    }
    // Also here, so the group exists before anyone signals it.
    setpgid(pid, pid);
    const TKilledOnTermination killedOnTermination(pid);
    int execError = 0;
    const bool execFailed = read(started[0], &execError, sizeof execError) == sizeof execError;
    close(started[0]);
    if (execFailed) {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
        outcome.Code = execError;
        return outcome;
    }

    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) break;
        const bool cancelled = stop.stop_requested();
        if (cancelled || std::chrono::steady_clock::now() >= deadline) {
            kill(-pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            KillGroup(pid);
            outcome.End = cancelled ? TProcessOutcome::TEnd::Cancelled : TProcessOutcome::TEnd::TimedOut;
            return outcome;
        }
        std::this_thread::sleep_for(PollInterval);
    }
    KillGroup(pid);
    if (WIFSIGNALED(status)) {
        outcome.End = TProcessOutcome::TEnd::Signalled;
        outcome.Code = WTERMSIG(status);
    } else {
        outcome.End = TProcessOutcome::TEnd::Exited;
        outcome.Code = WEXITSTATUS(status);
    }
    return outcome;
}

}  // namespace tkm
