#include "grid/io/csv_writer.h"

#include "base/atomic_file.h"
#include "grid/io/csv_field_codec.h"

#include <vector>

namespace tkm {

namespace {

constexpr std::size_t BlockSize = std::size_t(1) << 20;

// The real columns written, in display order.
std::vector<int> WrittenColumns(const TBaseGrid& grid, const TCsvSettings& settings) {
    const int first = settings.WriteFixedCells ? 0 : grid.FixedCols();
    int last = grid.ColCount() - 1;
    if (settings.WriteHiddenColumns) last += grid.HiddenCount();
    std::vector<int> columns;
    for (int c = first; c <= last; ++c) columns.push_back(settings.WriteHiddenColumns ? c : grid.DisplayToReal(c));
    return columns;
}

}  // namespace

void WriteCsv(const TBaseGrid& grid, const TCsvSettings& settings, const TByteSink& sink) {
    const char separator = settings.FieldSeparator ? settings.FieldSeparator : ',';
    if (!CsvField::IsWritableSeparator(separator))
        throw EGridError(std::string("Cannot write with the field separator '") + separator + "'");
    const std::vector<int> columns = WrittenColumns(grid, settings);
    const int firstRow = settings.WriteFixedCells ? 0 : grid.FixedRows();
    const int lastRow = grid.RowCount() - 1;
    TProgressReporter progress(settings.OnFileProgress, lastRow);

    std::string block;
    block.reserve(BlockSize + (BlockSize >> 2));
    std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
    for (int r = firstRow; r <= lastRow; ++r) {
        grid.RowView(r, cells);
        for (std::size_t k = 0; k < columns.size(); ++k) {
            if (k > 0) block += separator;
            CsvField::Append(cells[std::size_t(columns[k])], separator, settings.QuoteEmptyFields, block);
        }
        block += "\r\n";
        if (block.size() >= BlockSize) {
            sink(block);
            block.clear();
        }
        progress.Report(r);
    }
    if (!block.empty()) sink(block);
}

void WriteCsvFile(const TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings) {
    TAtomicFile file(fileName);
    WriteCsv(grid, settings, [&](std::string_view bytes) { file.Write(bytes); });
    file.Commit();
}

}  // namespace tkm
