#pragma once

#include "platform/power_control.h"

namespace tkm {

enum TShutdownActionType { aatPowerOff, aatShutdown, aatReboot, aatLogOff, aatSuspend, aatHibernate };

// The power component: shuts down, reboots, suspends, hibernates or logs off.
class TShutdown {
public:
    explicit TShutdown(PowerControl& power) : power_(power) {}

    TShutdownActionType ActionType = aatShutdown;
    // Go on without the program's own close question.
    bool Force = false;

    // True when the manager accepted the request; a request the user may not
    // make is not sent.
    bool Execute();

private:
    PowerControl& power_;
};

}  // namespace tkm
