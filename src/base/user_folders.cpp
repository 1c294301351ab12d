#include "base/user_folders.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace tkm {

std::string UserFolder(const char* variable, const char* fallback) {
    const char* set = std::getenv(variable);
    if (set && *set == '/') return set;
    const char* home = std::getenv("HOME");
    return std::string(home && *home == '/' ? home : "/tmp") + "/" + fallback;
}

int MakeFolders(const std::string& path, unsigned mode) {
    for (std::size_t slash = path.find('/', 1);; slash = path.find('/', slash + 1)) {
        const std::string folder = path.substr(0, slash);
        if (!folder.empty() && mkdir(folder.c_str(), mode_t(mode)) != 0 && errno != EEXIST) return errno;
        if (slash == std::string::npos) break;
    }
    struct stat st {};
    if (stat(path.c_str(), &st) != 0) return errno;
    return S_ISDIR(st.st_mode) ? 0 : ENOTDIR;
}

}  // namespace tkm
