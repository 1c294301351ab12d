#pragma once

#include "grid/base_grid.h"

#include <string>

namespace tkm::cli {

// Temporary: reads FILE by splitting its lines on commas, no quoting; replaced
// by the document reader. Throws EFileError naming the file and the reason.
TBaseGrid LoadCommaSeparated(const std::string& path);

}  // namespace tkm::cli
