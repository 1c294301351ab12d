#pragma once

#include <string>
#include <string_view>

namespace tkm {

constexpr std::string_view UntitledName = "Untitled";

// The file name after its last "\", ":" or "/", without its extension.
std::string DocumentBaseName(std::string_view fileName);

// A typed name without an extension gets the extension of the chosen file
// type ("Text (*.txt)|*.txt|..." and a 1-based index), or the default one
// when the type has none ("*.*").
std::string WithTypeExtension(const std::string& fileName, std::string_view filter, int filterIndex,
                              std::string_view defaultExt);

}  // namespace tkm
