#pragma once

#include "grid/io/file_progress.h"

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

// Appends the text of rows first to end - 1 to `out`.
using TRowsFormatter = std::function<void(int first, int end, std::string& out)>;

// Formats rows first to end - 1 on every core, in runs of rows, and hands
// each run's text to `sink` in row order; `progress` hears row r handed on as
// r of end - 1. `format` runs on several threads at
// once on runs of its own, so it only reads what is shared (and copies any
// hook that keeps state of its own).
void WriteRowsInOrder(int first, int end, const TRowsFormatter& format, const TByteSink& sink,
                      const TFileProgressHandler& progress = {});

// The one way an export reaches its file: the bytes `write` gives its sink go
// to a temporary file beside fileName, which replaces the file only when
// everything was written. EGridFileError "Cannot Create file NAME",
// EInOutError on other failures; the old file stays whole on any failure.
void WriteExportFile(const std::string& fileName, const std::function<void(const TByteSink& sink)>& write);

}  // namespace tkm
