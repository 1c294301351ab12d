#pragma once

#include "bench_document.h"
#include "bench_report.h"
#include "grid/base_grid.h"

#include <string>

namespace tkm::bench {

// The print engine on the whole document with the task list's print settings
// and colour rules: counting pages (column widths and page breaks), and
// counting then drawing the first or the last page of the preview.
class TPrintFigures {
public:
    TPrintFigures(const TBenchDocument& document, const TBaseGrid& grid, int runs, TBenchReport& report)
        : document_(document), grid_(grid), runs_(runs), report_(report) {}

    // On the recording canvas: the engine's own work, with trivial metrics.
    void Recording();
    // On a QPainter canvas over an image, with real font metrics. Needs a
    // QApplication.
    void Painter();
    // preview:open and preview:next: the preview window offscreen, drawing
    // on its own widget. Needs a QApplication.
    void PreviewWindow();

private:
    // Fails the run unless the fast measuring lays the job out exactly as
    // shaping every text with Qt does.
    void SameAsShaping();

    const TBenchDocument& document_;
    const TBaseGrid& grid_;
    int runs_;
    TBenchReport& report_;
};

// print:pdf, a document of 1,000 entries into a PDF file.
void PdfFigure(const std::string& folder, int runs, TBenchReport& report);

}  // namespace tkm::bench
