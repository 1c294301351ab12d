#include "base/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace tkm {

std::optional<TFileLock> TFileLock::TryLock(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return std::nullopt;
    // A holder that removed the file between our open and our lock leaves us
    // holding a file nobody else can find: that is no lock at all.
    struct stat opened {}, named {};
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0 || ::fstat(fd, &opened) != 0 || ::stat(path.c_str(), &named) != 0 ||
        opened.st_dev != named.st_dev || opened.st_ino != named.st_ino) {
        ::close(fd);
        return std::nullopt;
    }
    return TFileLock(path, fd);
}

TFileLock::TFileLock(TFileLock&& other) noexcept
    : path_(std::move(other.path_)), fd_(std::exchange(other.fd_, -1)) {}

TFileLock& TFileLock::operator=(TFileLock&& other) noexcept {
    if (this != &other) {
        if (fd_ >= 0) ::close(fd_);
        path_ = std::move(other.path_);
        fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
}

TFileLock::~TFileLock() {
    if (fd_ >= 0) ::close(fd_);
}

void TFileLock::Remove() {
    if (fd_ < 0) return;
    // Unlinked while still held: nobody can take the old file in between.
    ::unlink(path_.c_str());
    ::close(fd_);
    fd_ = -1;
}

}  // namespace tkm
