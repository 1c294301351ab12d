#include "settings/ini_location.h"

#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <unistd.h>

namespace tkm {

namespace {

constexpr const char* IniName = "TKM.ini";

bool IsAbsolute(const char* path) { return path && path[0] == '/'; }

}  // namespace

std::string ExecutableFolder() {
    std::error_code error;
    const std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::string() : exe.parent_path().string();
}

bool CanWriteFolder(const std::string& folder) { return !folder.empty() && access(folder.c_str(), W_OK) == 0; }

std::string ChooseIniFileName(const std::string& executableFolder, const char* xdgConfigHome, const char* home) {
    const std::string beside = executableFolder + "/" + IniName;
    // Saving replaces the file through a temporary one, so the folder must be writable.
    if (CanWriteFolder(executableFolder)) return beside;
    if (IsAbsolute(xdgConfigHome)) return std::string(xdgConfigHome) + "/Taskmere/" + IniName;
    if (IsAbsolute(home)) return std::string(home) + "/.config/Taskmere/" + IniName;
    return beside;
}

std::string DefaultIniFileName() {
    return ChooseIniFileName(ExecutableFolder(), std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
}

}  // namespace tkm
