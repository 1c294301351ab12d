#pragma once

#include <string>
#include <string_view>

namespace tkm {

constexpr std::string_view UntitledName = "Untitled";

// The file name after its last "\", ":" or "/", without its extension.
std::string DocumentBaseName(std::string_view fileName);

}  // namespace tkm
