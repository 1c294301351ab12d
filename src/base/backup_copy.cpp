#include "base/backup_copy.h"

#include "base/file_descriptor.h"
#include "base/path_text.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

std::string AbsolutePath(const std::string& path) {
    if (!path.empty() && path[0] == '/') return path;
    char* cwd = getcwd(nullptr, 0);
    if (!cwd) return path;
    std::string absolute = std::string(cwd) + "/" + path;
    std::free(cwd);
    return absolute;
}

// The cache folder's copy is named after the whole path, slashes made '%'.
std::string CacheNameFor(const std::string& target) {
    const char* cache = std::getenv("XDG_CACHE_HOME");
    const char* home = std::getenv("HOME");
    std::string folder = cache && *cache == '/' ? cache : std::string(home ? home : "/tmp") + "/.cache";
    for (const char* part : {"/Taskmere", "/backups"}) {
        folder += part;
        mkdir(folder.c_str(), 0700);
    }
    std::string name = AbsolutePath(target);
    for (char& c : name)
        if (c == '/') c = '%';
    return folder + "/" + name + "~";
}

int CopyBytes(int from, int to) {
    char buffer[1 << 16];
    for (;;) {
        const ssize_t got = read(from, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return errno;
        if (got == 0) return fsync(to) == 0 ? 0 : errno;
        for (ssize_t done = 0; done < got;) {
            const ssize_t put = write(to, buffer + done, std::size_t(got - done));
            if (put < 0 && errno == EINTR) continue;
            if (put <= 0) return put < 0 ? errno : ENOSPC;
            done += put;
        }
    }
}

}  // namespace

int TBackupCopy::Create(const std::string& target) {
    name_ = access(FolderOf(target).c_str(), W_OK | X_OK) == 0 ? target + "~" : CacheNameFor(target);
    const TDescriptor from(open(target.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.Get() < 0) return errno;
    const TDescriptor to(open(name_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC, 0600));
    if (to.Get() < 0) return errno;
    const int error = CopyBytes(from.Get(), to.Get());
    if (error != 0) unlink(name_.c_str());
    return error;
}

int TBackupCopy::RestoreInto(int fd) const {
    const TDescriptor from(open(name_.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.Get() < 0) return errno;
    if (lseek(fd, 0, SEEK_SET) < 0 || ftruncate(fd, 0) != 0) return errno;
    return CopyBytes(from.Get(), fd);
}

void TBackupCopy::Remove() {
    if (!name_.empty()) unlink(name_.c_str());
    name_.clear();
}

}  // namespace tkm
