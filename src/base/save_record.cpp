#include "base/save_record.h"

#include "base/backup_copy.h"
#include "base/errors.h"
#include "base/file_descriptor.h"
#include "base/user_folders.h"

#include <cerrno>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

std::optional<std::string> RealPath(const std::string& path) {
    char resolved[PATH_MAX];
    if (!realpath(path.c_str(), resolved)) return std::nullopt;
    return resolved;
}

// A name of fixed length, whatever the path's length and bytes.
std::string NotePathFor(const std::string& realPath) {
    std::uint64_t hash = 14695981039346656037ull;
    for (const unsigned char c : realPath) hash = (hash ^ c) * 1099511628211ull;
    char name[32];
    std::snprintf(name, sizeof name, "/%016llx.save", static_cast<unsigned long long>(hash));
    return TSaveRecord::Folder() + name;
}

// The note holds the file's real path and the backup's name, each ended by a
// NUL byte: no path contains one.
struct TNote {
    std::string Target;
    std::string Backup;
};

std::optional<TNote> ReadNote(int fd) {
    std::string bytes(2 * PATH_MAX + 2, '\0');
    const ssize_t got = pread(fd, bytes.data(), bytes.size(), 0);
    if (got <= 0) return std::nullopt;
    bytes.resize(std::size_t(got));
    const auto first = bytes.find('\0');
    if (first == std::string::npos || first == 0) return std::nullopt;
    const auto second = bytes.find('\0', first + 1);
    if (second == std::string::npos || second == first + 1) return std::nullopt;
    return TNote{bytes.substr(0, first), bytes.substr(first + 1, second - first - 1)};
}

int WriteNote(int fd, const TNote& note) {
    const std::string bytes = note.Target + '\0' + note.Backup + '\0';
    if (ftruncate(fd, 0) != 0) return errno;
    if (pwrite(fd, bytes.data(), bytes.size(), 0) != ssize_t(bytes.size())) return errno ? errno : ENOSPC;
    return fsync(fd) == 0 ? 0 : errno;
}

}  // namespace

std::string TSaveRecord::Folder() { return UserFolder("XDG_STATE_HOME", ".local/state") + "/Taskmere/saves"; }

int TSaveRecord::Begin(const std::string& target, const std::string& backup) {
    const std::optional<std::string> real = RealPath(target);
    if (!real) return errno;
    if (const int error = MakeFolders(Folder(), 0700)) return error;
    errno = 0;
    lock_ = TFileLock::TryLock(NotePathFor(*real));
    // Taken by a save of the same file that is still running.
    if (!lock_) return errno == 0 || errno == EWOULDBLOCK ? EBUSY : errno;
    if (const int error = WriteNote(lock_->Descriptor(), {*real, backup})) {
        End();
        return error;
    }
    return 0;
}

void TSaveRecord::End() {
    if (lock_) lock_->Remove();
    lock_.reset();
}

std::optional<std::string> RestoreUnfinishedSave(const std::string& fileName) {
    const std::optional<std::string> real = RealPath(fileName);
    if (!real) return std::nullopt;
    const std::string notePath = NotePathFor(*real);
    if (access(notePath.c_str(), F_OK) != 0) return std::nullopt;
    auto lock = TFileLock::TryLock(notePath);
    if (!lock) return std::nullopt;  // the save still runs
    const std::optional<TNote> note = ReadNote(lock->Descriptor());
    if (note && note->Target != *real) return std::nullopt;  // another file's note
    const TDescriptor backup(note ? open(note->Backup.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC) : -1);
    if (backup.Get() < 0) {
        // Killed before the file was touched, or after its backup was removed.
        lock->Remove();
        return std::nullopt;
    }
    const TDescriptor target(open(real->c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC));
    const int error = target.Get() < 0 ? errno : CopyFileBytes(backup.Get(), target.Get());
    if (error != 0)
        throw EGridFileError(CannotOpenFileText(fileName), fileName,
                             "it was not saved completely, and the version before that save could not be put back "
                             "from " + note->Backup + ": " + ErrnoText(error));
    unlink(note->Backup.c_str());
    lock->Remove();
    return fileName + " was not saved completely; the version before that save was restored";
}

}  // namespace tkm
