#include "platform/qt/qt_printer.h"

#include "base/errors.h"
#include "grid/print/print_engine.h"
#include "ui/grid/paged_print_target.h"
#include "ui/grid/pdf_print_target.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace tkm {

namespace {

// The default printer, or the first one when none is the default.
class TQPrinterTarget final : public TPagedPrintTarget {
public:
    TQPrinterTarget() : TPagedPrintTarget(printer_), printer_(QPrinter::HighResolution) {
        QPrinterInfo chosen = QPrinterInfo::defaultPrinter();
        if (chosen.isNull()) chosen = QPrinterInfo(QPrinterInfo::availablePrinters().value(0));
        printer_.setPrinterName(chosen.printerName());
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

void QtPrinter::Print(const TPrintEngine& engine) {
    TQPrinterTarget printer;
    engine.Print(printer);
}

void QtPrinter::PrintToFile(const TPrintEngine& engine, const std::string& fileName) { PrintToPdf(engine, fileName); }

}  // namespace tkm
