#include "grid/io/file_bytes.h"

#include "grid/io/file_errors.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

// Pipes and devices have no size: they are read to their end, but not forever.
constexpr std::size_t SizeLimit = std::size_t(1) << 31;

class TDescriptor {
public:
    explicit TDescriptor(int fd) : fd_(fd) {}
    ~TDescriptor() {
        if (fd_ >= 0) close(fd_);
    }
    int Get() const { return fd_; }

private:
    int fd_;
};

}  // namespace

TFileBytes::TFileBytes(const std::string& fileName) {
    const TDescriptor fd(open(fileName.c_str(), O_RDONLY | O_CLOEXEC));
    struct stat st {};
    int error = fd.Get() < 0 ? errno : fstat(fd.Get(), &st) != 0 ? errno : S_ISDIR(st.st_mode) ? EISDIR : 0;
    if (error != 0) throw EGridFileError("Cannot open file " + fileName, fileName, ErrnoText(error));

    std::size_t capacity = S_ISREG(st.st_mode) ? std::size_t(st.st_size) + 1 : std::size_t(1) << 16;
    data_ = std::make_unique_for_overwrite<char[]>(capacity);
    for (;;) {
        if (size_ == capacity) {
            if (capacity >= SizeLimit) {
                error = EFBIG;
                break;
            }
            capacity = std::min(capacity * 2, SizeLimit);
            auto grown = std::make_unique_for_overwrite<char[]>(capacity);
            std::memcpy(grown.get(), data_.get(), size_);
            data_ = std::move(grown);
        }
        const ssize_t got = read(fd.Get(), data_.get() + size_, capacity - size_);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) {
            error = errno;
            break;
        }
        if (got == 0) break;
        size_ += std::size_t(got);
    }
    if (error != 0) throw EInOutError("Cannot read file", fileName, ErrnoText(error));
}

}  // namespace tkm
