#include "base/file_bytes.h"

#include "base/errors.h"
#include "base/translatable.h"
#include "base/file_descriptor.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cerrno>
#include <fcntl.h>
#include <new>
#include <string>
#include <sys/mman.h>
#include <thread>
#include <vector>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {

namespace {

// A file that grows while it is read (or a /proc file, which says it is empty)
// is read to its end, but not forever.
constexpr std::size_t SizeLimit = std::size_t(1) << 31;

std::size_t PageSize() { return std::size_t(sysconf(_SC_PAGESIZE)); }

// Copying a large file out of the system's cache is most of the time its load
// takes, and each core copies as fast as one: such files are read in one part per core.
constexpr std::size_t PartsFrom = std::size_t(64) << 20;

// Each read of a part is this large at most, so that the reading thread can
// tell how far all have come in between.
constexpr std::size_t ReadStep = std::size_t(8) << 20;

// Reads bytes 0 to size - 1 in parts at once. Returns how many were read up
// to the first part that came short (the file shrank) or failed (`error`).
std::size_t ReadInParts(int fd, char* data, std::size_t size, int& error, const TFileBytes::TReadHandler& onRead) {
    const std::size_t parts = std::max(std::thread::hardware_concurrency(), 1u);
    const std::size_t partSize = (size / parts + PageSize()) / PageSize() * PageSize();
    std::vector<std::size_t> got(parts, 0);
    std::vector<int> errors(parts, 0);
    std::atomic<std::size_t> read{0};
    std::atomic<std::size_t> finished{0};
    std::atomic<bool> stop{false};
    const auto part = [&](std::size_t p) {
        const std::size_t begin = std::min(size, p * partSize), end = std::min(size, begin + partSize);
        std::size_t done = begin;
        while (done < end && !stop) {
            const ssize_t n = pread(fd, data + done, std::min(end - done, ReadStep), off_t(done));
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) errors[p] = errno;
            if (n <= 0) break;
            done += std::size_t(n);
            read += std::size_t(n);
            if (p == 0 && onRead) onRead(read, size);
        }
        got[p] = done - begin;
        ++finished;
    };
    std::vector<std::thread> threads;
    try {
        for (std::size_t p = 1; p < parts; ++p) threads.emplace_back(part, p);
        part(0);
        while (onRead && finished < parts) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            onRead(read, size);
        }
    } catch (...) {
        stop = true;
        for (std::thread& thread : threads) thread.join();
        throw;
    }
    for (std::thread& thread : threads) thread.join();
    std::size_t total = 0;
    for (std::size_t p = 0; p < parts; ++p) {
        total += got[p];
        if (errors[p] != 0) error = errors[p];
        if (errors[p] != 0 || got[p] < std::min(size, (p + 1) * partSize) - std::min(size, p * partSize)) break;
    }
    return total;
}

}  // namespace

TFileBytes::TFileBytes(const std::string& fileName, const TReadHandler& onRead) {
    const auto cannotOpen = [&](const std::string& reason) {
        return EGridFileError(CannotOpenFileText(fileName), fileName, reason);
    };
    // Not blocking: opening a named pipe would wait for a writer forever.
    const TDescriptor fd(open(fileName.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    struct stat st {};
    if (fd.Get() < 0 || fstat(fd.Get(), &st) != 0) throw cannotOpen(ErrnoText(errno));
    // Pipes, devices and sockets have no end to read up to, or one too far away.
    if (!S_ISREG(st.st_mode)) throw cannotOpen(TKM_TR("Files", "not a regular file"));
    fcntl(fd.Get(), F_SETFL, 0);

    // Pages of their own rather than the heap's, so that Release can hand them back.
    try {
        Grow(std::size_t(st.st_size) + 1);
    } catch (const std::bad_alloc&) {
        throw cannotOpen(FillText(TKM_TR("Files", "not enough memory (%1 MB)"),
                                  {std::to_string((st.st_size + (1 << 20) - 1) >> 20)}));
    }
    // A read that fails or is stopped leaves no memory of the file's size behind.
    try {
        int error = 0;
        if (std::size_t(st.st_size) >= PartsFrom)
            size_ = ReadInParts(fd.Get(), data_, std::size_t(st.st_size), error, onRead);
        // On to the end, which may have moved since.
        while (error == 0) {
            if (size_ == mappedSize_) {
                if (mappedSize_ >= SizeLimit) {
                    error = EFBIG;
                    break;
                }
                Grow(std::min(mappedSize_ * 2, SizeLimit));
            }
            const ssize_t got = pread(fd.Get(), data_ + size_, mappedSize_ - size_, off_t(size_));
            if (got < 0 && errno == EINTR) continue;
            if (got < 0) {
                error = errno;
                break;
            }
            if (got == 0) break;
            size_ += std::size_t(got);
        }
        if (error != 0) throw EInOutError(TFileAction::Read, fileName, ErrnoText(error));
    } catch (...) {
        munmap(mapped_, mappedSize_);
        throw;
    }
}

TFileBytes::~TFileBytes() {
    if (mappedSize_ > 0) munmap(mapped_, mappedSize_);
}

void TFileBytes::Grow(std::size_t capacity) {
    void* memory = mappedSize_ == 0 ? mmap(nullptr, capacity, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0)
                                    : mremap(mapped_, mappedSize_, capacity, MREMAP_MAYMOVE);
    if (memory == MAP_FAILED) throw std::bad_alloc();
    // Large pages where the system offers them: a large file read into small
    // ones spends more time on page faults than on its bytes.
    madvise(memory, capacity, MADV_HUGEPAGE);
    data_ = mapped_ = static_cast<char*>(memory);
    mappedSize_ = capacity;
}

void TFileBytes::Release(std::size_t offset) {
    const std::size_t done = std::size_t(data_ + std::min(offset, size_) - mapped_);
    const std::size_t whole = done - done % PageSize();
    if (whole == 0) return;
    munmap(mapped_, whole);
    mapped_ += whole;
    mappedSize_ -= whole;
}

}  // namespace tkm
