#include "base/errors.h"

#include "base/translatable.h"

#include <cstring>

namespace tkm {

std::string ErrnoText(int error) {
    char buffer[256];
    // The GNU strerror_r returns the text, which may or may not be in buffer.
    return strerror_r(error, buffer, sizeof buffer);
}

std::string WithReason(const std::string& message, const std::string& reason) {
    return FillText(TKM_TR("Files", "%1: %2"), {message, reason});
}

std::string CannotOpenFileText(const std::string& fileName) {
    return FillText(TKM_TR("Files", "Cannot open file %1"), {fileName});
}

std::string CannotCreateFileText(const std::string& fileName) {
    return FillText(TKM_TR("Files", "Cannot Create file %1"), {fileName});
}

std::string FileActionText(TFileAction action, const std::string& fileName) {
    switch (action) {
    case TFileAction::Read: return FillText(TKM_TR("Files", "Cannot read file %1"), {fileName});
    case TFileAction::Write: return FillText(TKM_TR("Files", "Cannot write file %1"), {fileName});
    case TFileAction::Replace: return FillText(TKM_TR("Files", "Cannot replace file %1"), {fileName});
    case TFileAction::Create: break;
    }
    return CannotCreateFileText(fileName);
}

}  // namespace tkm
