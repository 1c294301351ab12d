#include "base/temporary_file.h"

#include "base/path_text.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

// Fixed per target, so that the next save finds what a killed one left; short
// enough that a name near the length limit still gets one.
std::string NameFor(const std::string& target) {
    return FolderOf(target) + "/." + BaseNameOf(target).substr(0, 200) + ".tkm-save";
}

// An unnamed file gets its name through /proc at the end.
bool UnnamedFilesCanBeNamed() { return access("/proc/self/fd", X_OK) == 0; }

// How a file system without unnamed files says so.
bool Unsupported(int error) { return error == EOPNOTSUPP || error == EISDIR || error == EINVAL; }

}  // namespace

TTemporaryFile::~TTemporaryFile() { Abandon(0); }

int TTemporaryFile::Create(const std::string& target, TNaming naming) {
    target_ = target;
    name_ = NameFor(target);
    unlink(name_.c_str());  // left by a save that was killed
    if (naming == TNaming::UnnamedWherePossible && UnnamedFilesCanBeNamed()) {
        fd_ = open(FolderOf(target).c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0666);
        if (fd_ >= 0) return NoteIdentity();
        if (!Unsupported(errno)) return errno;
    }
    removal_.emplace(name_);
    fd_ = open(name_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    return fd_ < 0 ? Abandon(errno) : NoteIdentity();
}

int TTemporaryFile::Replace() {
    if (!removal_) {
        // Still unnamed: named only now, so that a kill before the rename
        // leaves no more than the next save removes.
        removal_.emplace(name_);
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        if (linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name_.c_str(), AT_SYMLINK_FOLLOW) != 0) return errno;
    }
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) return errno;
    // Another save of the same file may have taken the name meanwhile: its
    // unfinished bytes must not take the target's place.
    if (!HoldsName()) return EBUSY;
    if (rename(name_.c_str(), target_.c_str()) != 0) return errno;
    removal_.reset();
    // The rename itself reaches the disk with the folder.
    const int folder = open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
    return 0;
}

int TTemporaryFile::NoteIdentity() {
    struct stat st {};
    if (fstat(fd_, &st) != 0) return Abandon(errno);
    device_ = st.st_dev;
    inode_ = st.st_ino;
    return 0;
}

int TTemporaryFile::Abandon(int error) {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (removal_ && HoldsName()) unlink(name_.c_str());
    removal_.reset();
    return error;
}

bool TTemporaryFile::HoldsName() const {
    struct stat st {};
    return lstat(name_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_;
}

}  // namespace tkm
