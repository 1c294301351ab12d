#pragma once

#include <string>

namespace tkm {

// The folder of the running executable, from /proc/self/exe; empty if unknown.
std::string ExecutableFolder();

// Whether files can be created and replaced in the folder.
bool CanWriteFolder(const std::string& folder);

// Where the program keeps its INI file: beside the executable when that folder
// can be written, so a portable copy keeps its settings with it; otherwise
// under the user's configuration folder ($XDG_CONFIG_HOME, else ~/.config),
// so an installed program does not lose them. Null or relative variables count as unset.
std::string ChooseIniFileName(const std::string& executableFolder, const char* xdgConfigHome, const char* home);

// ChooseIniFileName for this process and its environment.
std::string DefaultIniFileName();

}  // namespace tkm
