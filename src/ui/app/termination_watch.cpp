#include "ui/app/termination_watch.h"

#include "base/termination_cleanup.h"

#include <QSocketNotifier>

#include <cstdio>
#include <exception>
#include <fcntl.h>
#include <unistd.h>

namespace tkm {

TTerminationWatch::TTerminationWatch(std::function<void()> keep, QObject* parent)
    : QObject(parent), keep_(std::move(keep)) {
    if (pipe2(wake_, O_CLOEXEC | O_NONBLOCK) != 0) return;  // the signals end the program at once, as before
    notifier_ = new QSocketNotifier(wake_[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [this] { Terminated(); });
    DeferTermination(wake_[1]);
}

TTerminationWatch::~TTerminationWatch() {
    if (wake_[0] < 0) return;
    DeferTermination(-1);
    close(wake_[0]);
    close(wake_[1]);
}

void TTerminationWatch::Terminated() {
    unsigned char number = 0;
    if (read(wake_[0], &number, 1) != 1) return;
    // A second signal while `keep` runs only adds a byte to the pipe.
    notifier_->setEnabled(false);
    try {
        keep_();
    } catch (const std::exception& error) {
        // The signal ends the program all the same.
        std::fprintf(stderr, "taskmere: %s\n", error.what());
    }
    EndAsTerminated(number);
}

}  // namespace tkm
