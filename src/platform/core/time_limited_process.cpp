#include "platform/core/time_limited_process.h"

#include <cctype>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <spawn.h>
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
                               const std::string& logPath, std::chrono::milliseconds limit) {
    TProcessOutcome outcome;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, logPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    posix_spawn_file_actions_adddup2(&actions, STDOUT_FILENO, STDERR_FILENO);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);

    std::vector<char*> argv{const_cast<char*>(program.c_str())};
    for (const std::string& arg : args) argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, program.c_str(), &actions, &attributes, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    posix_spawnattr_destroy(&attributes);
    if (spawned != 0) {
        outcome.Code = spawned;
        return outcome;
    }

    const auto deadline = std::chrono::steady_clock::now() + limit;
    int status = 0;
    for (;;) {
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) break;
        if (done < 0 && errno != EINTR) break;
        if (std::chrono::steady_clock::now() >= deadline) {
            kill(pid, SIGKILL);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            KillGroup(pid);
            outcome.End = TProcessOutcome::TEnd::TimedOut;
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
