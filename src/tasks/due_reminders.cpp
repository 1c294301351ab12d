#include "tasks/due_reminders.h"

#include "base/translatable.h"
#include "grid/base_grid.h"
#include "tasks/task_table.h"

#include <unordered_map>

namespace tkm {

namespace {

std::string Days(long long count) {
    return count == 1 ? TKM_TR("Reminders", "1 day")
                      : FillText(TKM_TR("Reminders", "%1 days"), {std::to_string(count)});
}

}  // namespace

std::optional<TDueReminder> TDueReminders::Check(const TBaseGrid& grid, const TDate& today,
                                                 const TLocaleFormats& formats) {
    if (!enabled_) return std::nullopt;
    const long long todayNumber = today.DayNumber();
    if (todayNumber != day_) {
        day_ = todayNumber;
        reminded_.clear();
    }
    // A list holds few distinct due dates: each is read once a pass.
    std::unordered_map<std::string_view, std::optional<TDate>> dates;
    std::optional<TDueReminder> first;
    int dueToday = 0, overdue = 0;
    for (int row = 1; row < grid.RowCount(); ++row) {
        const std::string_view dueText = grid.CellView(colDueDate, row);
        if (dueText.empty()) continue;
        const std::string_view status = grid.CellView(colStatus, row);
        if (status == "Completed" || status == "Cancelled") continue;
        auto [known, added] = dates.try_emplace(dueText);
        if (added) known->second = ParseDate(dueText, formats);
        const std::optional<TDate>& due = known->second;
        if (!due) continue;
        const long long late = todayNumber - due->DayNumber();
        if (late < 0) continue;
        const std::string_view description = grid.CellView(colDescription, row);
        // A new entry is due today before it says what it is.
        if (description.empty()) continue;
        std::string key(description);
        key.push_back('\n');
        key.append(dueText);
        if (!reminded_.insert(std::move(key)).second) continue;
        (late == 0 ? dueToday : overdue) += 1;
        if (!first)
            first = TDueReminder{
                late == 0 ? FillText(TKM_TR("Reminders", "Due today: %1"), {description})
                          : FillText(TKM_TR("Reminders", "Overdue by %1: %2"), {Days(late), description}),
                row};
    }
    const int count = dueToday + overdue;
    if (count > 1)
        first->Text = FillText(overdue == 0    ? TKM_TR("Reminders", "%1 entries are due today")
                               : dueToday == 0 ? TKM_TR("Reminders", "%1 entries are overdue")
                                               : TKM_TR("Reminders", "%1 entries are due today or overdue"),
                               {std::to_string(count)});
    return first;
}

void TDueReminders::LoadFrom(const TIniDocument& ini, const std::string& section) {
    enabled_ = ini.ReadInteger(section, "Enabled", 1) != 0;
}

void TDueReminders::StoreTo(TIniDocument& ini, const std::string& section) const {
    ini.WriteInteger(section, "Enabled", enabled_ ? 1 : 0);
}

}  // namespace tkm
