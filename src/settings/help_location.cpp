#include "settings/help_location.h"

#include "base/translatable.h"

#include <filesystem>
#include <system_error>

namespace tkm {

namespace {

constexpr const char* HelpFileName = "Taskmere.Hlp";
constexpr const char* UserGuide = "../share/doc/taskmere/user-guide.html";

bool IsFile(const std::string& path) {
    std::error_code error;
    return !path.empty() && std::filesystem::is_regular_file(path, error);
}

}  // namespace

THelpPlaces HelpPlaces(const std::string& currentFolder, const std::string& executableFolder) {
    THelpPlaces places{(std::filesystem::path(currentFolder) / HelpFileName).string(), ""};
    if (!executableFolder.empty())
        places.UserGuide = (std::filesystem::path(executableFolder) / UserGuide).lexically_normal().string();
    return places;
}

std::optional<std::string> ChooseHelpFile(const THelpPlaces& places) {
    // The shell opens the help file by its plain name, from the current folder.
    if (IsFile(places.HelpFile)) return HelpFileName;
    if (IsFile(places.UserGuide)) return places.UserGuide;
    return std::nullopt;
}

std::string NoHelpText(const THelpPlaces& places) {
    if (places.UserGuide.empty())
        return FillText(TKM_TR("Help", "No help is installed: %1 does not exist."), {places.HelpFile});
    return FillText(TKM_TR("Help", "No help is installed: neither %1 nor %2 exists."),
                    {places.HelpFile, places.UserGuide});
}

}  // namespace tkm
