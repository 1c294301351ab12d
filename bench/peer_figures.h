#pragma once

#include "bench_document.h"
#include "bench_report.h"

#include <string>

namespace tkm::bench {

// Other programs reading the same document, timed by their wall clock.
class TPeerFigures {
public:
    TPeerFigures(const TBenchDocument& document, int runs, const std::string& folder, TBenchReport& report)
        : document_(document), runs_(runs), folder_(folder), report_(report) {}

    // Python's csv module reading the file into lists.
    void PythonCsv();
    // LibreOffice opening the file and saving it as CSV again; skipped without soffice.
    void LibreOffice();
    // LibreOffice opening the file and saving it as an Excel 97 sheet.
    void LibreOfficeXls();

private:
    // LibreOffice's CSV import of the document, then its export `filter`.
    void LibreOfficeConversion(const std::string& name, const std::string& filter, const std::string& extension);
    // Median wall time of the command; false (and a note) when a run failed.
    bool TimeCommand(const std::string& name, const std::vector<std::string>& args);

    const TBenchDocument& document_;
    int runs_;
    std::string folder_;
    TBenchReport& report_;
};

}  // namespace tkm::bench
