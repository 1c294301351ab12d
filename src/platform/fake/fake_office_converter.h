#pragma once

#include "platform/office_converter.h"

#include <optional>
#include <string>

namespace tkm {

// Keeps what it was asked to convert instead of starting an office suite.
class FakeOfficeConverter final : public OfficeConverter {
public:
    void Convert(TOfficeFormat format, const TFlatDocumentWriter& writeDocument,
                 const std::string& targetPath) override;

    // Set: the next conversions fail with this reason, as the server would.
    std::optional<std::string> FailWith;

    int Calls = 0;
    std::optional<TOfficeFormat> Format;
    std::string TargetPath;
    std::string Document;  // the flat document of the last call
};

}  // namespace tkm
