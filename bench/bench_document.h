#pragma once

#include "grid/base_grid.h"
#include "base/date_text.h"

#include <cstdint>
#include <string>

namespace tkm::bench {

// The day the generated dates are around; every figure takes it as today so
// that a run does not depend on the calendar.
constexpr TDate BenchToday{2026, 12, 8};

struct TBenchDocument {
    std::string FileName;
    int Entries = 0;
    std::uint64_t Bytes = 0;
    TLocaleFormats Formats;
};

// Opens a document as the window does: the task table's shape, the file read
// into a fresh store, the progress bar and comment objects on every entry.
void LoadTaskDocument(TBaseGrid& grid, const std::string& fileName);

}  // namespace tkm::bench
