#pragma once

#include <string>

namespace tkm {

// Hands the keyboard to the program's window on the desktop's terms.
class WindowActivation {
public:
    virtual ~WindowActivation() = default;
    // token: the XDG activation token (Wayland) or the startup id (X11) that
    // the launcher gave the start that asked; empty when there is none.
    virtual void Activate(const std::string& token) = 0;
};

}  // namespace tkm
