#include "tasks/document_name.h"

#include <vector>

namespace tkm {

namespace {

std::string_view LastPart(std::string_view fileName) {
    const auto slash = fileName.find_last_of("\\:/");
    return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

std::vector<std::string_view> Split(std::string_view s, char separator) {
    std::vector<std::string_view> parts;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= s.size(); ++i) {
        if (i == s.size() || s[i] == separator) {
            parts.push_back(s.substr(start, i - start));
            start = i + 1;
        }
    }
    return parts;
}

}  // namespace

std::string DocumentBaseName(std::string_view fileName) {
    const std::string_view part = LastPart(fileName);
    const auto dot = part.rfind('.');
    return std::string(dot == std::string_view::npos ? part : part.substr(0, dot));
}

std::string WithTypeExtension(const std::string& fileName, std::string_view filter, int filterIndex,
                              std::string_view defaultExt) {
    const std::string_view part = LastPart(fileName);
    if (part.empty() || part.find('.') != std::string_view::npos) return fileName;
    std::string_view ext = defaultExt;
    const auto parts = Split(filter, '|');
    const std::size_t patternIndex = std::size_t(filterIndex) * 2 - 1;
    if (filterIndex >= 1 && patternIndex < parts.size()) {
        const std::string_view pattern = Split(parts[patternIndex], ';').front();
        if (pattern.size() > 2 && pattern.substr(0, 2) == "*." && pattern.find('*', 2) == std::string_view::npos)
            ext = pattern.substr(2);
    }
    return ext.empty() ? fileName : fileName + "." + std::string(ext);
}

}  // namespace tkm
