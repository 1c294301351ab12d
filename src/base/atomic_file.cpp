#include "base/atomic_file.h"

#include "base/errors.h"
#include "base/file_metadata.h"
#include "base/path_text.h"
#include "base/translatable.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

[[noreturn]] void CannotCreate(const std::string& fileName, const std::string& reason) {
    throw EGridFileError(CannotCreateFileText(fileName), fileName, reason);
}

// A symbolic link keeps pointing at the document: the file behind it is
// replaced. One that leads to no path (as /dev/stdout does to a deleted file)
// is refused: renaming over the link itself would replace it.
std::string ResolveTarget(const std::string& fileName) {
    struct stat st {};
    if (lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return fileName;
    char resolved[PATH_MAX];
    if (!realpath(fileName.c_str(), resolved)) CannotCreate(fileName, ErrnoText(errno));
    return resolved;
}

// Pipes, terminals and devices such as /dev/null take the bytes where they
// are; renaming a file over them would replace the node itself.
bool IsWrittenInPlace(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode); }

std::string NotAFileReason(mode_t mode) {
    if (S_ISDIR(mode)) return ErrnoText(EISDIR);
    if (S_ISSOCK(mode)) return TKM_TR("Files", "it is a socket, not a file");
    if (S_ISBLK(mode)) return TKM_TR("Files", "it is a block device, not a file");
    return TKM_TR("Files", "it is not a file");
}

}  // namespace

TAtomicFile::TAtomicFile(const std::string& fileName) : fileName_(fileName) {
    struct stat st {};
    if (stat(fileName_.c_str(), &st) != 0) {
        const int error = errno;
        if (error != ENOENT) CannotCreate(fileName_, ErrnoText(error));
        // A link to nothing names no place for a document: creating a file
        // there would put it wherever the link happens to point.
        if (lstat(fileName_.c_str(), &st) == 0) CannotCreate(fileName_, TKM_TR("Files", "the link points to nothing"));
        CreateTemporary(fileName_);
        return;
    }
    if (IsWrittenInPlace(st.st_mode)) {
        fd_ = open(fileName_.c_str(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
        if (fd_ < 0) CannotCreate(fileName_, ErrnoText(errno));
        return;
    }
    if (!S_ISREG(st.st_mode)) CannotCreate(fileName_, NotAFileReason(st.st_mode));
    // Replacing by rename would get round a write-protected file.
    if (access(fileName_.c_str(), W_OK) != 0) CannotCreate(fileName_, ErrnoText(errno));
    const std::string target = ResolveTarget(fileName_);
    // A new file would part the file's other names from it, and a read-only
    // folder takes no new file.
    if (st.st_nlink > 1 || access(FolderOf(target).c_str(), W_OK | X_OK) != 0) {
        OpenInPlace(target);
        return;
    }
    CreateTemporary(target);
    if (const int error = CopyFileMetadata(target, st, fd_)) Fail(TFileAction::Create, error);
}

void TAtomicFile::OpenInPlace(const std::string& target) {
    backup_.emplace();
    if (const int error = backup_->Create(target)) {
        const std::string reason = FillText(TKM_TR("Files", "cannot keep a copy of the old contents in %1: %2"),
                                            {backup_->Name(), ErrnoText(error)});
        backup_.reset();
        CannotCreate(fileName_, reason);
    }
    record_.emplace();
    if (const int error = record_->Begin(target, backup_->Name())) {
        const std::string reason =
            error == EBUSY ? TKM_TR("Files", "another save of it is running")
                           : FillText(TKM_TR("Files", "cannot note the save in %1: %2"),
                                      {TSaveRecord::Folder(), ErrnoText(error)});
        Discard();
        CannotCreate(fileName_, reason);
    }
    fd_ = open(target.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) {
        const int error = errno;
        Discard();
        CannotCreate(fileName_, ErrnoText(error));
    }
}

void TAtomicFile::CreateTemporary(const std::string& target) {
    temporary_.emplace();
    if (const int error = temporary_->Create(target)) {
        temporary_.reset();
        CannotCreate(fileName_, ErrnoText(error));
    }
    fd_ = temporary_->Descriptor();
}

TAtomicFile::~TAtomicFile() { Discard(); }

// A file written in place gets its old bytes back; the copy is kept when even
// that fails, and the message says where it is. Its note stays too, so that
// the next open tries again.
void TAtomicFile::Discard() {
    if (backup_ && fd_ >= 0 && backup_->RestoreInto(fd_) != 0) {
        backup_.reset();
        record_.reset();
    }
    EndInPlaceSave();
    if (!temporary_ && fd_ >= 0) close(fd_);
    fd_ = -1;
    temporary_.reset();
}

// The file is whole. The copy goes before its note: a kill in between leaves
// a note naming nothing, which the next open drops.
void TAtomicFile::EndInPlaceSave() {
    if (backup_) backup_->Remove();
    backup_.reset();
    if (record_) record_->End();
    record_.reset();
}

void TAtomicFile::Fail(TFileAction action, int error) {
    const std::string kept = backup_ ? backup_->Name() : std::string();
    Discard();
    std::string reason = ErrnoText(error);
    if (!kept.empty() && access(kept.c_str(), F_OK) == 0)
        reason += FillText(TKM_TR("Files", "; the old contents are in %1"), {kept});
    throw EInOutError(action, fileName_, reason);
}

void TAtomicFile::Write(std::string_view bytes) {
    if (fd_ < 0) throw EInOutError(TFileAction::Write, fileName_, TKM_TR("Files", "the file is closed"));
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail(TFileAction::Write, errno);
        }
        if (written == 0) Fail(TFileAction::Write, ENOSPC);
        bytes.remove_prefix(std::size_t(written));
    }
}

void TAtomicFile::Commit() {
    if (fd_ < 0) throw EInOutError(TFileAction::Write, fileName_, TKM_TR("Files", "the file is closed"));
    if (!temporary_) {
        if (backup_ && fsync(fd_) != 0) Fail(TFileAction::Write, errno);
        const int fd = fd_;
        fd_ = -1;
        if (close(fd) != 0) Fail(TFileAction::Write, errno);
        EndInPlaceSave();
        return;
    }
    if (fsync(fd_) != 0) Fail(TFileAction::Write, errno);
    if (const int error = temporary_->Replace()) Fail(TFileAction::Replace, error);
    fd_ = -1;
    temporary_.reset();
}

void WriteFileSafely(const std::string& fileName, std::string_view bytes) {
    TAtomicFile file(fileName);
    file.Write(bytes);
    file.Commit();
}

}  // namespace tkm
