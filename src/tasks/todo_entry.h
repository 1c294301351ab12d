#pragma once

#include "base/locale_formats.h"
#include "tasks/task_table.h"

#include <libical/ical.h>

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace tkm {

class TCalendarZones;

// How the cells' dates and times are read and written: the desktop's
// formats, and its time zone for due times and the UTC stamps.
struct TTodoFormats {
    const TLocaleFormats& Formats;
    const TCalendarZones& Zones;
};

using TEntryCells = std::array<std::string, TaskColumnCount>;
// Which columns go into the to-do: the shown ones.
using TWrittenColumns = std::array<bool, TaskColumnCount>;

// Writes an entry's cells into `todo` as its standard properties. A cell that
// would not come back byte for byte from its property also travels as it is
// in an X-TASKMERE- property of its column, marked with the text the property
// gave, so that it wins on reading only while no other program changed the
// property. UID and DTSTAMP are the caller's.
void WriteEntryProperties(std::span<const std::string_view> cells, const TWrittenColumns& written,
                          const TTodoFormats& formats, icalcomponent* todo);
// The same properties as content lines appended to `out`, folded and ended
// as the library writes them, without building a to-do.
void AppendEntryLines(std::span<const std::string_view> cells, const TWrittenColumns& written,
                      const TTodoFormats& formats, std::string& out);
// The component's text as the library writes it, but for the semicolons in
// text lists, which it leaves bare.
std::string ComponentText(icalcomponent* component);
// Removes every property WriteEntryProperties writes, keeping all others.
void RemoveEntryProperties(icalcomponent* todo);
// Replaces only the list order of the to-do.
void ReplaceEntryNumber(std::string_view number, icalcomponent* todo);
// A to-do's text, BEGIN:VTODO to END:VTODO, that has no No of its own, with
// `number` as its own: its other bytes stay as they are.
std::string WithEntryNumber(std::string_view text, std::string_view number);

// The cells of a to-do, in the desktop's formats and time zone: a property
// that is missing leaves its cell empty, and No is `fileOrder` unless the
// to-do has its own (then *ownNumber, if asked, is set). EGridError naming a
// time zone the file does not define and the system does not know.
TEntryCells EntryFromTodo(icalcomponent* todo, const TTodoFormats& formats, std::string_view fileOrder,
                          bool* ownNumber = nullptr);
// The same from a to-do's text, BEGIN:VTODO to END:VTODO, read without
// building its tree: much faster, but only for text in the plain form
// Taskmere and most programs write. None for anything the library might read
// otherwise (escapes of its own, quoted or unknown parameters on these
// properties, lower-case names, values out of range, control bytes); parse
// such a to-do and take EntryFromTodo.
std::optional<TEntryCells> EntryFromTodoText(std::string_view text, const TTodoFormats& formats,
                                             std::string_view fileOrder, bool* ownNumber = nullptr);

}  // namespace tkm
