#include "cli/pdf_export.h"

#include "cli/document_files.h"
#include "tasks/task_list_print.h"
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

void ExportPdf(const TBaseGrid& grid, const TPrintSettings& settings, bool colors, const std::string& outFile,
               const TLocaleFormats& formats, const Clock& clock) {
    const auto app = OffscreenApplication();
    // No desktop palette here: system colours take the classic scheme's values.
    const TColorScheme scheme = TColorScheme::Classic();
    TTaskListPrint print(grid, settings, scheme, formats, clock, colors);
    ReportingFileErrors([&] { PrintToPdf(print.Engine(), outFile); });
}

}  // namespace tkm::cli
