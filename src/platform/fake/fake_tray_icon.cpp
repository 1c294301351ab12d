#include "platform/fake/fake_tray_icon.h"

namespace tkm {

namespace {

TTrayMenuItem* FindItem(std::vector<TTrayMenuItem>& items, std::string_view name) {
    for (TTrayMenuItem& item : items) {
        if (item.Name == name) return &item;
        if (TTrayMenuItem* inner = FindItem(item.Items, name)) return inner;
    }
    return nullptr;
}

}  // namespace

void FakeTrayIcon::Show(const std::string& hint, std::vector<TTrayMenuItem> menu) {
    Shown = true;
    Hint = hint;
    Menu = std::move(menu);
}

void FakeTrayIcon::Click() const {
    if (Shown && OnClick) OnClick();
}

void FakeTrayIcon::DoubleClick() const {
    if (Shown && OnDoubleClick) OnDoubleClick();
}

void FakeTrayIcon::SetPresent(bool present) {
    Present = present;
    if (OnAvailabilityChanged) OnAvailabilityChanged(present);
}

bool FakeTrayIcon::Choose(std::string_view name) {
    TTrayMenuItem* item = FindItem(Menu, name);
    if (!item || !item->Run) return false;
    if (item->Checkable) item->Checked = !item->Checked;
    item->Run();
    return true;
}

}  // namespace tkm
