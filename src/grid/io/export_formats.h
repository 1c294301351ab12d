#pragma once

#include "base/errors.h"
#include "grid/base_grid.h"
#include "grid/io/csv_settings.h"
#include "grid/io/html_writer.h"
#include "grid/io/office_format.h"

#include <functional>
#include <span>
#include <stop_token>
#include <string>
#include <string_view>

namespace tkm {

enum class TExportWriter { Text, Html, Csv, Office, Calendar };

// One type of the Save As dialog.
struct TExportFormat {
    const char* Description;  // "Web Document (*.htm)"
    const char* Pattern;      // "*.htm"
    const char* Extension;    // "htm"; empty for "All files"
    TExportWriter Writer;
    TOfficeFormat Office = TOfficeFormat::Doc;  // with TExportWriter::Office only
    int MaxRows = 0;  // 0: as many as the list has
    const char* LargerType = "";  // the extension of the type to offer beyond MaxRows
};

// The types in the save dialog's order: filter index i is entry i - 1. The
// first six keep their indexes, which the dialog remembers between uses.
std::span<const TExportFormat> ExportFormats();
// "description|pattern|description|pattern..." of every type.
// The format's description in the user's language, as the window shows it.
std::string DescriptionText(const TExportFormat& format);
std::string ExportFilter();
// By 1-based filter index; nothing out of range.
const TExportFormat* ExportFormatAt(int filterIndex);
int ExportFilterIndex(const TExportFormat& format);
// By extension ("htm"), as the command line names types; nothing for an unknown one.
const TExportFormat* ExportFormatFor(std::string_view extension);

// The file name with its extension replaced ("list.xls" and "xlsx" give
// "list.xlsx"), or added when it has none.
std::string WithExtension(const std::string& fileName, std::string_view extension);

// The office server's side of an export: writes the shown columns of the grid,
// every row, as `format` to fileName. Raises EGridError with the server's
// reason when it fails, EAbort once `stop` is requested.
using TOfficeExport = std::function<void(const TBaseGrid& grid, TOfficeFormat format, const std::string& fileName,
                                         std::stop_token stop)>;

// The iCalendar side of an export: writes the shown columns of the entry
// rows as to-dos to fileName.
using TCalendarExport = std::function<void(const TBaseGrid& grid, const std::string& fileName)>;

// Everything the writers read besides the grid.
struct TExportSources {
    THtmlSources Html;
    TCsvSettings Csv;
    TOfficeExport Office;  // none: no office server, the types that need one fail saying so
    TCalendarExport Calendar;
};

// The list has more rows than the chosen type holds; nothing was written.
class ERowLimitError : public EGridError {
public:
    ERowLimitError(const TExportFormat& format, int rows);
    const TExportFormat& Format() const { return format_; }
    // The type that holds the list, to offer instead.
    const TExportFormat& Larger() const;

private:
    const TExportFormat& format_;
};

// Raises ERowLimitError when the grid's rows do not fit the type.
void CheckRowLimit(const TBaseGrid& grid, const TExportFormat& format);

// Writes the shown columns of the grid to fileName as `format`. Text, HTML and
// CSV replace the file only when everything was written.
void ExportGrid(const TBaseGrid& grid, const TExportFormat& format, const TExportSources& sources,
                const std::string& fileName);

}  // namespace tkm
