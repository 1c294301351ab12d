#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>

namespace tkm {

// A whole file read into memory with as few system calls as possible.
class TFileBytes {
public:
    // Hears, on the reading thread, how many of a large file's bytes are in;
    // an exception it throws ends the read.
    using TReadHandler = std::function<void(std::size_t read, std::size_t total)>;

    // EGridFileError "Cannot open file NAME" when it cannot be opened for reading
    // (missing, no permission, not a regular file, larger than memory allows);
    // EInOutError on a read failure. A named pipe never makes it wait.
    explicit TFileBytes(const std::string& fileName, const TReadHandler& onRead = {});
    ~TFileBytes();
    TFileBytes(const TFileBytes&) = delete;
    TFileBytes& operator=(const TFileBytes&) = delete;

    std::string_view View() const { return {data_, size_}; }
    // Gives the memory of the bytes before `offset` back to the system: a reader
    // that has copied them elsewhere keeps a large file from being held twice.
    // Those bytes must not be read again.
    void Release(std::size_t offset);

private:
    void Grow(std::size_t capacity);

    char* data_ = nullptr;  // the file's first byte
    std::size_t size_ = 0;
    char* mapped_ = nullptr;  // the pages still held, from the first not released
    std::size_t mappedSize_ = 0;
};

}  // namespace tkm
