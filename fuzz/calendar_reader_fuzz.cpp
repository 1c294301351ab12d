// Any bytes read as an iCalendar file either load or are refused with the
// file's message, and whatever loaded comes back cell for cell from a save.
#include "tasks/calendar_document.h"
#include "tasks/task_table.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view file(reinterpret_cast<const char*>(data), size);
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
