#pragma once

#include "platform/tray_icon.h"

#include <string_view>

namespace tkm {

// A notification area the test clicks on; Present says whether the desktop has one.
class FakeTrayIcon final : public TrayIcon {
public:
    bool Present = true;
    bool Shown = false;
    std::string Hint;
    std::vector<TTrayMenuItem> Menu;
    std::vector<std::string> Messages;  // "title: text"
    bool TaskbarButtonHidden = false;

    bool Available() const override { return Present; }
    void Show(const std::string& hint, std::vector<TTrayMenuItem> menu) override;
    void Hide() override { Shown = false; }
    void ShowMessage(const std::string& title, const std::string& text) override {
        Messages.push_back(title + ": " + text);
    }
    void SetTaskbarButtonHidden(bool hidden) override { TaskbarButtonHidden = hidden; }

    void Click() const;
    void DoubleClick() const;
    void SetPresent(bool present);
    // Runs the menu command of that name, looking into the sub-menus; false when there is none.
    bool Choose(std::string_view name);
    void ClickMessage() const {
        if (OnMessageClicked) OnMessageClicked();
    }
};

}  // namespace tkm
