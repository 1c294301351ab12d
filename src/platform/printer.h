#pragma once

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
    // One job on the chosen printer, with its page size and printable area.
    virtual void Print(const TPrintEngine& engine, const TPrintJob& job) = 0;
    // The same job into a PDF file, replaced only when every page is written.
    virtual void PrintToFile(const TPrintEngine& engine, const std::string& fileName) = 0;
};

}  // namespace tkm
