#include "print_figures.h"

#include "grid/print/print_engine.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/recording_canvas.h"
#include "tasks/task_list_print.h"
#include "tasks/task_document.h"
#include "ui/dialogs/grid_preview_dialog.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/painter_print_canvas.h"
#include "ui/grid/pdf_print_target.h"
#include "document_generator.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <climits>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

namespace tkm::bench {

namespace {

// The printable part of a landscape A4 sheet with 10 mm margins.
constexpr TPageArea Sheet{2770, 1900};
// A laser printer's resolution, for the image the QPainter canvas draws on.
constexpr int PrinterDpi = 300;
// Up to here the bench checks that the advance tables measure as Qt shapes.
constexpr int ShapingCheckLimit = 10000;
// The document the PDF figure prints.
constexpr int PdfEntries = 1000;

// The print engine as the task list sets it up.
class TBenchListPrint {
public:
    TBenchListPrint(const TBaseGrid& grid, const TLocaleFormats& formats)
        : print_(grid, settings_, scheme_, formats, clock_, true) {}
    TPrintEngine& Engine() { return print_.Engine(); }

private:
    const TPrintSettings settings_ = TPrintSettings::TaskGrid();
    const TColorScheme scheme_ = TColorScheme::Classic();
    const FixedClock clock_{BenchToday, {}};
    TTaskListPrint print_;
};

// The task list's print engine with a fresh canvas per run.
class TPrintRuns {
public:
    using TTimed = std::function<double(TPrintCanvas&)>;
    // Sets up a canvas outside the timed part and returns what `timed` returns on it.
    using TOnCanvas = std::function<double(const TTimed& timed)>;

    TPrintRuns(const TBenchDocument& document, const TBaseGrid& grid, int runs, TBenchReport& report,
               TOnCanvas onCanvas)
        : document_(document),
          grid_(grid),
          runs_(runs),
          report_(report),
          onCanvas_(std::move(onCanvas)),
          print_(grid, document.Formats),
          engine_(print_.Engine()) {}

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
        std::unique_ptr<TBenchListPrint> print;
        report_.Seconds(name, document_.Entries, MedianSeconds(runs_, [&] {
                            // An engine of its own each run: a preview it kept would draw from memory.
                            print = std::make_unique<TBenchListPrint>(grid_, document_.Formats);
                            print->Engine().SetPreviewPage(page);
                            return onCanvas_([&](TPrintCanvas& canvas) {
                                const TStopwatch clock;
                                print->Engine().DrawPreview(canvas, Sheet);
                                return clock.Seconds();
                            });
                        }));
        const TPrintEngine& engine = print->Engine();
        if (engine.PreviewPageCount() != pages || engine.PreviewPage() != std::min(page, pages))
            report_.Fail(name + " showed page " + std::to_string(engine.PreviewPage()) + " of " +
                         std::to_string(engine.PreviewPageCount()) + " after counting " + std::to_string(pages));
    }

    // print:count, print:preview-first and print:preview-last, with `suffix`.
    void All(const std::string& suffix) {
        const int pages = Count("print:count" + suffix);
        Preview("print:preview-first" + suffix, 1, pages);
        Preview("print:preview-last" + suffix, INT_MAX, pages);
    }

private:
    const TBenchDocument& document_;
    const TBaseGrid& grid_;
    int runs_;
    TBenchReport& report_;
    TOnCanvas onCanvas_;
    TBenchListPrint print_;
    TPrintEngine& engine_;
};

// A printer that writes down what a job draws, measuring on another canvas.
class TTracingPrinter final : public TPrintTarget, public TPrintCanvas {
public:
    explicit TTracingPrinter(TPrintCanvas& measuring) : measuring_(measuring) {}

    std::vector<std::string> Trace;

    void SetOrientation(TPrintOrientation) override {}
    TDeviceArea PrintableArea() const override { return {Sheet.Width, Sheet.Height, 254, 254}; }
    void BeginDoc(const std::string&) override {}
    void NewPage() override { Trace.push_back("page"); }
    void EndDoc() override {}
    void AbortDoc() override {}
    TPrintCanvas& Canvas() override { return *this; }

    void SetFont(const TCanvasFont& font) override { measuring_.SetFont(font); }
    TTextExtent TextExtent(std::string_view text) override { return measuring_.TextExtent(text); }
    void TextOut(int x, int y, std::string_view text) override { Note("text", {x, y, 0, 0}, text); }
    void TextRect(const TPrintRect& clip, int x, int y, std::string_view text) override {
        Note("cell", clip, text);
        Note("at", {x, y, 0, 0}, {});
    }
    void FillRect(const TPrintRect& rect, TColor) override { Note("fill", rect, {}); }
    void SetPen(TPenStyle, int, TColor) override {}
    void Line(int x1, int y1, int x2, int y2) override { Note("line", {x1, y1, x2, y2}, {}); }

private:
    void Note(const char* what, const TPrintRect& r, std::string_view text) {
        Trace.push_back(std::string(what) + ' ' + std::to_string(r.Left) + ' ' + std::to_string(r.Top) + ' ' +
                        std::to_string(r.Right) + ' ' + std::to_string(r.Bottom) + ' ' + std::string(text));
    }

    TPrintCanvas& measuring_;
};

// Measures every text with Qt's shaping, as the painter canvas would without
// its advance tables.
class TShapingCanvas final : public TPrintCanvas {
public:
    void SetFont(const TCanvasFont& font) override {
        font_ = PrintQFont(font, int(std::lround(font.Height * PrinterDpi / 254.0)));
    }
    TTextExtent TextExtent(std::string_view text) override {
        const QFontMetricsF metrics(font_);
        return {int(std::lround(metrics.horizontalAdvance(CellToDisplay(text)) * 254.0 / PrinterDpi)),
                int(std::lround(metrics.height() * 254.0 / PrinterDpi))};
    }
    void TextOut(int, int, std::string_view) override {}
    void TextRect(const TPrintRect&, int, int, std::string_view) override {}
    void FillRect(const TPrintRect&, TColor) override {}
    void SetPen(TPenStyle, int, TColor) override {}
    void Line(int, int, int, int) override {}

private:
    QFont font_;
};

std::vector<std::string> TraceOfJob(const TBaseGrid& grid, const TLocaleFormats& formats, TPrintCanvas& measuring) {
    TTracingPrinter printer(measuring);
    TBenchListPrint(grid, formats).Engine().Print(printer);
    return std::move(printer.Trace);
}

}  // namespace

void TPrintFigures::Recording() {
    TPrintRuns(document_, grid_, runs_, report_, [](const TPrintRuns::TTimed& timed) {
        RecordingCanvas canvas;
        return timed(canvas);
    }).All("");
}

void TPrintFigures::Painter() {
    if (document_.Entries <= ShapingCheckLimit) SameAsShaping();
    QImage image(Sheet.Width * PrinterDpi / 254, Sheet.Height * PrinterDpi / 254, QImage::Format_RGB32);
    image.fill(Qt::white);
    TPrintRuns(document_, grid_, runs_, report_, [&](const TPrintRuns::TTimed& timed) {
        QPainter painter(&image);
        TPainterPrintCanvas canvas(painter, PrinterDpi, PrinterDpi);
        return timed(canvas);
    }).All("-qt");
}

void TPrintFigures::PreviewWindow() {
    std::unique_ptr<TBenchListPrint> print;
    std::unique_ptr<TGridPreviewForm> form;
    // As the Print command opens it: a print engine of its own, 600 x 400, page 1 drawn.
    report_.Seconds("preview:open", document_.Entries, MedianSeconds(runs_, [&] {
                        form.reset();
                        print = std::make_unique<TBenchListPrint>(grid_, document_.Formats);
                        const TStopwatch clock;
                        form = std::make_unique<TGridPreviewForm>(print->Engine(), [] {});
                        form->resize(600, 400);
                        print->Engine().SetPreviewPage(1);
                        form->show();
                        // Offscreen, the window is exposed once its show events are handled.
                        QCoreApplication::processEvents();
                        form->pnlPage()->repaint();
                        return clock.Seconds();
                    }));
    TPrintEngine& engine = print->Engine();
    report_.Seconds("preview:next", document_.Entries, MedianSeconds(runs_, [&] {
                        const TStopwatch clock;
                        form->btnNext()->click();
                        form->pnlPage()->repaint();
                        return clock.Seconds();
                    }));
    if (engine.PreviewPage() != 1 + runs_ || !form->btnPrevious()->isEnabled())
        report_.Fail("preview:next showed page " + std::to_string(engine.PreviewPage()) + " after " +
                     std::to_string(runs_) + " turns");
}

}  // namespace tkm::bench

namespace tkm::bench {

void TPrintFigures::SameAsShaping() {
    QPainter idle;
    TPainterPrintCanvas tables(idle, PrinterDpi, PrinterDpi);
    TShapingCanvas shaping;
    const auto fast = TraceOfJob(grid_, document_.Formats, tables);
    const auto naive = TraceOfJob(grid_, document_.Formats, shaping);
    const auto differ = std::mismatch(fast.begin(), fast.end(), naive.begin(), naive.end());
    if (differ.first != fast.end() || differ.second != naive.end())
        report_.Fail("the advance tables lay the print job out otherwise than shaping every text: \"" +
                     (differ.first != fast.end() ? *differ.first : "end") + "\" for \"" +
                     (differ.second != naive.end() ? *differ.second : "end") + "\"");
    else
        Note("print: widths and page breaks as with shaping every text (" +
             std::to_string(std::count(fast.begin(), fast.end(), "page") + 1) + " pages)");
}

void PdfFigure(const std::string& folder, int runs, TBenchReport& report) {
    const std::string source = folder + "/pdf-entries.tkm";
    const std::string pdf = folder + "/entries.pdf";
    TLocaleFormats formats;
    GenerateDocument(source, PdfEntries, BenchToday, formats);
    const TBaseGrid grid = ReadTaskDocument(source);
    TBenchListPrint print(grid, formats);
    report.Seconds("print:pdf", PdfEntries, MedianSeconds(runs, [&] {
                       const TStopwatch clock;
                       PrintToPdf(print.Engine(), pdf);
                       return clock.Seconds();
                   }));
    std::error_code ignored;
    if (std::filesystem::file_size(pdf, ignored) < 10000) report.Fail("print:pdf wrote no pages to " + pdf);
    std::filesystem::remove(pdf, ignored);
    std::filesystem::remove(source, ignored);
}

}  // namespace tkm::bench
