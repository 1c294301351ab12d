#include "platform/fake/fake_office_converter.h"

#include "base/errors.h"

#include <thread>

namespace tkm {

void FakeOfficeConverter::Convert(TOfficeFormat format, const TFlatDocumentWriter& writeDocument,
                                  const std::string& targetPath, std::stop_token stop) {
    ++Calls;
    Format = format;
    TargetPath = targetPath;
    Document.clear();
    writeDocument([this](std::string_view bytes) { Document += bytes; });
    while (RunUntilStopped && !stop.stop_requested()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
    if (stop.stop_requested()) throw EAbort();
    if (FailWith) throw EGridFileError(CannotCreateFileText(targetPath), targetPath, *FailWith);
}

}  // namespace tkm
