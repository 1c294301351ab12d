#pragma once

#include "tasks/calendar_document.h"
#include "tasks/todo_entry.h"

#include <span>
#include <string>
#include <string_view>

namespace tkm {

// One to-do as a server keeps it: an iCalendar object of its own, holding the
// VTODO and the time zones it names, and whatever else another program put
// beside it.

// The entry of the resource's first VTODO. EGridError for text that holds no
// to-do or names an unknown time zone.
TEntryCells EntryOfResource(std::string_view text, const TCalendarSettings& settings);

// A new resource of one entry, with that UID.
std::string NewTodoResource(std::span<const std::string_view> cells, const std::string& uid,
                            const TCalendarSettings& settings);
// The resource with its first VTODO's cells replaced by `cells`; every
// property and component Taskmere does not show is kept.
std::string UpdatedTodoResource(std::string_view text, std::span<const std::string_view> cells,
                                const TCalendarSettings& settings);

// A random (version 4) UUID.
std::string FreshTodoUid();

}  // namespace tkm
