#pragma once

#include "grid/print/print_canvas.h"
#include "platform/print_job.h"

#include <string>

namespace tkm {

class TPrintEngine;

// The desktop's printers. Printer failures, such as a job that cannot start,
// reach the caller as exceptions.
class Printer {
public:
    virtual ~Printer() = default;
    virtual bool Installed() const = 0;
    // The sheet a job would start on in that orientation: the default
    // printer's, or the PDF file's when no printer is installed.
    virtual TPrintSheet NextSheet(TPrintOrientation orientation) const = 0;
    // One job on the printer the print dialog chose, as it set it up.
    virtual void Print(const TPrintEngine& engine, const TPrintJob& job) = 0;
    // The same job into a PDF file, replaced only when every page is written.
    virtual void PrintToFile(const TPrintEngine& engine, const std::string& fileName) = 0;
};

}  // namespace tkm
