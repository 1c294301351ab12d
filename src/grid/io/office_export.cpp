#include "grid/io/office_export.h"

#include "base/errors.h"
#include "grid/io/flat_open_document.h"

namespace tkm {

namespace {

// 65536 as "65,536".
std::string WithThousands(long long n) {
    std::string digits = std::to_string(n);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(std::size_t(i), ",");
    return digits;
}

// A sheet cut short would lose entries without a word: refuse it instead.
void CheckSheetSize(TOfficeFormat format, int rows, int columns) {
    const TOfficeFormatTraits& traits = TraitsOf(format);
    std::string message;
    if (traits.MaxRows > 0 && rows > traits.MaxRows) {
        message = std::string("A sheet of type ") + traits.TypeName + " holds at most " + WithThousands(traits.MaxRows) +
                  " rows; this list has " + WithThousands(rows) + " with its header.";
        if (format == TOfficeFormat::Xls) {
            const TOfficeFormatTraits& workbook = TraitsOf(TOfficeFormat::Xlsx);
            message += std::string(" Save it as ") + workbook.TypeName + ", which holds " +
                       WithThousands(workbook.MaxRows) + " rows.";
        }
    } else if (traits.MaxColumns > 0 && columns > traits.MaxColumns) {
        message = std::string("A sheet of type ") + traits.TypeName + " holds at most " +
                  WithThousands(traits.MaxColumns) +
                  " columns; this export has " + WithThousands(columns) + ".";
    }
    if (!message.empty()) throw EGridError(message);
}

}  // namespace

void ExportOfficeDocument(const TBaseGrid& grid, const std::vector<int>& shownColumns, TOfficeFormat format,
                          const std::string& targetPath, OfficeConverter& converter,
                          const TAlignmentEvent& onGetAlignment) {
    for (const int column : shownColumns)
        if (column < 0 || column >= grid.RealColCount())
            throw EGridError("There is no column " + std::to_string(column) + " to export");
    CheckSheetSize(format, grid.RowCount(), int(shownColumns.size()));
    const bool asTable = TraitsOf(format).Server == TOfficeServer::Word;
    converter.Convert(
        format,
        [&](const TByteSink& sink) {
            if (asTable) WriteFlatTextDocument(grid, shownColumns, onGetAlignment, sink);
            else WriteFlatSpreadsheet(grid, shownColumns, sink);
        },
        targetPath);
}

}  // namespace tkm
