#include "tasks/document_name.h"

#include "base/translatable.h"

namespace tkm {

namespace {

std::string_view LastPart(std::string_view fileName) {
    const auto slash = fileName.find_last_of("\\:/");
    return slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
}

}  // namespace

std::string DocumentBaseName(std::string_view fileName) {
    const std::string_view part = LastPart(fileName);
    const auto dot = part.rfind('.');
    return std::string(dot == std::string_view::npos ? part : part.substr(0, dot));
}

std::string DocumentShownName(std::string_view fileName) {
    return fileName == UntitledName ? TKM_TR("Documents", "Untitled") : DocumentBaseName(fileName);
}

}  // namespace tkm
