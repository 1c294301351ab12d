#include "ui/grid/qprinter_print_target.h"

#include "base/errors.h"

namespace tkm {

std::string TQPrinterTarget::Destination() const {
    return (printer_.outputFileName().isEmpty() ? printer_.printerName() : printer_.outputFileName()).toStdString();
}

void TQPrinterTarget::BeginDoc(const std::string& jobName) {
    printer_.setDocName(QString::fromStdString(jobName));
    if (printer_.outputFormat() == QPrinter::PdfFormat) printer_.setCreator(QStringLiteral("Taskmere"));
    BeginPainting("Cannot start printing on " + Destination());
}

void TQPrinterTarget::EndDoc() {
    if (!EndPainting()) throw EGridError("The printer " + Destination() + " failed");
}

void TQPrinterTarget::AbortDoc() {
    printer_.abort();
    EndPainting();
}

}  // namespace tkm
