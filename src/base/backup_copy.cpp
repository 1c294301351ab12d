#include "base/backup_copy.h"

#include "base/file_descriptor.h"
#include "base/path_text.h"
#include "base/user_folders.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

constexpr const char* Suffix = ".taskmere-backup-XXXXXX";

// Short enough that a name near the length limit still gets a copy.
std::string ShortBaseName(const std::string& target) { return BaseNameOf(target).substr(0, 200); }

}  // namespace

int CopyFileBytes(int from, int to) {
    if (lseek(to, 0, SEEK_SET) < 0 || ftruncate(to, 0) != 0) return errno;
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

int TBackupCopy::Create(const std::string& target) {
    const std::string folder = FolderOf(target);
    if (access(folder.c_str(), W_OK | X_OK) == 0) {
        name_ = folder + "/." + ShortBaseName(target) + Suffix;
    } else {
        const std::string cache = UserFolder("XDG_CACHE_HOME", ".cache") + "/Taskmere/backups";
        name_ = cache + "/" + ShortBaseName(target) + Suffix;
        if (const int error = MakeFolders(cache, 0700)) return error;
    }
    const TDescriptor from(open(target.c_str(), O_RDONLY | O_CLOEXEC));
    if (from.Get() < 0) return errno;
    // mkostemp creates the file (O_EXCL) and fills in its name.
    const TDescriptor to(mkostemp(name_.data(), O_CLOEXEC));
    if (to.Get() < 0) return errno;
    struct stat st {};
    fstat(to.Get(), &st);
    device_ = st.st_dev;
    inode_ = st.st_ino;
    const int error = CopyFileBytes(from.Get(), to.Get());
    if (error != 0) unlink(name_.c_str());
    return error;
}

int TBackupCopy::RestoreInto(int fd) const {
    const TDescriptor from(open(name_.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC));
    if (from.Get() < 0) return errno;
    return CopyFileBytes(from.Get(), fd);
}

void TBackupCopy::Remove() {
    struct stat st {};
    if (!name_.empty() && lstat(name_.c_str(), &st) == 0 && st.st_dev == device_ && st.st_ino == inode_)
        unlink(name_.c_str());
    name_.clear();
}

}  // namespace tkm
