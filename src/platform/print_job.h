#pragma once

#include <climits>
#include <string>

namespace tkm {

// What the user chose in the print dialog before a job starts.
struct TPrintJob {
    std::string PrinterName;  // empty: the default printer
    int FirstPage = 1;
    int LastPage = INT_MAX;
    int Copies = 1;
};

}  // namespace tkm
