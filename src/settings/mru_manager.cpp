#include "settings/mru_manager.h"

#include <algorithm>

namespace tkm {

namespace {

constexpr int StartAccel = 1;

std::string AccelPrefix(int n) {
    std::string prefix = "&";
    if (n >= 1 && n <= 9) prefix += char('0' + n);
    else if (n >= 10 && n <= 35) prefix += char('A' + (n - 10));
    else prefix = " ";
    return prefix;
}

}  // namespace

TMRUManager::TMRUManager(int capacity) : capacity_(std::max(capacity, 1)) {}

void TMRUManager::Changed() const {
    if (updating_ && OnChange) OnChange();
}

void TMRUManager::SetCapacity(int capacity) {
    capacity_ = std::max(capacity, 1);
    if (int(entries_.size()) <= capacity_) return;
    entries_.resize(std::size_t(capacity_));
    Changed();
}

std::vector<TRecentEntry>::iterator TMRUManager::Find(const std::string& name) {
    // Exactly: on Linux "Work.tkm" and "work.tkm" are two files.
    return std::find_if(entries_.begin(), entries_.end(), [&](const TRecentEntry& e) { return e.Name == name; });
}

void TMRUManager::Add(const std::string& name, int userData) {
    if (const auto it = Find(name); it != entries_.end()) {
        std::rotate(entries_.begin(), it, it + 1);
    } else {
        entries_.insert(entries_.begin(), {name, userData});
        if (int(entries_.size()) > capacity_) entries_.resize(std::size_t(capacity_));
    }
    Changed();
}

void TMRUManager::Remove(const std::string& name) {
    const auto it = Find(name);
    if (it == entries_.end()) return;
    entries_.erase(it);
    Changed();
}

std::vector<TRecentMenuItem> TMRUManager::MenuItems() const {
    std::vector<TRecentMenuItem> items;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        const std::string& name = entries_[i].Name;
        const auto bar = name.find('|');
        TRecentMenuItem item;
        item.Caption = AccelPrefix(int(i) + StartAccel);
        item.Caption.append("\t").append(name, 0, bar);
        item.Hint = bar == std::string::npos ? name : name.substr(bar + 1);
        item.Tag = int(i);
        items.push_back(std::move(item));
    }
    return items;
}

void TMRUManager::Click(int tag) const {
    if (tag < 0 || tag >= int(entries_.size()) || !OnClick) return;
    const TRecentEntry entry = entries_[std::size_t(tag)];  // the handler may change the list
    OnClick(entry.Name, MenuItems()[std::size_t(tag)].Caption, entry.UserData);
}

void TMRUManager::LoadFrom(const TIniDocument& ini, const std::string& section) {
    updating_ = false;
    entries_.clear();
    // Highest index first, each added on top: the stored order comes back.
    for (int i = capacity_ - 1; i >= 0; --i) {
        const std::string name = ini.ReadString(section, "Item_" + std::to_string(i), "");
        if (!name.empty()) Add(name, ini.ReadInteger(section, "User_" + std::to_string(i), 0));
    }
    updating_ = true;
    Changed();
}

void TMRUManager::StoreTo(TIniDocument& ini, const std::string& section) const {
    ini.EraseSection(section);
    int index = 0;
    for (const TRecentEntry& entry : entries_) {
        // A name with a line break cannot be kept in an INI line.
        if (entry.Name.find_first_of("\r\n") != std::string::npos) continue;
        const std::string suffix = std::to_string(index++);
        ini.WriteString(section, "Item_" + suffix, entry.Name);
        if (entry.UserData != 0) ini.WriteInteger(section, "User_" + suffix, entry.UserData);
        else ini.DeleteKey(section, "User_" + suffix);
    }
}

}  // namespace tkm
