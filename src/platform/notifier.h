#pragma once

#include <functional>
#include <string>

namespace tkm {

// The desktop's notifications, shown whether or not it has a tray.
class Notifier {
public:
    virtual ~Notifier() = default;
    // Shows a notification with the program's icon, in place of the one shown
    // before. When the desktop has no notification service, OnUnavailable is
    // told instead (maybe later, from the event loop).
    virtual void Notify(const std::string& title, const std::string& text) = 0;

    // The user chose the notification. The token lets the window come
    // forward on Wayland; it is empty where the desktop hands none over.
    std::function<void(const std::string& activationToken)> OnActivated;
    std::function<void(const std::string& title, const std::string& text)> OnUnavailable;
};

}  // namespace tkm
