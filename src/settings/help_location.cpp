#include "settings/help_location.h"

#include <filesystem>
#include <system_error>

namespace tkm {

namespace {

constexpr const char* HelpFileName = "Taskmere.Hlp";
constexpr const char* UserGuide = "../share/doc/taskmere/user-guide.html";

bool IsFile(const std::filesystem::path& path) {
    std::error_code error;
    return std::filesystem::is_regular_file(path, error);
}

}  // namespace

std::string ChooseHelpFile(const std::string& currentFolder, const std::string& executableFolder) {
    if (IsFile(std::filesystem::path(currentFolder) / HelpFileName) || executableFolder.empty()) return HelpFileName;
    const std::filesystem::path guide = (std::filesystem::path(executableFolder) / UserGuide).lexically_normal();
    return IsFile(guide) ? guide.string() : HelpFileName;
}

}  // namespace tkm
