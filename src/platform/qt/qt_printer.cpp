#include "platform/qt/qt_printer.h"

#include "grid/print/print_engine.h"
#include "ui/grid/pdf_print_target.h"
#include "ui/grid/qprinter_print_target.h"

#include <QPrinterInfo>

namespace tkm {

namespace {

// The paper the print dialog offers for its "Print to File" printer.
QPageSize DialogPdfPaper() {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    return pdf.pageLayout().pageSize();
}

}  // namespace

bool QtPrinter::Installed() const { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

TPrintSheet QtPrinter::NextSheet(TPrintOrientation orientation) const {
    if (!Installed()) return PdfSheet(DialogPdfPaper(), orientation);
    // The print dialog starts on the default printer with its paper.
    TPrinterSetup setup;
    TQPrinterTarget target(setup.Printer);
    target.SetOrientation(orientation);
    return target.Sheet();
}

void QtPrinter::Print(const TPrintEngine& engine, const TPrintJob& job) {
    // The dialog's printer as it was set up; without a dialog, the default printer.
    const std::shared_ptr<TPrinterSetup> setup = job.Setup ? job.Setup : std::make_shared<TPrinterSetup>();
    if (!job.Setup) setup->Printer.setCopyCount(job.Copies);
    TQPrinterTarget target(setup->Printer);
    engine.Print(target, job.FirstPage, job.LastPage);
}

void QtPrinter::PrintToFile(const TPrintEngine& engine, const std::string& fileName) {
    PrintToPdf(engine, fileName, DialogPdfPaper());
}

}  // namespace tkm
