#pragma once

#include <libical/ical.h>

#include <map>
#include <string>
#include <string_view>

namespace tkm {

// The time zones of one calendar file: the desktop's, in which the cells'
// times are, and the ones the file defines for its own times.
class TCalendarZones {
public:
    // desktopZone: a zone name such as "Europe/Berlin"; an empty or unknown
    // one leaves the cells' times floating, as the file format allows.
    explicit TCalendarZones(const std::string& desktopZone);
    ~TCalendarZones();
    TCalendarZones(const TCalendarZones&) = delete;
    TCalendarZones& operator=(const TCalendarZones&) = delete;

    // None: floating times.
    icaltimezone* Desktop() const { return desktop_; }
    // The desktop's zone, or one of its name the file defines.
    bool IsDesktopZone(const icaltimezone* zone) const;
    // A VTIMEZONE of the file; takes it. Nothing for one without a TZID.
    void Add(icalcomponent* vtimezone);
    bool Defines(std::string_view tzid) const { return own_.find(tzid) != own_.end(); }
    // By TZID: the file's own, else the system's of that name; EGridError
    // "unknown time zone TZID" for neither.
    icaltimezone* Find(std::string_view tzid) const;

private:
    icaltimezone* desktop_ = nullptr;
    std::string desktopTzid_;
    bool ownDesktop_ = false;
    std::map<std::string, icaltimezone*, std::less<>> own_;
};

}  // namespace tkm
