// Any bytes read as an iCalendar file either load or are refused with the
// file's message, whatever loaded comes back cell for cell from a save, and
// the plain reading of a to-do never gives other cells than libical's.
#include "tasks/calendar_document.h"
#include "tasks/calendar_zones.h"
#include "tasks/task_table.h"
#include "tasks/todo_entry.h"

#include <cstdint>
#include <optional>
#include <string>

namespace {

// Each text from a BEGIN:VTODO to the next END:VTODO, read both ways.
void CheckPlainReading(std::string_view file) {
    const tkm::TCalendarZones zones("Europe/Berlin");
    const tkm::TTodoFormats formats{tkm::TLocaleFormats{}, zones};
    constexpr std::string_view Begin = "BEGIN:VTODO", End = "END:VTODO";
    for (std::size_t begin = file.find(Begin); begin != std::string_view::npos; begin = file.find(Begin, begin + 1)) {
        const std::size_t end = file.find(End, begin);
        if (end == std::string_view::npos) return;
        const std::string text(file.substr(begin, end + End.size() - begin));
        // A refusal is not compared: torn out of its file, a to-do loses the
        // time zones the file defines, and libical reads an unknown zone's
        // times without complaint where the reader refuses them.
        std::optional<tkm::TEntryCells> plain;
        try {
            plain = tkm::EntryFromTodoText(text, formats, "1");
        } catch (const tkm::EGridError&) {
            continue;
        }
        if (!plain) continue;
        icalcomponent* todo = icalparser_parse_string(text.c_str());
        if (!todo || icalcomponent_isa(todo) != ICAL_VTODO_COMPONENT) __builtin_trap();
        try {
            if (tkm::EntryFromTodo(todo, formats, "1") != *plain) __builtin_trap();
        } catch (const tkm::EGridError&) {
            __builtin_trap();
        }
        icalcomponent_free(todo);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
    CheckPlainReading(file);
    tkm::TCalendarSettings settings;
    settings.TimeZone = "Europe/Berlin";
    tkm::TBaseGrid grid;
    tkm::TCalendarOrigin origin;
    try {
        grid = tkm::CalendarDocumentFromText(file, "fuzz.ics", settings, &origin);
    } catch (const tkm::EGridFileError&) {
        return 0;
    }
    // Once unchanged, the entries go out as they came in; once without the
    // origin, as Taskmere writes them.
    for (const tkm::TCalendarOrigin* from : {static_cast<const tkm::TCalendarOrigin*>(&origin),
                                             static_cast<const tkm::TCalendarOrigin*>(nullptr)}) {
        std::string saved;
        tkm::WriteCalendar(grid, settings, from, [&](std::string_view bytes) { saved += bytes; });
        const tkm::TBaseGrid again = tkm::CalendarDocumentFromText(saved, "saved.ics", settings);
        if (again.RowCount() != grid.RowCount()) __builtin_trap();
        for (int r = 1; r < grid.RowCount(); ++r)
            for (int c = 0; c < tkm::TaskColumnCount; ++c)
                if (grid.CellView(c, r) != again.CellView(c, r)) __builtin_trap();
    }
    return 0;
}
