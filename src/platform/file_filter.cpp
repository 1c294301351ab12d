#include "platform/file_filter.h"

namespace tkm {

std::vector<TFileType> FileTypes(std::string_view filter) {
    std::vector<TFileType> types;
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= filter.size(); ++i) {
        if (i < filter.size() && filter[i] != '|') continue;
        parts.push_back(filter.substr(start, i - start));
        start = i + 1;
    }
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) types.push_back({std::string(parts[i]), std::string(parts[i + 1])});
    return types;
}

std::string TypeExtension(std::string_view filter, int filterIndex, std::string_view defaultExt) {
    const std::vector<TFileType> types = FileTypes(filter);
    if (filterIndex >= 1 && std::size_t(filterIndex) <= types.size()) {
        const std::string& patterns = types[std::size_t(filterIndex) - 1].Patterns;
        const std::string_view first = std::string_view(patterns).substr(0, patterns.find(';'));
        if (first.size() > 2 && first.substr(0, 2) == "*." && first.find_first_of("*?", 2) == std::string_view::npos)
            return std::string(first.substr(2));
    }
    return std::string(defaultExt);
}

}  // namespace tkm
