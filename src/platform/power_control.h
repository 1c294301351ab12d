#pragma once

#include <functional>
#include <string>

namespace tkm {

enum class TPowerRequest { PowerOff, Reboot, Suspend, Hibernate, EndSession };

// The system's power and session manager.
class PowerControl {
public:
    virtual ~PowerControl() = default;
    // Whether the user may make the request: "yes", "challenge" (after asking
    // for a password), "no" or "na"; empty when the manager can't be asked.
    // Ending one's own session is always allowed and never asked about.
    virtual std::string Can(TPowerRequest request) = 0;
    // interactive: the manager may ask the user for a password first.
    // False when the manager refused or could not be reached.
    virtual bool Request(TPowerRequest request, bool interactive) = 0;
    // Lets a shutdown held for the close question go on.
    virtual void ReleaseShutdownDelay() = 0;

    // The system is about to shut down: unsaved work may still be saved,
    // then ReleaseShutdownDelay.
    std::function<void()> OnShutdownPending;
};

}  // namespace tkm
