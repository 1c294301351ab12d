#pragma once

#include "base/errors.h"
#include "cli/cli_options.h"
#include "grid/base_grid.h"
#include "tasks/calendar_document.h"

#include <string>

namespace tkm::cli {

// Runs a step that reads or writes files; their failures become EFileError
// naming the file and the reason.
template <typename TStep>
void ReportingFileErrors(TStep step) {
    try {
        step();
    } catch (const EGridFileError& e) {
        throw EFileError(e.FullMessage());
    } catch (const EInOutError& e) {
        throw EFileError(e.what());
    }
}

// EFileError when `fileName` exists: commands that create a file replace one
// only when given --force.
void RefuseToReplace(const std::string& fileName);

// The formats and time zone iCalendar files are read and written in.
TCalendarSettings CalendarSettings(const TArguments& args);

// Reads a document into `grid` as the task table, exactly as the window opens
// one: an iCalendar file by its ".ics", keeping in `origin` (where given)
// what saving it back needs. EFileError naming the file and the reason.
void LoadDocument(TBaseGrid& grid, const std::string& fileName, const TArguments& args,
                  TCalendarOrigin* origin = nullptr);
// Writes the grid as the window's Save does, an ".ics" name as iCalendar;
// "-" writes it to standard output. EFileError naming the file and the reason.
void SaveDocument(const TBaseGrid& grid, const std::string& fileName, const TArguments& args,
                  TCalendarOrigin* origin = nullptr);

}  // namespace tkm::cli
