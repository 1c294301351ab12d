#include "grid/io/export_file.h"

#include "base/atomic_file.h"

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

void WriteExportFile(const std::string& fileName, const std::function<void(const TByteSink& sink)>& write) {
    TAtomicFile file(fileName);
    write([&](std::string_view bytes) { file.Write(bytes); });
    file.Commit();
}

}  // namespace tkm
