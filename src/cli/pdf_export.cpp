#include "cli/pdf_export.h"

#include "cli/document_files.h"
#include "grid/print/print_engine.h"
#include "tasks/cell_styling.h"
#include "ui/grid/pdf_print_target.h"

#include <QGuiApplication>

#include <cstdio>
#include <memory>

namespace tkm::cli {

namespace {

// Qt's notes about the session it finds (no runtime folder, no screen) mean
// nothing to a tkm user; its errors still show.
void QuietQtNotes(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(message));
}

// Fonts need a Qt Gui application; tkm has no display, so it draws offscreen.
std::unique_ptr<QGuiApplication> OffscreenApplication() {
    if (QCoreApplication::instance()) return nullptr;
    static int argc = 1;
    static char name[] = "tkm";
    static char* argv[] = {name, nullptr};
    qInstallMessageHandler(QuietQtNotes);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

void ExportPdf(const TBaseGrid& grid, bool colors, const std::string& outFile, const TLocaleFormats& formats,
               const Clock& clock) {
    const auto app = OffscreenApplication();
    const TPrintSettings settings = TPrintSettings::TaskGrid();
    // No desktop palette here: system colours take the classic scheme's values.
    const TColorScheme scheme = TColorScheme::Classic();
    const TCellStyler styler(grid, {.Today = clock.Today(), .Formats = formats, .ColorPrinting = colors});
    TPrintEngine engine(grid, settings, scheme, formats, clock);
    engine.SetOnGetCellPrintColor([&](int, int row, TCellStyle& style) { style = styler.PrintStyle(row); });
    ReportingFileErrors([&] { PrintToPdf(engine, outFile); });
}

}  // namespace tkm::cli
