#pragma once

#include <string>

namespace tkm {

// The documents the office server writes for Save As.
enum class TOfficeFormat { Doc, Xls, Odt, Ods, Docx, Xlsx };

// The server that writes a format: the word processor takes a table, the
// spreadsheet a sheet.
enum class TOfficeServer { Word, Excel };

struct TOfficeFormatTraits {
    TOfficeServer Server;
    const char* Extension;     // of the written file, without the dot
    const char* TypeName;      // the Save As type that names the format to the user
    const char* ExportFilter;  // LibreOffice's name for the format's export filter
    int MaxRows;               // a sheet's rows; 0: no limit
    int MaxColumns;            // a sheet's columns; 0: no limit
    int MaxCellLength;         // a sheet cell's UTF-16 characters; 0: no limit
};

const TOfficeFormatTraits& TraitsOf(TOfficeFormat format);

// 65536 as "65,536", for the limits' messages.
std::string WithThousands(long long n);

// "Word OLE server not found" or "Excel OLE server not found".
std::string ServerNotFoundMessage(TOfficeServer server);

}  // namespace tkm
