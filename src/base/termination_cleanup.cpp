#include "base/termination_cleanup.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace tkm {

namespace {

// Fixed places, because the handler may neither allocate nor lock.
struct TSlot {
    std::atomic<bool> Taken{false};
    std::atomic<bool> Armed{false};  // Path is complete
    bool IsFolder = false;
    char Path[PATH_MAX];
};
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads the flags");

constexpr int SlotCount = 8;
TSlot slots[SlotCount];

std::atomic<int> wakeDescriptor{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the descriptor");

constexpr int GroupCount = 4;
std::atomic<int> groups[GroupCount];  // 0: free
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the groups");

// LibreOffice's profile is a few levels deep; deeper trees are left as they are.
constexpr int MostFolderDepth = 24;

// Removes what the folder `fd` holds, with raw system calls only, since the
// handler may not use the library's directory functions.
void RemoveFolderContents(int fd, int depth) {
    alignas(8) char entries[2048];
    // Removing entries while reading may skip some: read again until a pass removes nothing.
    for (bool removed = true; removed;) {
        removed = false;
        lseek(fd, 0, SEEK_SET);
        for (long n; (n = syscall(SYS_getdents64, fd, entries, sizeof entries)) > 0;) {
            for (long at = 0; at < n;) {
                const auto* entry = reinterpret_cast<const struct dirent64*>(entries + at);
                at += entry->d_reclen;
                const char* name = entry->d_name;
                if (name[0] == '.' && (name[1] == '\0' || (name[1] == '.' && name[2] == '\0'))) continue;
                if (unlinkat(fd, name, 0) == 0) {
                    removed = true;
                    continue;
                }
                if (depth >= MostFolderDepth) continue;
                const int child = openat(fd, name, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
                if (child < 0) continue;
                RemoveFolderContents(child, depth + 1);
                close(child);
                if (unlinkat(fd, name, AT_REMOVEDIR) == 0) removed = true;
            }
        }
    }
}

void RemoveFolder(const char* path) {
    const int fd = open(path, O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0) return;
    RemoveFolderContents(fd, 0);
    close(fd);
    rmdir(path);
}

// Only calls that are safe in a signal handler.
void RemoveAndTerminate(int signal) {
    // First, so that nothing writes into the folders while they go.
    for (const std::atomic<int>& group : groups)
        if (const int id = group.load(); id > 0) kill(-id, SIGKILL);
    for (const TSlot& slot : slots) {
        if (!slot.Armed.load()) continue;
        if (slot.IsFolder)
            RemoveFolder(slot.Path);
        else
            unlink(slot.Path);
    }
    struct sigaction fallback {};
    fallback.sa_handler = SIG_DFL;
    sigemptyset(&fallback.sa_mask);
    sigaction(signal, &fallback, nullptr);
    // Not blocked (SA_NODEFER in the handler): the default action ends the process here.
    raise(signal);
}

void OnTermination(int signal) {
    const int wakeFd = wakeDescriptor.load();
    if (wakeFd < 0) return RemoveAndTerminate(signal);
    const int savedErrno = errno;
    const unsigned char number = static_cast<unsigned char>(signal);
    // A full pipe already holds a wake-up.
    [[maybe_unused]] const ssize_t ignored = write(wakeFd, &number, 1);
    errno = savedErrno;
}

}  // namespace

void DeferTermination(int wakeFd) { wakeDescriptor.store(wakeFd); }

void EndAsTerminated(int signal) {
    RemoveAndTerminate(signal);
    _exit(128 + signal);
}

void InstallTerminationCleanup() {
    struct sigaction action {};
    action.sa_handler = OnTermination;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_NODEFER;
    for (const int signal : {SIGTERM, SIGHUP, SIGINT}) {
        struct sigaction current {};
        if (sigaction(signal, nullptr, &current) == 0 && current.sa_handler == SIG_DFL)
            sigaction(signal, &action, nullptr);
    }
}

TRemovedOnTermination::TRemovedOnTermination(const std::string& path, TKind kind) {
    if (path.size() >= PATH_MAX) return;
    for (int i = 0; i < SlotCount && slot_ < 0; ++i) {
        bool free = false;
        if (!slots[i].Taken.compare_exchange_strong(free, true)) continue;
        slots[i].IsFolder = kind == TKind::Folder;
        std::memcpy(slots[i].Path, path.c_str(), path.size() + 1);
        slots[i].Armed.store(true);
        slot_ = i;
    }
}

TRemovedOnTermination::~TRemovedOnTermination() {
    if (slot_ < 0) return;
    slots[slot_].Armed.store(false);
    slots[slot_].Taken.store(false);
}

TKilledOnTermination::TKilledOnTermination(int processGroup) {
    for (int i = 0; i < GroupCount && slot_ < 0; ++i) {
        int free = 0;
        if (groups[i].compare_exchange_strong(free, processGroup)) slot_ = i;
    }
}

TKilledOnTermination::~TKilledOnTermination() {
    if (slot_ >= 0) groups[slot_].store(0);
}

}  // namespace tkm
