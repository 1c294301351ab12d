#pragma once

#include <string>

namespace tkm {

// A per-user folder of the XDG base directories: $VARIABLE when it is an
// absolute path, else ~/FALLBACK ("/tmp/FALLBACK" without a home).
std::string UserFolder(const char* variable, const char* fallback);

// Creates the folder and every missing folder above it, the new ones with
// `mode`; 0 or the errno value of the failure.
int MakeFolders(const std::string& path, unsigned mode);

}  // namespace tkm
