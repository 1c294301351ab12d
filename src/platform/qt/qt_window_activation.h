#pragma once

#include "platform/window_activation.h"

class QWidget;

namespace tkm {

// Window activation through Qt, and on X11 the startup notification's end
// and the launch's time stamp, which the window manager weighs against the
// user's last input before it hands over the focus.
class TQtWindowActivation final : public WindowActivation {
public:
    void Activate(const std::string& token) override;
    // The window it brings forward.
    void SetMainWindow(QWidget* window) { window_ = window; }

private:
    QWidget* window_ = nullptr;
};

}  // namespace tkm
