#pragma once

#include "base/date_text.h"
#include "grid/grid_observer.h"

#include <functional>
#include <optional>
#include <string>

namespace tkm {

class Clock;
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

// Keeps the due-date line with the current entry: shows it afresh whenever
// the current row, or the Due Date in it, is another than at the last look
// (an edit, a sort, a move, a load), and an empty line for an entry without a
// due date. A hint shown meanwhile stays until then.
class TDueLineWatch final : public TGridObserver {
public:
    using TShowLine = std::function<void(const std::string& line)>;
    TDueLineWatch(TBaseGrid& grid, const Clock& clock, const TLocaleFormats& formats, TShowLine show);
    ~TDueLineWatch() override;
    TDueLineWatch(const TDueLineWatch&) = delete;
    TDueLineWatch& operator=(const TDueLineWatch&) = delete;

    void CellInvalidated(int realCol, int row) override;
    void RowInvalidated(int row) override;
    void GridInvalidated() override { Look(); }
    void CurrentCellChanged() override { Look(); }

private:
    void Look();

    TBaseGrid& grid_;
    const Clock& clock_;
    const TLocaleFormats& formats_;
    TShowLine show_;
    int row_ = -1;
    std::string due_;
};

}  // namespace tkm
