#include "tasks/todo_resource.h"

#include "base/errors.h"
#include "tasks/calendar_zones.h"

#include <array>
#include <cstring>
#include <memory>
#include <random>

namespace tkm {

namespace {

constexpr std::string_view ProductId = "-//Taskmere//Taskmere " TASKMERE_RELEASE "//EN";

struct TComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TComponent = std::unique_ptr<icalcomponent, TComponentFree>;

TComponent Parse(std::string_view text) {
    const std::string copy(text);
    TComponent calendar(icalparser_parse_string(copy.c_str()));
    if (!calendar) throw EGridError("the to-do cannot be read");
    return calendar;
}

icalcomponent* FirstTodo(icalcomponent* calendar) {
    if (icalcomponent_isa(calendar) == ICAL_VTODO_COMPONENT) return calendar;
    icalcomponent* todo = icalcomponent_get_first_component(calendar, ICAL_VTODO_COMPONENT);
    if (!todo) throw EGridError("it holds no to-do");
    return todo;
}

// The calendar's own time zones, for the times that name them.
void AddZones(icalcomponent* calendar, TCalendarZones& zones) {
    for (icalcomponent* zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); zone;
         zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT))
        zones.Add(icalcomponent_new_clone(zone));
}

bool DefinesZone(icalcomponent* calendar, const char* tzid) {
    for (icalcomponent* zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); zone;
         zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT))
        if (icalproperty* id = icalcomponent_get_first_property(zone, ICAL_TZID_PROPERTY))
            if (std::string_view(icalproperty_get_tzid(id)) == tzid) return true;
    return false;
}

// A server wants the definition of every zone the to-do's times name.
void AddDesktopZone(icalcomponent* calendar, const TCalendarZones& zones) {
    icaltimezone* zone = zones.Desktop();
    if (!zone || zone == icaltimezone_get_utc_timezone() || DefinesZone(calendar, icaltimezone_get_tzid(zone))) return;
    if (icalcomponent* definition = icaltimezone_get_component(zone))
        icalcomponent_add_component(calendar, icalcomponent_new_clone(definition));
}

void Restamp(icalcomponent* todo) {
    icalcomponent_set_dtstamp(todo, icaltime_current_time_with_zone(icaltimezone_get_utc_timezone()));
}

const TWrittenColumns AllColumns = [] {
    TWrittenColumns all;
    all.fill(true);
    return all;
}();

}  // namespace

TEntryCells EntryOfResource(std::string_view text, const TCalendarSettings& settings) {
    const TComponent calendar = Parse(text);
    TCalendarZones zones(settings.TimeZone);
    AddZones(calendar.get(), zones);
    return EntryFromTodo(FirstTodo(calendar.get()), TTodoFormats{settings.Formats, zones}, "");
}

std::string NewTodoResource(std::span<const std::string_view> cells, const std::string& uid,
                            const TCalendarSettings& settings) {
    const TCalendarZones zones(settings.TimeZone);
    TComponent calendar(icalcomponent_new(ICAL_VCALENDAR_COMPONENT));
    icalcomponent_add_property(calendar.get(), icalproperty_new_prodid(std::string(ProductId).c_str()));
    icalcomponent_add_property(calendar.get(), icalproperty_new_version("2.0"));
    AddDesktopZone(calendar.get(), zones);
    icalcomponent* todo = icalcomponent_new(ICAL_VTODO_COMPONENT);
    icalcomponent_add_property(todo, icalproperty_new_uid(uid.c_str()));
    Restamp(todo);
    WriteEntryProperties(cells, AllColumns, TTodoFormats{settings.Formats, zones}, todo);
    icalcomponent_add_component(calendar.get(), todo);
    return ComponentText(calendar.get());
}

std::string UpdatedTodoResource(std::string_view text, std::span<const std::string_view> cells,
                                const TCalendarSettings& settings) {
    const TComponent calendar = Parse(text);
    TCalendarZones zones(settings.TimeZone);
    icalcomponent* todo = FirstTodo(calendar.get());
    RemoveEntryProperties(todo);
    Restamp(todo);
    WriteEntryProperties(cells, AllColumns, TTodoFormats{settings.Formats, zones}, todo);
    if (todo != calendar.get()) AddDesktopZone(calendar.get(), zones);
    return ComponentText(calendar.get());
}

std::string FreshTodoUid() {
    static thread_local std::mt19937_64 random{std::random_device{}()};
    std::array<unsigned char, 16> bytes;
    for (std::size_t i = 0; i < bytes.size(); i += 8) {
        const std::uint64_t value = random();
        std::memcpy(&bytes[i], &value, 8);
    }
    bytes[6] = (bytes[6] & 0x0F) | 0x40;
    bytes[8] = (bytes[8] & 0x3F) | 0x80;
    constexpr std::string_view digits = "0123456789abcdef";
    std::string uid;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (i == 4 || i == 6 || i == 8 || i == 10) uid += '-';
        uid += digits[bytes[i] >> 4];
        uid += digits[bytes[i] & 0xF];
    }
    return uid;
}

}  // namespace tkm
