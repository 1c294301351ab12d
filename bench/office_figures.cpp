#include "office_figures.h"

#include "grid/io/office_export.h"
#include "platform/core/libreoffice_converter.h"
#include "platform/core/time_limited_process.h"
#include "tasks/task_table.h"

#include <filesystem>
#include <numeric>

namespace tkm::bench {

double TOfficeFigures::ExportSeconds(const TBaseGrid& grid, TOfficeFormat format, const std::string& fileName) {
    std::vector<int> columns(std::size_t(grid.RealColCount()));
    std::iota(columns.begin(), columns.end(), 0);
    TLibreOfficeConverter converter;
    return MedianSeconds(runs_, [&] {
        const TStopwatch clock;
        ExportOfficeDocument(grid, columns, format, fileName, converter, {},
                             TaskTable::SheetTyping(document_.Formats));
        return clock.Seconds();
    });
}

void TOfficeFigures::ExportXls(const TBaseGrid& grid) {
    if (!FindProgramOnPath("soffice")) return Note("export:xls skipped: soffice is not installed");
    const std::string xls = folder_ + "/exported.xls";
    report_.Seconds("export:xls", document_.Entries, ExportSeconds(grid, TOfficeFormat::Xls, xls));
    // An Excel 97 file holds its texts in 8 KB records: far more than one per entry.
    if (std::filesystem::file_size(xls) < std::uintmax_t(document_.Entries) * 100)
        report_.Fail("export:xls wrote a file too short for its entries");
    std::filesystem::remove(xls);
}

void TOfficeFigures::ExportWord(const TBaseGrid& grid) {
    if (!FindProgramOnPath("soffice")) return Note("export:doc and export:docx skipped: soffice is not installed");
    for (const auto& [name, format] : {std::pair{"export:doc", TOfficeFormat::Doc}, {"export:docx", TOfficeFormat::Docx}}) {
        const std::string file = folder_ + "/exported." + TraitsOf(format).Extension;
        report_.Seconds(name, document_.Entries, ExportSeconds(grid, format, file));
        // Even compressed, a Word file holds more than a few bytes an entry.
        if (std::filesystem::file_size(file) < std::uintmax_t(document_.Entries) * 10)
            report_.Fail(std::string(name) + " wrote a file too short for its entries");
        std::filesystem::remove(file);
    }
}

}  // namespace tkm::bench
