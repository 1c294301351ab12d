#pragma once

#include "base/date_text.h"
#include "settings/ini_storable.h"

#include <optional>
#include <string>
#include <unordered_set>

namespace tkm {

class TBaseGrid;

// One desktop notification: its text and the entry a click on it leads to.
struct TDueReminder {
    std::string Text;
    int Row = 1;
};

// Reminds of described entries that are due today or overdue and neither
// completed nor cancelled, once per entry and day. An entry is its
// description and due date.
class TDueReminders final : public TIniStorable {
public:
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled) { enabled_ = enabled; }

    // The entries to remind of now, as one notification: "Due today: Write
    // report", "Overdue by 3 days: Call Bob", or "5 entries are overdue" for
    // several. Nothing when switched off or when all were reminded of today.
    std::optional<TDueReminder> Check(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats);

    // The switch, as "Enabled" in its section.
    void LoadFrom(const TIniDocument& ini, const std::string& section) override;
    void StoreTo(TIniDocument& ini, const std::string& section) const override;

private:
    bool enabled_ = true;
    long long day_ = 0;
    std::unordered_set<std::string> reminded_;
};

}  // namespace tkm
