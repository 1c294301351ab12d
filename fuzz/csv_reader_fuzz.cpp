// Any bytes load without a crash, and whatever loaded survives a save and a reload.
#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"

#include <cstdint>
#include <string>

namespace {

std::string Written(const tkm::TBaseGrid& grid, const tkm::TCsvSettings& settings) {
    std::string out;
    tkm::WriteCsv(grid, settings, [&](std::string_view bytes) { out += bytes; });
    return out;
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
    if (again.RowCount() != grid.RowCount()) __builtin_trap();
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.RealColCount(); ++c)
            if (grid.CellView(c, r) != (c < again.RealColCount() ? again.CellView(c, r) : std::string_view()))
                __builtin_trap();
    return 0;
}
