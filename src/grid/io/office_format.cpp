#include "grid/io/office_format.h"

#include "base/translatable.h"

namespace tkm {

namespace {

// LibreOffice's sheets end where Excel's do since version 7.4.
constexpr int WorkbookRows = 1048576;
constexpr int WorkbookColumns = 16384;
// Excel's cells end here; LibreOffice cuts a longer text when it writes one.
constexpr int ExcelCellLength = 32767;

constexpr TOfficeFormatTraits Traits[] = {
    {TOfficeServer::Word, "doc", "Microsoft Word (*.doc)", "MS Word 97", 0, 0, 0},
    {TOfficeServer::Excel, "xls", "Microsoft Excel (*.xls)", "MS Excel 97", 65536, 256, ExcelCellLength},
    {TOfficeServer::Word, "odt", "OpenDocument Text (*.odt)", "writer8", 0, 0, 0},
    {TOfficeServer::Excel, "ods", "OpenDocument Spreadsheet (*.ods)", "calc8", WorkbookRows, WorkbookColumns, 0},
    {TOfficeServer::Word, "docx", "Word Document (*.docx)", "MS Word 2007 XML", 0, 0, 0},
    {TOfficeServer::Excel, "xlsx", "Excel Workbook (*.xlsx)", "Calc MS Excel 2007 XML", WorkbookRows, WorkbookColumns,
     ExcelCellLength},
};

}  // namespace

const TOfficeFormatTraits& TraitsOf(TOfficeFormat format) { return Traits[int(format)]; }

std::string WithThousands(long long n) {
    std::string digits = std::to_string(n);
    for (int i = int(digits.size()) - 3; i > 0; i -= 3) digits.insert(std::size_t(i), ",");
    return digits;
}

std::string ServerNotFoundMessage(TOfficeServer server) {
    return server == TOfficeServer::Word ? TKM_TR("Office", "Word OLE server not found")
                                         : TKM_TR("Office", "Excel OLE server not found");
}

}  // namespace tkm
