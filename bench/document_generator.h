#pragma once

#include "base/date_text.h"

#include <cstdint>
#include <string>

namespace tkm::bench {

// Writes a task document of `entries` entries the way the program saves one:
// the header row, then entries with mixed statuses and priorities, dates
// around `today`, descriptions of 10 to 120 characters, commas and quotes in
// some cells, and Resources and Comment empty in about half of them. The same
// arguments always give the same bytes. Returns the file size.
std::uint64_t GenerateDocument(const std::string& fileName, int entries, const TDate& today,
                               const TLocaleFormats& formats);

// The document GenerateDocument writes for `entries`, kept in the user's
// cache folder: generated once (ten million entries take a while) and reused
// by later runs. `generated` tells which it was.
std::string CachedDocument(int entries, const TDate& today, const TLocaleFormats& formats, bool& generated);

}  // namespace tkm::bench
