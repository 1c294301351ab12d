#pragma once

#include "platform/office_converter.h"

#include <chrono>

namespace tkm {

// LibreOffice as the office server: `soffice --headless --convert-to` on the
// flat document, in a profile of its own in a temporary folder, so that a
// LibreOffice the user has open neither blocks the job nor receives it.
class TLibreOfficeConverter final : public OfficeConverter {
public:
    static constexpr std::chrono::milliseconds DefaultTimeLimit{120000};

    // `timeLimit` is for a small document; larger ones get more time in proportion.
    explicit TLibreOfficeConverter(std::chrono::milliseconds timeLimit = DefaultTimeLimit) : timeLimit_(timeLimit) {}

    void Convert(TOfficeFormat format, const TFlatDocumentWriter& writeDocument,
                 const std::string& targetPath, std::stop_token stop) override;

private:
    std::chrono::milliseconds timeLimit_;
};

}  // namespace tkm
