#pragma once

#include <string>
#include <string_view>

namespace tkm {

constexpr std::string_view UntitledName = "Untitled";

// The file name after its last "\", ":" or "/", without its extension.
std::string DocumentBaseName(std::string_view fileName);
// The name the window shows a document by: its base name, a new one's in the
// user's language, though it is kept as "Untitled".
std::string DocumentShownName(std::string_view fileName);

}  // namespace tkm
