#pragma once

#include "base/termination_cleanup.h"

#include <optional>
#include <string>
#include <sys/types.h>

namespace tkm {

// The new contents of a file, written beside it and put in its place by one
// rename, so that the old contents stay whole until then.
//
// Where the file system allows, the file has no name until then, so the
// kernel removes it however the process ends. Elsewhere it is named after the
// file it replaces (".NAME.tkm-save"): the next save of the same file removes
// one that a crash left behind, and a termination signal removes it too
// (InstallTerminationCleanup).
class TTemporaryFile {
public:
    enum class TNaming { UnnamedWherePossible, Named };

    TTemporaryFile() = default;
    // Removes the file unless it has taken the target's place.
    ~TTemporaryFile();
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    // 0 or the errno value of the failure.
    int Create(const std::string& target, TNaming naming = TNaming::UnnamedWherePossible);
    int Descriptor() const { return fd_; }
    // Closes the file and renames it over the target (its bytes must be on
    // disk already); 0 or the errno value of the failure.
    int Replace();

private:
    int NoteIdentity();
    int Abandon(int error);
    bool HoldsName() const;

    std::string target_;
    std::string name_;
    int fd_ = -1;
    // Set while the file has (or is about to take) its name.
    std::optional<TRemovedOnTermination> removal_;
    dev_t device_ = 0;  // the file's identity, to tell it from another save's
    ino_t inode_ = 0;
};

}  // namespace tkm
