#pragma once

#include "base/locale_formats.h"
#include "grid/base_grid.h"
#include "grid/io/export_file.h"

#include <cstdint>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// The desktop's side of an iCalendar file: the formats of the cells and the
// time zone their times are in.
struct TCalendarSettings {
    TLocaleFormats Formats;
    std::string TimeZone;  // "Europe/Berlin"; empty: floating times
};

// What an opened calendar holds beyond the cells, so that saving it writes
// back everything the table does not show.
struct TCalendarOrigin {
    struct TEntry {
        std::uint64_t CellsKey = 0;  // of the cells after No, as they were read
        std::string Number;          // the No cell as it was read
        std::string Text;            // the VTODO's bytes as the file had them
        bool OwnNumber = true;       // else No was the to-do's place in the file
    };
    std::vector<TEntry> Entries;  // in table order
    std::string CalendarLines;    // the calendar's own properties but PRODID and VERSION
    std::string Components;       // events, journals, time zones and the like, in file order
    std::set<std::string, std::less<>> ZoneIds;  // the TZIDs of the time zones among them
};

// "*.ics", any case.
bool IsCalendarFileName(std::string_view fileName);

// Reads an iCalendar file as the task table, one entry a VTODO in the order
// of their X-TASKMERE-NUMBER, or in file order without it. `origin`, where
// given, receives what saving it back needs. EGridFileError "Cannot open
// file NAME" with the reason for a file that is not iCalendar, is broken,
// names an unknown time zone or holds no to-do; the file is read whole
// before anything is built.
TBaseGrid ReadCalendarDocument(const std::string& fileName, const TCalendarSettings& settings,
                               TCalendarOrigin* origin = nullptr);
// The same from bytes already in memory; fileName names them in messages.
TBaseGrid CalendarDocumentFromText(std::string_view bytes, const std::string& fileName,
                                   const TCalendarSettings& settings, TCalendarOrigin* origin = nullptr);

// Writes the entry rows as one VCALENDAR of VTODOs, leaving hidden columns
// out. With the origin of an opened calendar, an entry whose cells are as
// they were read goes out exactly as it came in, an entry that changed keeps
// its UID and whatever Taskmere does not show, and the other components and
// calendar properties are written back.
// `written`, where given, receives the origin of what was written.
void WriteCalendar(const TBaseGrid& grid, const TCalendarSettings& settings, const TCalendarOrigin* origin,
                   const TByteSink& sink, TCalendarOrigin* written = nullptr);
// EGridFileError "Cannot Create file NAME", EInOutError; the old file stays
// whole on any failure. Once written, `origin` holds what was written, so the
// entries keep their UIDs and properties on the next save.
void WriteCalendarFile(const TBaseGrid& grid, const std::string& fileName, const TCalendarSettings& settings,
                       TCalendarOrigin* origin = nullptr);

}  // namespace tkm
