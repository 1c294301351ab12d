#pragma once

#include "bench_document.h"
#include "bench_report.h"
#include "grid/base_grid.h"

#include <string>

namespace tkm::bench {

// Exports through LibreOffice, timed by the wall clock like its peers.
class TOfficeFigures {
public:
    // An Excel 97 sheet holds no more rows than this.
    static constexpr int MostXlsEntries = 65535;

    TOfficeFigures(const TBenchDocument& document, int runs, const std::string& folder, TBenchReport& report)
        : document_(document), runs_(runs), folder_(folder), report_(report) {}

    // Save As "Microsoft Excel (*.xls)" of every column; skipped without soffice.
    void ExportXls(const TBaseGrid& grid);

private:
    const TBenchDocument& document_;
    int runs_;
    std::string folder_;
    TBenchReport& report_;
};

}  // namespace tkm::bench
