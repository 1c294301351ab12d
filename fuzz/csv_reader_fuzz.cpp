// Any bytes load without a crash, reading in blocks gives what reading line by
// line gives, and whatever loaded survives a save and a reload.
#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"

#include <algorithm>
#include <cstdint>
#include <string>

namespace {

std::string Written(const tkm::TBaseGrid& grid, const tkm::TCsvSettings& settings) {
    std::string out;
    tkm::WriteCsv(grid, settings, [&](std::string_view bytes) { out += bytes; });
    return out;
}

// Cells beyond a grid's columns count as empty.
bool SameCells(const tkm::TBaseGrid& a, const tkm::TBaseGrid& b) {
    if (a.RowCount() != b.RowCount()) return false;
    for (int r = 0; r < a.RowCount(); ++r)
        for (int c = 0; c < std::max(a.RealColCount(), b.RealColCount()); ++c)
            if ((c < a.RealColCount() ? a.CellView(c, r) : std::string_view()) !=
                (c < b.RealColCount() ? b.CellView(c, r) : std::string_view()))
                return false;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    // The first byte picks the settings, the rest is the file.
    static constexpr char Separators[] = {0, ',', ';', '\t', '|', '#', '"', '\r', '\n', 'a'};
    tkm::TCsvSettings settings;
    settings.FieldSeparator = Separators[data[0] % sizeof Separators];
    settings.WriteFixedCells = (data[0] & 0x10) == 0;
    settings.QuoteEmptyFields = (data[0] & 0x20) == 0;
    const std::string_view file(reinterpret_cast<const char*>(data) + 1, size - 1);

    tkm::TBaseGrid byLine(3, 0), byBlock(3, 0);
    tkm::ReadCsvInBlocks(byLine, file, settings, 0);
    tkm::ReadCsvInBlocks(byBlock, file, settings, 1 + size % 61);
    if (!SameCells(byLine, byBlock)) __builtin_trap();

    tkm::TBaseGrid grid(3, 4);
    grid.SetCellText(2, 3, "kept");
    tkm::ReadCsv(grid, file, settings);

    tkm::TCsvSettings plain;
    plain.FieldSeparator = ',';
    plain.WriteHiddenColumns = true;
    const std::string saved = Written(grid, plain);
    tkm::TBaseGrid again(1, 0);
    again.SetFixedCols(0);
    tkm::ReadCsv(again, saved, plain);
    if (!SameCells(grid, again)) __builtin_trap();
    return 0;
}
