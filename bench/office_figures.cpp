#include "office_figures.h"

#include "grid/io/office_export.h"
#include "platform/core/libreoffice_converter.h"
#include "platform/core/time_limited_process.h"

#include <filesystem>
#include <numeric>

namespace tkm::bench {

void TOfficeFigures::ExportXls(const TBaseGrid& grid) {
    if (!FindProgramOnPath("soffice")) return Note("export:xls skipped: soffice is not installed");
    std::vector<int> columns(std::size_t(grid.RealColCount()));
    std::iota(columns.begin(), columns.end(), 0);
    const std::string xls = folder_ + "/exported.xls";
    TLibreOfficeConverter converter;
    report_.Seconds("export:xls", document_.Entries, MedianSeconds(runs_, [&] {
                        const TStopwatch clock;
                        ExportOfficeDocument(grid, columns, TOfficeFormat::Xls, xls, converter);
                        return clock.Seconds();
                    }));
    // An Excel 97 file holds its texts in 8 KB records: far more than one per entry.
    if (std::filesystem::file_size(xls) < std::uintmax_t(document_.Entries) * 100)
        report_.Fail("export:xls wrote a file too short for its entries");
    std::filesystem::remove(xls);
}

}  // namespace tkm::bench
