#include "grid/io/export_file.h"

#include "base/atomic_file.h"

namespace tkm {

TBlockWriter::TBlockWriter(const TByteSink& sink) : sink_(sink) { block_.reserve(BlockSize + (BlockSize >> 2)); }

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
