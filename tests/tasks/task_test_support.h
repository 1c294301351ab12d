#pragma once

#include "grid/base_grid.h"
#include "base/date_text.h"
#include "tasks/task_table.h"

#include <string>
#include <vector>

namespace tkm::testing {

inline const TDate PinnedToday{2026, 12, 8};

inline TLocaleFormats DayFirst() { return TLocaleFormats{}; }
inline TLocaleFormats YearFirst() {
    TLocaleFormats f;
    f.ShortDateFormat = "yyyy-mm-dd";
    return f;
}
inline std::vector<TLocaleFormats> BothLocales() { return {DayFirst(), YearFirst()}; }

inline std::string DaysFromToday(long long days, const TLocaleFormats& f) {
    return FormatDate(TDate::FromDayNumber(PinnedToday.DayNumber() + days), f.ShortDateFormat, f);
}

struct TEntry {
    std::string Description = "task";
    std::string Status = "Not Started";
    std::string Priority = "Normal";
    std::string DueDate;
    std::string Progress = "0";
};

// A task table holding the given entries in rows 1 on.
inline TBaseGrid TableOf(const std::vector<TEntry>& entries) {
    TBaseGrid grid;
    TaskTable::SetUpGrid(grid);
    grid.SetRowCount(int(entries.size()) + 1);
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const int r = int(i) + 1;
        grid.SetCellText(colDescription, r, entries[i].Description);
        grid.SetCellText(colStatus, r, entries[i].Status);
        grid.SetCellText(colPriority, r, entries[i].Priority);
        grid.SetCellText(colDueDate, r, entries[i].DueDate);
        grid.SetCellText(colProgress, r, entries[i].Progress);
    }
    return grid;
}

}  // namespace tkm::testing
