#pragma once

#include "grid/io/file_progress.h"

namespace tkm {

// The grid settings that shape its delimited-text files. The defaults are the task grid's.
struct TCsvSettings {
    // 0: the writer uses the comma and the reader detects the separator from the file.
    char FieldSeparator = 0;
    // Fixed rows and columns are written and read.
    bool WriteFixedCells = true;
    // Hidden columns are written too.
    bool WriteHiddenColumns = false;
    // An empty cell is written as "" rather than as nothing.
    bool QuoteEmptyFields = true;
    TFileProgressHandler OnFileProgress;
};

}  // namespace tkm
