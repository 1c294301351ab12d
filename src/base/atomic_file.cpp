#include "base/atomic_file.h"

#include "base/errors.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

std::string FolderOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A symbolic link keeps pointing at the document: the file behind it is replaced.
std::string ResolveTarget(const std::string& fileName) {
    struct stat st {};
    if (lstat(fileName.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return fileName;
    char resolved[PATH_MAX];
    return realpath(fileName.c_str(), resolved) ? std::string(resolved) : fileName;
}

std::string RandomSuffix() {
    static std::mt19937 engine{std::random_device{}()};
    static constexpr char Digits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
    std::string suffix(8, '0');
    for (char& c : suffix) c = Digits[engine() % 36];
    return suffix;
}

[[noreturn]] void CannotCreate(const std::string& fileName, int error) {
    throw EGridFileError("Cannot Create file " + fileName, fileName, ErrnoText(error));
}

}  // namespace

TAtomicFile::TAtomicFile(const std::string& fileName) : fileName_(fileName), target_(ResolveTarget(fileName)) {
    struct stat st {};
    const bool exists = stat(target_.c_str(), &st) == 0;
    if (exists && S_ISDIR(st.st_mode)) CannotCreate(fileName_, EISDIR);
    // Replacing by rename would get round a write-protected file.
    if (exists && access(target_.c_str(), W_OK) != 0) CannotCreate(fileName_, errno);
    // Short enough that a name near the length limit still gets its temporary file.
    const std::string stem = FolderOf(target_) + "/." + BaseNameOf(target_).substr(0, 200) + ".";
    for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
        tempName_ = stem + RandomSuffix() + ".tmp";
        fd_ = open(tempName_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd_ < 0 && errno != EEXIST) break;
    }
    if (fd_ < 0) {
        const int error = errno;
        tempName_.clear();
        CannotCreate(fileName_, error);
    }
    // The new file keeps the old one's permissions.
    if (exists && fchmod(fd_, st.st_mode & 07777) != 0) Fail("Cannot Create file", errno);
}

TAtomicFile::~TAtomicFile() { Discard(); }

void TAtomicFile::Discard() {
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
    if (!tempName_.empty()) unlink(tempName_.c_str());
    tempName_.clear();
}

void TAtomicFile::Fail(const char* action, int error) {
    Discard();
    throw EInOutError(action, fileName_, ErrnoText(error));
}

void TAtomicFile::Write(std::string_view bytes) {
    if (fd_ < 0) throw EInOutError("Cannot write file", fileName_, "the file is closed");
    while (!bytes.empty()) {
        const ssize_t written = write(fd_, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            Fail("Cannot write file", errno);
        }
        if (written == 0) Fail("Cannot write file", ENOSPC);
        bytes.remove_prefix(std::size_t(written));
    }
}

void TAtomicFile::Commit() {
    if (fd_ < 0) throw EInOutError("Cannot write file", fileName_, "the file is closed");
    if (fsync(fd_) != 0) Fail("Cannot write file", errno);
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) Fail("Cannot write file", errno);
    if (rename(tempName_.c_str(), target_.c_str()) != 0) Fail("Cannot replace file", errno);
    tempName_.clear();
    // The rename itself reaches the disk with the folder.
    const int folder = open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        fsync(folder);
        close(folder);
    }
}

}  // namespace tkm
