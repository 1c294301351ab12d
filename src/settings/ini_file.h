#pragma once

#include "settings/ini_document.h"

#include <string>

namespace tkm {

// An INI file on disk: read whole when opened, written back whole (and only
// when something changed) by Save, through a temporary file so a failed write
// never leaves half a file.
class TIniFile {
public:
    // A missing file reads as empty; EGridFileError or EInOutError when it cannot be read.
    explicit TIniFile(std::string fileName);
    TIniDocument& Document() { return document_; }
    const TIniDocument& Document() const { return document_; }
    const std::string& FileName() const { return fileName_; }
    // Creates the file's folder when it is missing. EGridFileError, EInOutError.
    void Save();

private:
    std::string fileName_;
    TIniDocument document_;
};

}  // namespace tkm
