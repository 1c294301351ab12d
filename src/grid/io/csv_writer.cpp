#include "grid/io/csv_writer.h"

#include "grid/io/csv_field_codec.h"
#include "grid/io/shown_columns.h"

#include <vector>

namespace tkm {

void WriteCsv(const TBaseGrid& grid, const TCsvSettings& settings, const TByteSink& sink) {
    const char separator = settings.FieldSeparator ? settings.FieldSeparator : ',';
    if (!CsvField::IsWritableSeparator(separator))
        throw EGridError(std::string("Cannot write with the field separator '") + separator + "'");
    const std::vector<TShownColumn> columns = ShownColumns(grid, settings.WriteFixedCells, settings.WriteHiddenColumns);
    const int firstRow = settings.WriteFixedCells ? 0 : grid.FixedRows();
    const int lastRow = grid.RowCount() - 1;
    WriteRowsInOrder(
        firstRow, lastRow + 1,
        [&](int first, int end, std::string& out) {
            std::vector<std::string_view> cells(std::size_t(grid.RealColCount()));
            for (int r = first; r < end; ++r) {
                grid.RowView(r, cells);
                for (std::size_t k = 0; k < columns.size(); ++k) {
                    if (k > 0) out += separator;
                    const auto place = k + 1 == columns.size() ? CsvField::TPlace::Last : CsvField::TPlace::Inner;
                    CsvField::Append(cells[std::size_t(columns[k].Real)], separator, settings.QuoteEmptyFields, place,
                                     out);
                }
                out += "\r\n";
            }
        },
        sink, settings.OnFileProgress);
}

void WriteCsvFile(const TBaseGrid& grid, const std::string& fileName, const TCsvSettings& settings) {
    WriteExportFile(fileName, [&](const TByteSink& sink) { WriteCsv(grid, settings, sink); });
}

}  // namespace tkm
