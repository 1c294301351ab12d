#include "ui/grid/qprinter_print_target.h"

#include "base/errors.h"

#include <QCoreApplication>

namespace tkm {

namespace {

// A failure of the printer or file named by %1.
std::string Failure(const char* text, const std::string& destination) {
    return QCoreApplication::translate("TPrintTarget", text).arg(QString::fromStdString(destination)).toStdString();
}

}  // namespace

std::string TQPrinterTarget::Destination() const {
    return (printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName()).toStdString();
}

void TQPrinterTarget::BeginDoc(const std::string& jobName) {
    printer_.setDocName(QString::fromStdString(jobName));
    if (printer_.outputFormat() == QPrinter::PdfFormat) printer_.setCreator(QStringLiteral("Taskmere"));
    BeginPainting(Failure(QT_TRANSLATE_NOOP("TPrintTarget", "Cannot start printing on %1"), Destination()));
}

void TQPrinterTarget::EndDoc() {
    if (!EndPainting())
        throw EGridError(Failure(QT_TRANSLATE_NOOP("TPrintTarget", "The printer %1 failed"), Destination()));
}

void TQPrinterTarget::AbortDoc() {
    printer_.abort();
    EndPainting();
}

}  // namespace tkm
