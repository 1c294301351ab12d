#pragma once

#include "platform/office_converter.h"

#include <atomic>
#include <optional>
#include <string>

namespace tkm {

// Keeps what it was asked to convert instead of starting an office suite.
class FakeOfficeConverter final : public OfficeConverter {
public:
    void Convert(TOfficeFormat format, const TFlatDocumentWriter& writeDocument,
                 const std::string& targetPath, std::stop_token stop) override;

    // Set: the next conversions fail with this reason, as the server would.
    std::optional<std::string> FailWith;
    // Set: a conversion runs until it is stopped, as a long one would.
    bool RunUntilStopped = false;

    std::atomic<int> Calls = 0;
    std::optional<TOfficeFormat> Format;
    std::string TargetPath;
    std::string Document;  // the flat document of the last call
};

}  // namespace tkm
