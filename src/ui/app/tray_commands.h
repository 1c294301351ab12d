#pragma once

#include "platform/shutdown.h"
#include "platform/tray_icon.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

class QMainWindow;

namespace tkm {

class PowerControl;
class TTaskGrid;
class WindowActivation;

// The window's life beside its notification-area icon: minimising into the
// tray, the icon's clicks, and the tray menu's power commands and Exit.
class TTrayCommands final {
public:
    struct TWindowParts {
        QMainWindow& Window;
        TTaskGrid& Grid;
        std::function<void()> Exit;
        // More tray menu items, after the power commands; asked for each
        // time the menu is made.
        std::function<std::vector<TTrayMenuItem>()> Options;
        // None: Qt's own request for the focus.
        WindowActivation* Activation = nullptr;
    };

    // Either service may be missing: without a tray the window minimises as
    // any other, without a power manager the power commands do nothing.
    TTrayCommands(TrayIcon* tray, PowerControl* power, TWindowParts window);
    ~TTrayCommands();
    TTrayCommands(const TTrayCommands&) = delete;
    TTrayCommands& operator=(const TTrayCommands&) = delete;

    bool WindowShown() const { return windowShown_; }
    // The window was just minimised: it goes into the tray when the desktop
    // shows the icon, and stays a minimised window otherwise.
    void WindowMinimised();
    // Shows the window again from the tray or from minimised, on top, with
    // the desktop's activation token when there is one.
    void ShowWindow(const std::string& activationToken = {});
    // Makes the tray menu afresh, with the options as they are now.
    void UpdateMenu();

    void ticnMainClick();
    void ticnMainDblClick();
    void RunPowerAction(TShutdownActionType action);

private:
    std::vector<TTrayMenuItem> pmTray();
    void HideWindow();
    void AvailabilityChanged(bool available);
    void ShutdownPending();

    TrayIcon* tray_;
    PowerControl* power_;
    TWindowParts window_;
    std::optional<TShutdown> asdMain_;
    bool windowShown_ = true;
};

}  // namespace tkm
