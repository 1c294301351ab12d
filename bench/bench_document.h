#pragma once

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

}  // namespace tkm::bench
