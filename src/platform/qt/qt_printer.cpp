#include "platform/qt/qt_printer.h"

#include "base/errors.h"
#include "grid/print/print_engine.h"
#include "ui/grid/paged_print_target.h"
#include "ui/grid/pdf_print_target.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tkm {

namespace {

// The chosen printer; without a choice the default one, or the first one when
// none is the default.
class TQPrinterTarget final : public TPagedPrintTarget {
public:
    explicit TQPrinterTarget(const TPrintJob& job) : TPagedPrintTarget(printer_), printer_(QPrinter::HighResolution) {
        QPrinterInfo chosen = QPrinterInfo::printerInfo(QString::fromStdString(job.PrinterName));
        if (chosen.isNull()) chosen = QPrinterInfo::defaultPrinter();
        if (chosen.isNull()) chosen = QPrinterInfo(QPrinterInfo::availablePrinters().value(0));
        printer_.setPrinterName(chosen.printerName());
        printer_.setCopyCount(job.Copies);
    }

    void BeginDoc(const std::string& jobName) override {
        printer_.setDocName(QString::fromStdString(jobName));
        BeginPainting("Cannot start printing on " + printer_.printerName().toStdString());
    }
    void EndDoc() override {
        if (!EndPainting()) throw EGridError("The printer " + printer_.printerName().toStdString() + " failed");
    }
    void AbortDoc() override {
        printer_.abort();
        EndPainting();
    }

private:
    QPrinter printer_;
};

}  // namespace

bool QtPrinter::Installed() const { return !QPrinterInfo::availablePrinterNames().isEmpty(); }

void QtPrinter::Print(const TPrintEngine& engine, const TPrintJob& job) {
    TQPrinterTarget printer(job);
    engine.Print(printer, job.FirstPage, job.LastPage);
}

void QtPrinter::PrintToFile(const TPrintEngine& engine, const std::string& fileName) { PrintToPdf(engine, fileName); }

}  // namespace tkm
