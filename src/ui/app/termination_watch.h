#pragma once

#include <QObject>

#include <functional>

class QSocketNotifier;

namespace tkm {

// Turns SIGTERM, SIGHUP and SIGINT (logging out, closing the terminal, a
// system shutdown) into a call of `keep` on this object's thread, after which
// the program ends as the signal would have ended it: no close question and
// nothing of a clean end, so that what `keep` wrote is offered at the next
// start. Only where InstallTerminationCleanup handles those signals.
class TTerminationWatch final : public QObject {
public:
    explicit TTerminationWatch(std::function<void()> keep, QObject* parent = nullptr);
    ~TTerminationWatch() override;

private:
    void Terminated();

    std::function<void()> keep_;
    int wake_[2] = {-1, -1};  // the pipe the signal handler writes to
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace tkm
