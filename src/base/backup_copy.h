#pragma once

#include <string>
#include <sys/types.h>

namespace tkm {

// A copy of a file's old bytes, kept while the file is written in place so
// that a failed write can put them back. It is a new file of a name nobody
// uses, ".NAME.taskmere-backup-XXXXXX" beside the file or, when that folder
// is read-only, "NAME.taskmere-backup-XXXXXX" in the user's cache folder
// ($XDG_CACHE_HOME/Taskmere/backups). An existing file is never opened for
// writing, and only the copy this object made is removed.
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
    dev_t device_ = 0;  // the copy's identity, so that a file put in its place stays
    ino_t inode_ = 0;
};

// Writes the bytes of the file open as `from` over the one open as `to` and
// flushes them to disk; 0 or the errno value.
int CopyFileBytes(int from, int to);

}  // namespace tkm
