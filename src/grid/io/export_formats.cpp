#include "grid/io/export_formats.h"

#include "base/translatable.h"
#include "grid/io/csv_writer.h"
#include "grid/io/text_writer.h"

#include <array>

namespace tkm {

namespace {

const std::array<TExportFormat, 11> Formats{{
    {TKM_TRANSLATE_NOOP("ExportFormats", "Text document (*.txt)"), "*.txt", "txt", TExportWriter::Text},
    {TKM_TRANSLATE_NOOP("ExportFormats", "Web Document (*.htm)"), "*.htm", "htm", TExportWriter::Html},
    {TKM_TRANSLATE_NOOP("ExportFormats", "CSV (Comma delimited) (*.csv)"), "*.csv", "csv", TExportWriter::Csv},
    {TKM_TRANSLATE_NOOP("ExportFormats", "Microsoft Word (*.doc)"),
     "*.doc", "doc", TExportWriter::Office, TOfficeFormat::Doc},
    {TKM_TRANSLATE_NOOP("ExportFormats", "Microsoft Excel (*.xls)"),
     "*.xls", "xls", TExportWriter::Office, TOfficeFormat::Xls, TraitsOf(TOfficeFormat::Xls).MaxRows, "xlsx"},
    {TKM_TRANSLATE_NOOP("ExportFormats", "All files (*.*)"), "*.*", "", TExportWriter::Text},
    {TKM_TRANSLATE_NOOP("ExportFormats", "OpenDocument Spreadsheet (*.ods)"),
     "*.ods", "ods", TExportWriter::Office, TOfficeFormat::Ods},
    {TKM_TRANSLATE_NOOP("ExportFormats", "Excel Workbook (*.xlsx)"),
     "*.xlsx", "xlsx", TExportWriter::Office, TOfficeFormat::Xlsx},
    {TKM_TRANSLATE_NOOP("ExportFormats", "OpenDocument Text (*.odt)"),
     "*.odt", "odt", TExportWriter::Office, TOfficeFormat::Odt},
    {TKM_TRANSLATE_NOOP("ExportFormats", "Word Document (*.docx)"),
     "*.docx", "docx", TExportWriter::Office, TOfficeFormat::Docx},
    {TKM_TRANSLATE_NOOP("ExportFormats", "iCalendar to-do list (*.ics)"), "*.ics", "ics", TExportWriter::Calendar},
}};

}  // namespace

std::span<const TExportFormat> ExportFormats() { return Formats; }

std::string DescriptionText(const TExportFormat& format) {
    return TranslatedText("ExportFormats", format.Description);
}

std::string ExportFilter() {
    std::string filter;
    for (const TExportFormat& format : Formats) {
        if (!filter.empty()) filter += '|';
        filter += DescriptionText(format) + '|' + format.Pattern;
    }
    return filter;
}

const TExportFormat* ExportFormatAt(int filterIndex) {
    return filterIndex >= 1 && filterIndex <= int(Formats.size()) ? &Formats[std::size_t(filterIndex - 1)] : nullptr;
}

int ExportFilterIndex(const TExportFormat& format) { return int(&format - Formats.data()) + 1; }

const TExportFormat* ExportFormatFor(std::string_view extension) {
    if (extension.empty()) return nullptr;
    for (const TExportFormat& format : Formats)
        if (extension == format.Extension) return &format;
    return nullptr;
}

std::string WithExtension(const std::string& fileName, std::string_view extension) {
    const std::size_t slash = fileName.rfind('/');
    const std::size_t dot = fileName.rfind('.');
    const bool hasExtension = dot != std::string::npos && (slash == std::string::npos || dot > slash + 1);
    return (hasExtension ? fileName.substr(0, dot) : fileName) + "." + std::string(extension);
}

ERowLimitError::ERowLimitError(const TExportFormat& format, int rows)
    : EGridError(FillText(TKM_TR("ExportFormats", "%1 holds at most %2 rows, and this list has %3."),
                          {DescriptionText(format), WithThousands(format.MaxRows), WithThousands(rows)})),
      format_(format) {}

const TExportFormat& ERowLimitError::Larger() const { return *ExportFormatFor(format_.LargerType); }

void CheckRowLimit(const TBaseGrid& grid, const TExportFormat& format) {
    if (format.MaxRows > 0 && grid.RowCount() > format.MaxRows) throw ERowLimitError(format, grid.RowCount());
}

void ExportGrid(const TBaseGrid& grid, const TExportFormat& format, const TExportSources& sources,
                const std::string& fileName) {
    CheckRowLimit(grid, format);
    switch (format.Writer) {
    case TExportWriter::Text: return WriteTextFile(grid, fileName, sources.Html.Alignment, sources.Html.OnFileProgress);
    case TExportWriter::Html: return WriteHtmlFile(grid, fileName, sources.Html);
    case TExportWriter::Csv: return WriteCsvFile(grid, fileName, sources.Csv);
    case TExportWriter::Office:
        if (!sources.Office) throw EGridError(ServerNotFoundMessage(TraitsOf(format.Office).Server));
        return sources.Office(grid, format.Office, fileName, {});
    case TExportWriter::Calendar: return sources.Calendar(grid, fileName);
    }
}

}  // namespace tkm
