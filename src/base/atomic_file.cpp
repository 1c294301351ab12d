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

[[noreturn]] void CannotCreate(const std::string& fileName, const std::string& reason) {
    throw EGridFileError("Cannot Create file " + fileName, fileName, reason);
}

// Pipes, terminals and devices such as /dev/null take the bytes where they
// are; renaming a file over them would replace the node itself.
bool IsWrittenInPlace(mode_t mode) { return S_ISFIFO(mode) || S_ISCHR(mode); }

std::string NotAFileReason(mode_t mode) {
    if (S_ISDIR(mode)) return ErrnoText(EISDIR);
    if (S_ISSOCK(mode)) return "it is a socket, not a file";
    if (S_ISBLK(mode)) return "it is a block device, not a file";
    return "it is not a file";
}

}  // namespace

TAtomicFile::TAtomicFile(const std::string& fileName) : fileName_(fileName) {
    struct stat st {};
    if (stat(fileName_.c_str(), &st) != 0) {
        const int error = errno;
        if (error != ENOENT) CannotCreate(fileName_, ErrnoText(error));
        // A link to nothing names no place for a document: creating a file
        // there would put it wherever the link happens to point.
        if (lstat(fileName_.c_str(), &st) == 0) CannotCreate(fileName_, "the link points to nothing");
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
    CreateTemporary(ResolveTarget(fileName_));
    // The new file keeps the old one's permissions.
    if (fchmod(fd_, st.st_mode & 07777) != 0) Fail("Cannot Create file", errno);
}

void TAtomicFile::CreateTemporary(const std::string& target) {
    target_ = target;
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
        CannotCreate(fileName_, ErrnoText(error));
    }
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
    const bool replacing = !tempName_.empty();
    if (replacing && fsync(fd_) != 0) Fail("Cannot write file", errno);
    const int fd = fd_;
    fd_ = -1;
    if (close(fd) != 0) Fail("Cannot write file", errno);
    if (!replacing) return;
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
