#pragma once

#include "base/file_lock.h"
#include "tasks/recovery_file.h"

#include <optional>
#include <string>
#include <vector>

namespace tkm {

// Unsaved changes a program that is no longer running left behind. Its lock
// is held while the user is asked, so no other start offers them too.
struct TOrphan {
    std::string Path;
    TFileLock Lock;
    TRecoveryRecord Record;
    std::string Table;  // the .tkm bytes
};

// The file a running program keeps its unsaved changes in, and the lock that
// says it is still running.
struct TOwnRecoveryFile {
    std::string Path;
    TFileLock Lock;
};

// The folder of recovery files: which are orphaned, which have been kept
// aside long enough, and the file a running program writes to.
class TRecoveryFolder {
public:
    explicit TRecoveryFolder(std::string path) : path_(std::move(path)) {}

    const std::string& Path() const { return path_; }
    // Deletes the files declined a week ago or longer, and the locks that runs
    // which never wrote a file left. Failures are left for the next start.
    void DeleteExpired(TDate today) const;
    // The unsaved files whose writer is gone, newest first. A file that is not a
    // recovery file is set aside at once, as if declined.
    std::vector<TOrphan> ClaimOrphans(TDate today) const;
    // A file of this program's own, locked for as long as it runs (creates the
    // folder). None when the folder cannot be written.
    std::optional<TOwnRecoveryFile> ClaimOwn(int processId) const;

    // Keeps the orphan's file aside for a week; false when it could not be renamed.
    bool SetAside(TOrphan& orphan, TDate today) const;
    // The orphan's file becomes the running program's own; false when it could not be renamed.
    bool Adopt(TOrphan& orphan, const TOwnRecoveryFile& own) const;

private:
    std::vector<std::string> Names() const;
    std::string PathOf(const std::string& name) const { return path_ + "/" + name; }

    std::string path_;
};

}  // namespace tkm
