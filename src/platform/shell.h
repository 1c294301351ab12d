#pragma once

#include <string>

namespace tkm {

// Opens a file or address with the desktop's default action.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void Open(const std::string& fileOrUrl) = 0;
};

}  // namespace tkm
