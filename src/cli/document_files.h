#pragma once

#include "base/errors.h"
#include "cli/cli_options.h"
#include "grid/base_grid.h"

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

// Reads a document into `grid` as the task table, exactly as the window opens
// one. EFileError naming the file and the reason.
void LoadDocument(TBaseGrid& grid, const std::string& fileName);
// Writes the grid as the window's Save does; "-" writes it to standard output.
// EFileError naming the file and the reason.
void SaveDocument(const TBaseGrid& grid, const std::string& fileName);

}  // namespace tkm::cli
