#include "base/termination_cleanup.h"

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstring>
#include <unistd.h>

namespace tkm {

namespace {

// Fixed places, because the handler may neither allocate nor lock.
struct TSlot {
    std::atomic<bool> Taken{false};
    std::atomic<bool> Armed{false};  // Path is complete
    char Path[PATH_MAX];
};
static_assert(std::atomic<bool>::is_always_lock_free, "the handler reads the flags");

constexpr int SlotCount = 8;
TSlot slots[SlotCount];

std::atomic<int> wakeDescriptor{-1};
static_assert(std::atomic<int>::is_always_lock_free, "the handler reads the descriptor");

// Only calls that are safe in a signal handler.
void RemoveAndTerminate(int signal) {
    for (const TSlot& slot : slots)
        if (slot.Armed.load()) unlink(slot.Path);
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

TRemovedOnTermination::TRemovedOnTermination(const std::string& path) {
    if (path.size() >= PATH_MAX) return;
    for (int i = 0; i < SlotCount && slot_ < 0; ++i) {
        bool free = false;
        if (!slots[i].Taken.compare_exchange_strong(free, true)) continue;
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

}  // namespace tkm
