#pragma once

#include "base/backup_copy.h"
#include "base/errors.h"
#include "base/save_record.h"
#include "base/temporary_file.h"


#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// Writes a file so that its old contents survive any failure: the bytes go to
// a temporary file in the same folder, which is flushed to disk and renamed
// over the target only by Commit. Until then, and after any failure, the
// target is untouched, and no temporary file is left behind (see
// TTemporaryFile for a process that is killed). The new file keeps the old
// one's owner (where allowed), permissions, access control lists and extended
// attributes.
//
// A pipe, a terminal or a device such as /dev/null is written in place; it is
// never replaced. So is a file whose folder is read-only, or which has other
// names (hard links) that a new file would part from: its old bytes are copied
// first (TBackupCopy) and put back if the write fails, and the save is noted
// (TSaveRecord) so that the next open puts them back after a kill.
class TAtomicFile {
public:
    // EGridFileError "Cannot Create file NAME" when the file cannot be written
    // there: a folder, a socket, a link to nothing, no permission...
    explicit TAtomicFile(const std::string& fileName);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // EInOutError on a write failure (full disk, quota, file size limit).
    void Write(std::string_view bytes);
    // Flushes, closes and replaces the target; EInOutError on failure.
    void Commit();

private:
    void CreateTemporary(const std::string& target);
    void OpenInPlace(const std::string& target);
    [[noreturn]] void Fail(TFileAction action, int error);
    void Discard();
    void EndInPlaceSave();

    std::string fileName_;  // as the caller named it, for messages
    std::optional<TTemporaryFile> temporary_;  // none when written in place
    std::optional<TBackupCopy> backup_;  // the old bytes of a file written in place
    std::optional<TSaveRecord> record_;  // and the note of that save
    int fd_ = -1;  // where the bytes go: the temporary file's, or the target's own
};

// Every file the program writes goes through TAtomicFile: this for one held
// whole in memory (settings files), WriteExportFile for one written in pieces.
void WriteFileSafely(const std::string& fileName, std::string_view bytes);

}  // namespace tkm
