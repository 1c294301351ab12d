#include "settings/ini_file.h"

#include "base/atomic_file.h"
#include "base/file_bytes.h"

#include <cerrno>
#include <filesystem>
#include <sys/stat.h>

namespace tkm {

TIniFile::TIniFile(std::string fileName) : fileName_(std::move(fileName)) {
    struct stat st {};
    if (stat(fileName_.c_str(), &st) != 0 && errno == ENOENT) return;
    document_ = TIniDocument::Parse(TFileBytes(fileName_).View());
}

void TIniFile::Save() {
    if (!document_.Modified()) return;
    const std::filesystem::path folder = std::filesystem::path(fileName_).parent_path();
    std::error_code ignored;  // a folder that cannot be made fails as the file below
    if (!folder.empty()) std::filesystem::create_directories(folder, ignored);
    WriteFileSafely(fileName_, document_.Text());
    document_.ClearModified();
}

}  // namespace tkm
