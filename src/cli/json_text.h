#pragma once

#include <string>
#include <string_view>

namespace tkm::cli {

// Appends `bytes` as a JSON string. Valid UTF-8 passes through; every byte
// that is not part of a valid sequence becomes the lone surrogate U+DC80 to
// U+DCFF ("surrogateescape"), so a reader can recover the exact bytes.
void AppendJsonString(std::string_view bytes, std::string& out);

}  // namespace tkm::cli
