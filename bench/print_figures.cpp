#include "print_figures.h"

#include "grid/print/print_engine.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/recording_canvas.h"
#include "tasks/cell_styling.h"
#include "ui/grid/painter_print_canvas.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <climits>
#include <functional>
#include <string>

namespace tkm::bench {

namespace {

// The printable part of a landscape A4 sheet with 10 mm margins.
constexpr TPageArea Sheet{2770, 1900};
// A laser printer's resolution, for the image the QPainter canvas draws on.
constexpr int PrinterDpi = 300;
// Real font metrics take about 17 s per figure at a million entries.
constexpr int PainterEntryLimit = 100000;

// One print engine as the task list sets it up, with a fresh canvas per run.
class TPrintRuns {
public:
    using TTimed = std::function<double(TPrintCanvas&)>;
    // Sets up a canvas outside the timed part and returns what `timed` returns on it.
    using TOnCanvas = std::function<double(const TTimed& timed)>;

    TPrintRuns(const TBenchDocument& document, const TBaseGrid& grid, int runs, TBenchReport& report,
               TOnCanvas onCanvas)
        : document_(document),
          runs_(runs),
          report_(report),
          onCanvas_(std::move(onCanvas)),
          styler_(grid, {.Today = BenchToday, .Formats = document.Formats}),
          engine_(grid, settings_, scheme_, document.Formats, clock_) {
        engine_.SetOnGetCellPrintColor([this](int, int row, TCellStyle& style) { style = styler_.PrintStyle(row); });
    }

    // Returns the page count.
    int Count(const std::string& name) {
        int pages = 0;
        report_.Seconds(name, document_.Entries, MedianSeconds(runs_, [&] {
                            return onCanvas_([&](TPrintCanvas& canvas) {
                                const TStopwatch clock;
                                pages = engine_.CountPages(canvas, Sheet);
                                return clock.Seconds();
                            });
                        }));
        // Every entry takes a line of its own, and a page holds well under 200.
        if (pages < document_.Entries / 200)
            report_.Fail(name + " counted " + std::to_string(pages) + " pages for " +
                         std::to_string(document_.Entries) + " entries");
        Note(name + ": " + std::to_string(pages) + " pages");
        return pages;
    }

    void Preview(const std::string& name, int page, int pages) {
        report_.Seconds(name, document_.Entries, MedianSeconds(runs_, [&] {
                            engine_.SetPreviewPage(page);
                            return onCanvas_([&](TPrintCanvas& canvas) {
                                const TStopwatch clock;
                                engine_.DrawPreview(canvas, Sheet);
                                return clock.Seconds();
                            });
                        }));
        if (engine_.PreviewPageCount() != pages || engine_.PreviewPage() != std::min(page, pages))
            report_.Fail(name + " showed page " + std::to_string(engine_.PreviewPage()) + " of " +
                         std::to_string(engine_.PreviewPageCount()) + " after counting " + std::to_string(pages));
    }

    // print:count, print:preview-first and print:preview-last, with `suffix`.
    void All(const std::string& suffix) {
        const int pages = Count("print:count" + suffix);
        Preview("print:preview-first" + suffix, 1, pages);
        Preview("print:preview-last" + suffix, INT_MAX, pages);
    }

private:
    const TBenchDocument& document_;
    int runs_;
    TBenchReport& report_;
    TOnCanvas onCanvas_;
    const TPrintSettings settings_ = TPrintSettings::TaskGrid();
    const TColorScheme scheme_ = TColorScheme::Classic();
    const FixedClock clock_{BenchToday, {}};
    const TCellStyler styler_;
    TPrintEngine engine_;
};

}  // namespace

void TPrintFigures::Recording() {
    TPrintRuns(document_, grid_, runs_, report_, [](const TPrintRuns::TTimed& timed) {
        RecordingCanvas canvas;
        return timed(canvas);
    }).All("");
}

void TPrintFigures::Painter() {
    if (document_.Entries > PainterEntryLimit) {
        Note("print:*-qt left out above " + std::to_string(PainterEntryLimit) + " entries");
        return;
    }
    QImage image(Sheet.Width * PrinterDpi / 254, Sheet.Height * PrinterDpi / 254, QImage::Format_RGB32);
    image.fill(Qt::white);
    TPrintRuns(document_, grid_, runs_, report_, [&](const TPrintRuns::TTimed& timed) {
        QPainter painter(&image);
        TPainterPrintCanvas canvas(painter, PrinterDpi, PrinterDpi);
        return timed(canvas);
    }).All("-qt");
}

}  // namespace tkm::bench
