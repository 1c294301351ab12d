#pragma once

#include "ui/grid/paged_print_target.h"

#include <QPrinter>

#include <string>

namespace tkm {

// A printer as the desktop's print dialog left it: the printer or the file,
// paper, duplex, colour mode, copies and collation.
struct TPrinterSetup {
    QPrinter Printer{QPrinter::HighResolution};
};

// A job on a QPrinter, with every choice it was set up with.
class TQPrinterTarget final : public TPagedPrintTarget {
public:
    // `printer` must outlive the target.
    explicit TQPrinterTarget(QPrinter& printer) : TPagedPrintTarget(printer), printer_(printer) {}

    void BeginDoc(const std::string& jobName) override;
    void EndDoc() override;
    void AbortDoc() override;

private:
    // The printer's name, or the file it prints into.
    std::string Destination() const;

    QPrinter& printer_;
};

}  // namespace tkm
