#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace tkm {

// A whole file read into memory with as few system calls as possible.
class TFileBytes {
public:
    // EGridFileError "Cannot open file NAME" when it cannot be opened for reading
    // (missing, no permission, a folder); EInOutError on a read failure.
    explicit TFileBytes(const std::string& fileName);
    std::string_view View() const { return {data_.get(), size_}; }

private:
    std::unique_ptr<char[]> data_;
    std::size_t size_ = 0;
};

}  // namespace tkm
