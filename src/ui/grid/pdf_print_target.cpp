#include "ui/grid/pdf_print_target.h"

#include "grid/print/print_engine.h"

#include <QCoreApplication>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

namespace tkm {

namespace {

// Fine enough that fonts keep their size to a hundredth of a millimetre.
constexpr int PdfDpi = 1200;

QPageLayout PdfPageLayout(const QPageSize& paper, TPrintOrientation orientation) {
    return QPageLayout(paper, orientation == TPrintOrientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(10, 10, 10, 10), QPageLayout::Millimeter);
}

}  // namespace

QPageSize LocalePaper() {
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? QPageSize(QPageSize::Letter)
                                                                               : QPageSize(QPageSize::A4);
}

TPrintSheet PdfSheet(const QPageSize& paper, TPrintOrientation orientation) {
    return SheetOf(PdfPageLayout(paper, orientation), PdfDpi, PdfDpi);
}

TPdfPrintTarget::TFileDevice::TFileDevice(TAtomicFile& file) : file_(file) { open(QIODevice::WriteOnly); }

qint64 TPdfPrintTarget::TFileDevice::writeData(const char* data, qint64 size) {
    if (Failure) return -1;
    try {
        file_.Write(std::string_view(data, std::size_t(size)));
        return size;
    } catch (...) {
        Failure = std::current_exception();
        return -1;
    }
}

TPdfPrintTarget::TPdfPrintTarget(const std::string& fileName, const QPageSize& paper)
    : TPagedPrintTarget(writer_), fileName_(fileName), file_(fileName), device_(file_), writer_(&device_) {
    writer_.setResolution(PdfDpi);
    writer_.setPageLayout(PdfPageLayout(paper, TPrintOrientation::Portrait));
    writer_.setCreator(QStringLiteral("Taskmere"));
}

void TPdfPrintTarget::BeginDoc(const std::string& jobName) {
    writer_.setTitle(QString::fromStdString(jobName));
    BeginPainting(FileActionText(TFileAction::Write, fileName_));
}

void TPdfPrintTarget::EndDoc() {
    const bool ended = EndPainting();
    if (device_.Failure) std::rethrow_exception(device_.Failure);
    if (!ended)
        throw EInOutError(TFileAction::Write, fileName_,
                          QCoreApplication::translate("TPrintTarget", "the PDF writer failed").toStdString());
    file_.Commit();
}

void TPdfPrintTarget::AbortDoc() { EndPainting(); }

void PrintToPdf(const TPrintEngine& engine, const std::string& fileName, const QPageSize& paper) {
    TPdfPrintTarget pdf(fileName, paper);
    engine.Print(pdf);
}

}  // namespace tkm
