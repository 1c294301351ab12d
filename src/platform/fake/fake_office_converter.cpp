#include "platform/fake/fake_office_converter.h"

#include "base/errors.h"

namespace tkm {

void FakeOfficeConverter::Convert(TOfficeFormat format, const TFlatDocumentWriter& writeDocument,
                                  const std::string& targetPath) {
    ++Calls;
    Format = format;
    TargetPath = targetPath;
    Document.clear();
    writeDocument([this](std::string_view bytes) { Document += bytes; });
    if (FailWith) throw EGridFileError("Cannot Create file " + targetPath, targetPath, *FailWith);
}

}  // namespace tkm
