#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tkm {

// Receives the written bytes in large blocks.
using TByteSink = std::function<void(std::string_view bytes)>;

// Collects a writer's small pieces and hands them to the sink in blocks of
// about a megabyte. The writer calls Flush at its end: a destructor must not
// throw the sink's failures.
class TBlockWriter {
public:
    explicit TBlockWriter(const TByteSink& sink);

    std::string& Buffer() { return block_; }
    // Hands the buffer on once it has grown to a block: call after each line.
    void LineDone() {
        if (block_.size() >= BlockSize) Flush();
    }
    void Flush();

private:
    static constexpr std::size_t BlockSize = std::size_t(1) << 20;

    const TByteSink& sink_;
    std::string block_;
};

// The one way an export reaches its file: the bytes `write` gives its sink go
// to a temporary file beside fileName, which replaces the file only when
// everything was written. EGridFileError "Cannot Create file NAME",
// EInOutError on other failures; the old file stays whole on any failure.
void WriteExportFile(const std::string& fileName, const std::function<void(const TByteSink& sink)>& write);

}  // namespace tkm
