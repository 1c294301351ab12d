#pragma once

#include <string>

namespace tkm {

// A copy of a file's old bytes, kept while the file is written in place so
// that a failed write can put them back. It is "NAME~" beside the file, or,
// when that folder is read-only, a file in the user's cache folder
// ($XDG_CACHE_HOME/Taskmere/backups) named after the file's whole path.
class TBackupCopy {
public:
    TBackupCopy() = default;
    TBackupCopy(const TBackupCopy&) = delete;
    TBackupCopy& operator=(const TBackupCopy&) = delete;

    // Copies the file; 0 or the errno value of the failure (Name says where the
    // copy was to go).
    int Create(const std::string& target);
    // Writes the copy over the file open as `fd`; 0 or the errno value.
    int RestoreInto(int fd) const;
    void Remove();
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

}  // namespace tkm
