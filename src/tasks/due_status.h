#pragma once

#include "base/date_text.h"

#include <optional>
#include <string>

namespace tkm {

class TBaseGrid;

// The status-bar line for a due date: "Days from Due: Overdue by k days",
// "Days from Due: 1 day (Due today)", or "Days from Due: k+1 days" when due
// in k days (the count includes today).
std::string DueStatusText(const TDate& due, const TDate& today);

// UpdateDueStatus for one entry row: returns the row's due-date line for
// status bar panel 2, then ties Progress and Status together (a completed
// entry is at 100, an entry at 100 is "Completed"). Returns nothing, and
// couples nothing, when the due date is not a date; a Progress that is not a
// whole number stops the coupling but keeps the line. Never throws for grid
// or date errors.
std::optional<std::string> UpdateDueStatus(TBaseGrid& grid, int row, const TDate& today,
                                           const TLocaleFormats& formats);

// stgMainGetEditText: UpdateDueStatus while edit tracking is on.
std::optional<std::string> EditStartStatus(bool editTracking, TBaseGrid& grid, int row, const TDate& today,
                                           const TLocaleFormats& formats);

}  // namespace tkm
