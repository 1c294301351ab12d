#pragma once

#include "base/temporary_file.h"

#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// Writes a file so that its old contents survive any failure: the bytes go to
// a temporary file in the same folder, which is flushed to disk and renamed
// over the target only by Commit. Until then, and after any failure, the
// target is untouched, and no temporary file is left behind (see
// TTemporaryFile for a process that is killed). A pipe, a terminal or a device
// such as /dev/null is written in place instead; it is never replaced.
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
    [[noreturn]] void Fail(const char* action, int error);
    void Discard();

    std::string fileName_;  // as the caller named it, for messages
    std::optional<TTemporaryFile> temporary_;  // none when written in place
    int fd_ = -1;  // where the bytes go: the temporary file's, or the target's own
};

}  // namespace tkm
