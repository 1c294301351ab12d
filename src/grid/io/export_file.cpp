#include "grid/io/export_file.h"

#include "base/atomic_file.h"
#include "base/ordered_batches.h"

#include <algorithm>

namespace tkm {

// The block grows to its size once and is reused from then on; reserved up
// front, a one-line file would cost a megabyte (and, under the sanitizers,
// the time to poison it).
TBlockWriter::TBlockWriter(const TByteSink& sink) : sink_(sink) {}

void TBlockWriter::Flush() {
    if (block_.empty()) return;
    sink_(block_);
    block_.clear();
}

void WriteRowsInOrder(int first, int end, const TRowsFormatter& format, const TByteSink& sink,
                      const TFileProgressHandler& progress) {
    // A run is a few hundred kilobytes of text: far more work than handing it on.
    constexpr int RowsPerRun = 2048;
    if (end <= first) return;
    const std::size_t runs = std::size_t((end - first + RowsPerRun - 1) / RowsPerRun);
    TProgressReporter reporter(progress, end - 1);
    const auto runEnd = [&](std::size_t run) { return int(std::min<long long>(first + (long long)(run + 1) * RowsPerRun, end)); };
    ProduceInOrder<std::string>(
        runs,
        [&](std::size_t run) {
            std::string text;
            format(first + int(run) * RowsPerRun, runEnd(run), text);
            return text;
        },
        [&](std::size_t run, std::string&& text) {
            if (!text.empty()) sink(text);
            if (progress)
                for (int r = first + int(run) * RowsPerRun; r < runEnd(run); ++r) reporter.Report(r);
        },
        2);
}

void WriteExportFile(const std::string& fileName, const std::function<void(const TByteSink& sink)>& write) {
    TAtomicFile file(fileName);
    write([&](std::string_view bytes) { file.Write(bytes); });
    file.Commit();
}

}  // namespace tkm
