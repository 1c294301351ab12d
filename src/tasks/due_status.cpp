#include "tasks/due_status.h"

#include "base/translatable.h"
#include "grid/base_grid.h"
#include "platform/clock.h"
#include "tasks/task_table.h"

#include <cstdlib>

namespace tkm {

namespace {

constexpr int FullProgress = 100;

void CoupleProgressAndStatus(TBaseGrid& grid, int row) {
    // An empty Progress is not a number here, unlike GetCellInteger's reading.
    if (grid.CellView(colProgress, row).empty()) return;
    grid.SetCellInteger(colProgress, row, grid.GetCellInteger(colProgress, row));
    if (grid.CellView(colStatus, row) == "Completed") grid.SetCellInteger(colProgress, row, FullProgress);
    if (grid.GetCellInteger(colProgress, row) == FullProgress) grid.SetCellText(colStatus, row, "Completed");
}

}  // namespace

std::string DueStatusText(const TDate& due, const TDate& today) {
    const long long days = std::llabs(today.DayNumber() - due.DayNumber()) + 1;
    if (today > due) return FillText(TKM_TR("Due", "Days from Due: Overdue by %1 days"), {std::to_string(days - 1)});
    if (today == due) return FillText(TKM_TR("Due", "Days from Due: %1 day (Due today)"), {std::to_string(days)});
    return FillText(TKM_TR("Due", "Days from Due: %1 days"), {std::to_string(days)});
}

std::optional<std::string> UpdateDueStatus(TBaseGrid& grid, int row, const TDate& today,
                                           const TLocaleFormats& formats) {
    std::optional<std::string> line;
    try {
        line = DueStatusText(grid.GetCellDate(colDueDate, row, formats), today);
        CoupleProgressAndStatus(grid, row);
    } catch (const EConvertError&) {
    } catch (const EGridError&) {
    }
    return line;
}

std::optional<std::string> EditStartStatus(bool editTracking, TBaseGrid& grid, int row, const TDate& today,
                                           const TLocaleFormats& formats) {
    if (!editTracking) return std::nullopt;
    return UpdateDueStatus(grid, row, today, formats);
}

TDueLineWatch::TDueLineWatch(TBaseGrid& grid, const Clock& clock, const TLocaleFormats& formats, TShowLine show)
    : grid_(grid), clock_(clock), formats_(formats), show_(std::move(show)) {
    grid_.AddObserver(*this);
}

TDueLineWatch::~TDueLineWatch() { grid_.RemoveObserver(*this); }

void TDueLineWatch::CellInvalidated(int realCol, int row) {
    if (realCol == colDueDate && row == grid_.Row()) Look();
}

void TDueLineWatch::RowInvalidated(int row) {
    if (row == grid_.Row()) Look();
}

void TDueLineWatch::Look() {
    const int row = grid_.Row();
    if (row < grid_.FixedRows() || row >= grid_.RowCount()) return;
    const std::string_view due = grid_.CellView(colDueDate, row);
    if (row == row_ && due == due_) return;
    row_ = row;
    due_ = due;
    const std::optional<TDate> date = ParseDate(due_, formats_);
    show_(date ? DueStatusText(*date, clock_.Today()) : std::string());
}

}  // namespace tkm
