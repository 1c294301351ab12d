#pragma once

#include <functional>
#include <string>
#include <vector>

namespace tkm {

// One item of the tray icon's menu: a command, a sub-menu (Items not empty)
// or a separator (no caption). A checkable item turns its mark over before Run.
struct TTrayMenuItem {
    std::string Name;
    std::string Caption;  // "&" marks the accelerator
    std::function<void()> Run;
    std::vector<TTrayMenuItem> Items;
    bool Checkable = false;
    bool Checked = false;
};

// The icon in the desktop's notification area.
class TrayIcon {
public:
    virtual ~TrayIcon() = default;
    // Whether the desktop shows notification-area icons right now.
    virtual bool Available() const = 0;
    // Adds the icon with its hint and its right-button menu.
    virtual void Show(const std::string& hint, std::vector<TTrayMenuItem> menu) = 0;
    // Removes the icon.
    virtual void Hide() = 0;
    // A desktop notification from the icon.
    virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
    // The icon stands in for the main window's taskbar button, or not.
    virtual void SetTaskbarButtonHidden(bool hidden) = 0;

    std::function<void()> OnClick;
    std::function<void()> OnDoubleClick;
    std::function<void()> OnMessageClicked;
    // The desktop's notification area came or went.
    std::function<void(bool available)> OnAvailabilityChanged;
};

}  // namespace tkm
