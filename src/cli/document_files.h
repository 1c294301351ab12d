#pragma once

#include "grid/base_grid.h"

#include <string>

namespace tkm::cli {

// Reads a document into `grid` as the task table, exactly as the window opens
// one. EFileError naming the file and the reason.
void LoadDocument(TBaseGrid& grid, const std::string& fileName);
// Writes the grid as the window's Save does; "-" writes it to standard output.
// EFileError naming the file and the reason.
void SaveDocument(const TBaseGrid& grid, const std::string& fileName);

}  // namespace tkm::cli
