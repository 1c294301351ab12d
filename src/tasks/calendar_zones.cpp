#include "tasks/calendar_zones.h"

#include "base/errors.h"

namespace tkm {

namespace {

// A broken file must never end the program.
void KeepErrorsNonFatal() {
    static const bool done = [] {
        icalerror_set_errors_are_fatal(0);
        return true;
    }();
    (void)done;
}

}  // namespace

TCalendarZones::TCalendarZones(const std::string& desktopZone) {
    KeepErrorsNonFatal();
    if (desktopZone == "UTC" || desktopZone == "Etc/UTC") {
        desktop_ = icaltimezone_get_utc_timezone();
    } else if (icaltimezone* system = desktopZone.empty() ? nullptr
                                                           : icaltimezone_get_builtin_timezone(desktopZone.c_str())) {
        // The system's zone under its plain name ("Europe/Berlin"), as every
        // other program writes it, not the library's prefixed one.
        icalcomponent* component = icalcomponent_new_clone(icaltimezone_get_component(system));
        icalproperty* tzid = icalcomponent_get_first_property(component, ICAL_TZID_PROPERTY);
        if (tzid) icalproperty_set_tzid(tzid, desktopZone.c_str());
        desktop_ = icaltimezone_new();
        icaltimezone_set_component(desktop_, component);
        ownDesktop_ = true;
    }
    if (desktop_) desktopTzid_ = icaltimezone_get_tzid(desktop_);
}

bool TCalendarZones::IsDesktopZone(const icaltimezone* zone) const {
    if (!zone || !desktop_) return false;
    if (zone == desktop_) return true;
    const char* tzid = icaltimezone_get_tzid(const_cast<icaltimezone*>(zone));
    return tzid && tzid == desktopTzid_;
}

TCalendarZones::~TCalendarZones() {
    for (auto& [tzid, zone] : own_) icaltimezone_free(zone, 1);
    if (ownDesktop_) icaltimezone_free(desktop_, 1);
}

void TCalendarZones::Add(icalcomponent* vtimezone) {
    icalproperty* tzidProperty = icalcomponent_get_first_property(vtimezone, ICAL_TZID_PROPERTY);
    const char* tzid = tzidProperty ? icalproperty_get_tzid(tzidProperty) : nullptr;
    icaltimezone* zone = icaltimezone_new();
    if (!tzid || own_.count(tzid) || !icaltimezone_set_component(zone, vtimezone)) {
        icaltimezone_free(zone, 1);
        icalcomponent_free(vtimezone);
        return;
    }
    own_.emplace(tzid, zone);
}

icaltimezone* TCalendarZones::Find(std::string_view tzid) const {
    if (const auto own = own_.find(tzid); own != own_.end()) return own->second;
    if (desktop_ && tzid == desktopTzid_) return desktop_;
    const std::string name(tzid);
    if (name == "UTC" || name == "Z") return icaltimezone_get_utc_timezone();
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone_from_tzid(name.c_str())) return zone;
    if (icaltimezone* zone = icaltimezone_get_builtin_timezone(name.c_str())) return zone;
    throw EGridError("unknown time zone " + name);
}

}  // namespace tkm
