#include "grid/io/office_export.h"

#include "base/errors.h"
#include "base/translatable.h"
#include "base/windows_1252.h"
#include "grid/io/flat_open_document.h"
#include "grid/io/shown_columns.h"

namespace tkm {

namespace {

// The characters a spreadsheet counts in a cell as it receives it: UTF-16
// units, without CRs.
long long SheetCellLength(std::string_view cell, std::string& buffer) {
    long long length = 0;
    for (const char c : ShownAsUtf8(cell, buffer)) {
        const auto b = static_cast<unsigned char>(c);
        if (c != '\r' && (b & 0xC0) != 0x80) length += b >= 0xF0 ? 2 : 1;
    }
    return length;
}

// The Save As type as the dialog lists it, in the user's language.
std::string TypeText(const TOfficeFormatTraits& traits) { return TKM_TR("ExportFormats", traits.TypeName); }

// A sheet or a cell cut short would lose entries without a word: refuse it instead.
void CheckSheetSize(const TBaseGrid& grid, const std::vector<int>& columns, TOfficeFormat format) {
    const TOfficeFormatTraits& traits = TraitsOf(format);
    const std::string type = TypeText(traits);
    const int rows = grid.RowCount();
    if (traits.MaxRows > 0 && rows > traits.MaxRows) {
        std::string message =
            FillText(TKM_TR("Office", "A sheet of type %1 holds at most %2 rows; this list has %3 with its header."),
                     {type, WithThousands(traits.MaxRows), WithThousands(rows)});
        if (format == TOfficeFormat::Xls) {
            const TOfficeFormatTraits& workbook = TraitsOf(TOfficeFormat::Xlsx);
            message += FillText(TKM_TR("Office", " Save it as %1, which holds %2 rows."),
                                {TypeText(workbook), WithThousands(workbook.MaxRows)});
        }
        throw EGridError(message);
    }
    if (traits.MaxColumns > 0 && int(columns.size()) > traits.MaxColumns)
        throw EGridError(FillText(TKM_TR("Office", "A sheet of type %1 holds at most %2 columns; this export has %3."),
                                  {type, WithThousands(traits.MaxColumns),
                                   WithThousands(static_cast<long long>(columns.size()))}));
    if (traits.MaxCellLength == 0) return;
    std::string buffer;
    for (int r = 0; r < rows; ++r) {
        for (const int column : columns) {
            // No text gets longer in UTF-16 than it is in bytes.
            const std::string_view cell = grid.CellView(column, r);
            if (cell.size() <= std::size_t(traits.MaxCellLength)) continue;
            const long long length = SheetCellLength(cell, buffer);
            if (length <= traits.MaxCellLength) continue;
            throw EGridError(FillText(TKM_TR("Office", "A cell of type %1 holds at most %2 characters; %3 in row %4 "
                                                       "has %5. Save it as %6, which keeps it whole."),
                                      {type, WithThousands(traits.MaxCellLength), grid.GetCellText(column, 0),
                                       std::to_string(r), WithThousands(length),
                                       TypeText(TraitsOf(TOfficeFormat::Ods))}));
        }
    }
}

}  // namespace

void ExportOfficeDocument(const TBaseGrid& grid, const std::vector<int>& shownColumns, TOfficeFormat format,
                          const std::string& targetPath, OfficeConverter& converter,
                          const TAlignmentHook& onGetAlignment, const TSheetTyping& typing, std::stop_token stop) {
    for (const int column : shownColumns)
        if (column < 0 || column >= grid.RealColCount())
            throw EGridError("There is no column " + std::to_string(column) + " to export");
    CheckSheetSize(grid, shownColumns, format);
    const bool asTable = TraitsOf(format).Server == TOfficeServer::Word;
    converter.Convert(
        format,
        [&](const TByteSink& sink) {
            if (asTable)
                WriteFlatTextDocument(grid, shownColumns, onGetAlignment, sink);
            else
                WriteFlatSpreadsheet(grid, shownColumns, typing, sink);
        },
        targetPath, stop);
}

TOfficeExport OfficeExportThrough(std::shared_ptr<OfficeConverter> converter, TSheetTyping typing) {
    return [converter = std::move(converter), typing = std::move(typing)](const TBaseGrid& grid, TOfficeFormat format,
                                                                          const std::string& fileName, std::stop_token stop) {
        std::vector<int> realColumns;
        for (const TShownColumn& column : ShownColumns(grid)) realColumns.push_back(column.Real);
        ExportOfficeDocument(grid, realColumns, format, fileName, *converter, {}, typing, stop);
    };
}

}  // namespace tkm
