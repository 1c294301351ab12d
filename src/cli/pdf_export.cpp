#include "cli/pdf_export.h"

#include "cli/document_files.h"
#include "tasks/task_list_print.h"
#include "ui/grid/pdf_print_target.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <utility>

namespace tkm::cli {

namespace {

constexpr std::pair<const char*, QPageSize::PageSizeId> Papers[] = {
    {"A4", QPageSize::A4}, {"A3", QPageSize::A3}, {"A5", QPageSize::A5},
    {"Letter", QPageSize::Letter}, {"Legal", QPageSize::Legal}};

const std::pair<const char*, QPageSize::PageSizeId>* PaperNamed(std::string_view name) {
    const auto found = std::find_if(std::begin(Papers), std::end(Papers), [&](const auto& paper) {
        return QString::fromUtf8(name.data(), qsizetype(name.size())).compare(QLatin1String(paper.first), Qt::CaseInsensitive) == 0;
    });
    return found == std::end(Papers) ? nullptr : found;
}

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

bool IsPaperName(std::string_view name) { return PaperNamed(name) != nullptr; }

std::string PaperNames() {
    std::string names;
    for (const auto& paper : Papers) names += (names.empty() ? "" : ", ") + std::string(paper.first);
    return names;
}

void ExportPdf(const TBaseGrid& grid, const TPrintSettings& settings, bool colors, const TPdfOutput& out,
               const TLocaleFormats& formats, const Clock& clock) {
    const auto app = OffscreenApplication();
    // No desktop palette here: system colours take the classic scheme's values.
    const TColorScheme scheme = TColorScheme::Classic();
    TTaskListPrint print(grid, settings, scheme, formats, clock, colors);
    print.Engine().SetDocumentName(out.DocumentName);
    const auto* paper = PaperNamed(out.Paper);
    ReportingFileErrors([&] { PrintToPdf(print.Engine(), out.FileName, paper ? QPageSize(paper->second) : LocalePaper()); });
}

}  // namespace tkm::cli
