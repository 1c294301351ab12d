#pragma once

#include "base/file_lock.h"

#include <optional>
#include <string>

namespace tkm {

// The note that a file is being written in place: while it exists the file
// may be only partly written, and the backup copy it names holds the version
// before. It lives in $XDG_STATE_HOME/Taskmere/saves, named after the file's
// real path, and stays locked while its save runs, so that only a save that
// was killed leaves one that can be taken.
class TSaveRecord {
public:
    // Notes the save of `target` (an existing file) whose old bytes are in
    // `backup`; 0 or the errno value (EBUSY: another save of it is running).
    int Begin(const std::string& target, const std::string& backup);
    // The file is whole again, new or old.
    void End();
    // Where the notes are kept, for messages.
    static std::string Folder();

private:
    std::optional<TFileLock> lock_;
};

// When the last save of `fileName` in place did not finish, puts the version
// before it back and returns what to tell the user. EGridFileError "Cannot
// open file NAME" when that version cannot be put back.
std::optional<std::string> RestoreUnfinishedSave(const std::string& fileName);

}  // namespace tkm
