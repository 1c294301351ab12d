#pragma once

#include <climits>
#include <memory>
#include <string>

namespace tkm {

// The printer the desktop's print dialog set up, for the desktop's printing alone.
struct TPrinterSetup;

// What the user chose in the print dialog before a job starts.
struct TPrintJob {
    std::string PrinterName;  // empty: printed into a file
    int FirstPage = 1;
    int LastPage = INT_MAX;
    int Copies = 1;
    // Everything else chosen there: paper, duplex, colour mode, collation, the file.
    std::shared_ptr<TPrinterSetup> Setup;
};

}  // namespace tkm
