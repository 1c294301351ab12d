#pragma once

#include <optional>
#include <string>

namespace tkm {

// An exclusive advisory lock (flock) on a file, held for as long as the
// object lives. The kernel drops it when the process ends however it ends,
// so a lock that can be taken means its last holder is gone.
class TFileLock {
public:
    // None when another holder has it, or the file cannot be opened or created.
    static std::optional<TFileLock> TryLock(const std::string& path);

    TFileLock(TFileLock&& other) noexcept;
    TFileLock& operator=(TFileLock&& other) noexcept;
    TFileLock(const TFileLock&) = delete;
    TFileLock& operator=(const TFileLock&) = delete;
    ~TFileLock();

    const std::string& Path() const { return path_; }
    // The locked file, open for reading and writing.
    int Descriptor() const { return fd_; }
    // Removes the lock file and lets the lock go.
    void Remove();

private:
    TFileLock(std::string path, int fd) : path_(std::move(path)), fd_(fd) {}

    std::string path_;
    int fd_ = -1;
};

}  // namespace tkm
