#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// One choice of a file dialog's type list.
struct TFileType {
    std::string Description;  // "Web Document (*.htm)", shown as it is
    std::string Patterns;     // "*.htm", several separated by ";"
};

// The types of a dialog filter "description|pattern|description|pattern...", in order.
std::vector<TFileType> FileTypes(std::string_view filter);

// The extension a typed name without one gets when the 1-based type is chosen:
// the type's own ("*.htm": "htm"), or defaultExt for a type that has none ("*.*").
std::string TypeExtension(std::string_view filter, int filterIndex, std::string_view defaultExt);

}  // namespace tkm
