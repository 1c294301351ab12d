#pragma once

#include "settings/ini_storable.h"

#include <functional>
#include <string>
#include <vector>

namespace tkm {

struct TRecentEntry {
    std::string Name;
    int UserData = 0;
};

// What the Reopen menu shows for one entry; Tag is the entry's index.
struct TRecentMenuItem {
    std::string Caption;  // accelerator prefix, a tab, the name up to its first "|"
    std::string Hint;     // the name after its first "|", or the whole name
    int Tag = 0;
};

// The reopen list: the most recent name on top, each name once (compared
// exactly), at most Capacity names, stored as Item_0.. in its INI section.
class TMRUManager : public TIniStorable {
public:
    static constexpr int DefaultCapacity = 10;
    using TClickHandler = std::function<void(const std::string& recentName, const std::string& caption, int userData)>;

    explicit TMRUManager(int capacity = DefaultCapacity);

    int Capacity() const { return capacity_; }
    void SetCapacity(int capacity);
    const std::vector<TRecentEntry>& Entries() const { return entries_; }

    // A name already there moves to the top; a new one goes on top and the
    // oldest beyond Capacity drop off the bottom.
    void Add(const std::string& name, int userData = 0);
    void Remove(const std::string& name);

    std::vector<TRecentMenuItem> MenuItems() const;
    // The Reopen item is enabled exactly when it has entries.
    bool MenuEnabled() const { return !entries_.empty(); }
    // A menu item was chosen: OnClick hears its entry; the list is unchanged.
    void Click(int tag) const;

    // Every change of the list; the menu is rebuilt from MenuItems.
    std::function<void()> OnChange;
    TClickHandler OnClick;

    void LoadFrom(const TIniDocument& ini, const std::string& section) override;
    void StoreTo(TIniDocument& ini, const std::string& section) const override;

private:
    std::vector<TRecentEntry>::iterator Find(const std::string& name);
    void Changed() const;

    int capacity_;
    std::vector<TRecentEntry> entries_;
    bool updating_ = true;
};

}  // namespace tkm
