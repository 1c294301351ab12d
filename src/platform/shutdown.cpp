#include "platform/shutdown.h"

namespace tkm {

namespace {

TPowerRequest RequestFor(TShutdownActionType action) {
    switch (action) {
    case aatPowerOff:
    case aatShutdown: return TPowerRequest::PowerOff;
    case aatReboot: return TPowerRequest::Reboot;
    case aatLogOff: return TPowerRequest::EndSession;
    case aatSuspend: return TPowerRequest::Suspend;
    case aatHibernate: return TPowerRequest::Hibernate;
    }
    return TPowerRequest::PowerOff;
}

}  // namespace

bool TShutdown::Execute() {
    const TPowerRequest request = RequestFor(ActionType);
    const std::string allowed = power_.Can(request);
    if (allowed != "yes" && allowed != "challenge") return false;
    if (Force) power_.ReleaseShutdownDelay();
    return power_.Request(request, true);
}

}  // namespace tkm
