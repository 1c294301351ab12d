#pragma once

#include "platform/printer.h"

namespace tkm {

// CUPS printers through QPrinter, and PDF files.
class QtPrinter final : public Printer {
public:
    bool Installed() const override;
    TPrintSheet NextSheet(TPrintOrientation orientation) const override;
    void Print(const TPrintEngine& engine, const TPrintJob& job) override;
    void PrintToFile(const TPrintEngine& engine, const std::string& fileName) override;
};

}  // namespace tkm
