#pragma once

#include "grid/io/csv_writer.h"
#include "grid/io/office_format.h"

#include <functional>
#include <stop_token>
#include <string>

namespace tkm {

// Writes the flat OpenDocument file the office server converts.
using TFlatDocumentWriter = std::function<void(const TByteSink& sink)>;

// The office suite that writes Word, Excel and OpenDocument files.
class OfficeConverter {
public:
    virtual ~OfficeConverter() = default;

    // Has the server write `targetPath` in `format` from the flat document
    // (.fodt for the word processor, .fods for the spreadsheet) that
    // `writeDocument` produces. The target is replaced only by a whole file.
    // EGridError "Word OLE server not found" or "Excel OLE server not found"
    // when there is no server, before anything is written; EGridFileError
    // "Cannot Create file NAME" with the reason on any other failure; EAbort,
    // with nothing written and nothing left running, once `stop` is requested.
    virtual void Convert(TOfficeFormat format, const TFlatDocumentWriter& writeDocument,
                         const std::string& targetPath, std::stop_token stop) = 0;
};

}  // namespace tkm
