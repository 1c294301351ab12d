#pragma once

#include "bench_document.h"
#include "bench_report.h"
#include "grid/base_grid.h"
#include "grid/io/office_format.h"

#include <string>

namespace tkm::bench {

// Exports through LibreOffice, timed by the wall clock like its peers.
class TOfficeFigures {
public:
    // An Excel 97 sheet holds no more rows than this.
    static constexpr int MostXlsEntries = 65535;
    // Word documents past this take minutes each: a figure for users, not for every run.
    static constexpr int MostWordEntries = 10000;

    TOfficeFigures(const TBenchDocument& document, int runs, const std::string& folder, TBenchReport& report)
        : document_(document), runs_(runs), folder_(folder), report_(report) {}

    // Save As "Microsoft Excel (*.xls)" of every column; skipped without soffice.
    void ExportXls(const TBaseGrid& grid);
    // Save As "Microsoft Word (*.doc)" and "Word Document (*.docx)" of every
    // column; skipped without soffice.
    void ExportWord(const TBaseGrid& grid);

private:
    // The seconds of one export of every column to `format`, the file kept.
    double ExportSeconds(const TBaseGrid& grid, TOfficeFormat format, const std::string& fileName);

    const TBenchDocument& document_;
    int runs_;
    std::string folder_;
    TBenchReport& report_;
};

}  // namespace tkm::bench
