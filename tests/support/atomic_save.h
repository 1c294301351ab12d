#pragma once

#include "base/atomic_file.h"

#include <string>
#include <string_view>

namespace tkm::test {

// A whole save through the safe writer, as the document writer makes one.
inline void Save(const std::string& path, std::string_view bytes) {
    TAtomicFile file(path);
    file.Write(bytes);
    file.Commit();
}

}  // namespace tkm::test
