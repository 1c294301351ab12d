#include "tasks/task_statistics.h"

#include "grid/base_grid.h"
#include "grid/sort_compare.h"
#include "tasks/color_rules.h"
#include "tasks/task_table.h"
#include "tasks/task_vocabulary.h"

#include <cmath>

namespace tkm {

namespace {

enum TStatisticsLine : std::size_t {
    lnValid,
    lnDueToday,
    lnOverdue,
    lnFirstPriority,
    lnFirstStatus = lnFirstPriority + 5,
};

}  // namespace

TTotals SumTotals(const TBaseGrid& grid, const TLocaleFormats& formats) {
    TTotals totals;
    if (grid.RealColCount() < TaskColumnCount) return totals;
    for (int r = 1; r < grid.RowCount(); ++r) {
        if (grid.CellView(colDescription, r).empty()) continue;
        const double hours = ReadSortNumber(grid.CellView(colTotalHours, r), formats).value_or(0);
        const double cost = ReadSortNumber(grid.CellView(colCost, r), formats).value_or(0);
        totals.Hours += hours;
        totals.Cost += cost;
        if (IsInWork(StatusOf(grid.CellView(colStatus, r)))) {
            totals.HoursInWork += hours;
            totals.CostInWork += cost;
        }
    }
    return totals;
}

std::string FormatAmount(double value, const TLocaleFormats& formats) {
    // In whole hundredths, so that the rounding is that of the printed digits.
    const long long hundredths = std::llround(std::abs(value) * 100);
    std::string whole = std::to_string(hundredths / 100);
    for (int at = int(whole.size()) - 3; at > 0; at -= 3) whole.insert(std::size_t(at), 1, formats.ThousandSeparator);
    const long long cents = hundredths % 100;
    const std::string sign = hundredths > 0 && value < 0 ? "-" : "";
    return sign + whole + formats.DecimalSeparator + char('0' + cents / 10) + char('0' + cents % 10);
}

TStatistics CountStatistics(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats) {
    TStatistics stats;
    for (std::size_t i = 0; i < stats.size(); ++i) stats[i].Label = Statistics::Labels[i];
    if (grid.RealColCount() < TaskColumnCount) return stats;
    for (int r = 1; r < grid.RowCount(); ++r) {
        if (grid.CellView(colDescription, r).empty()) continue;
        const TStatus status = StatusOf(grid.CellView(colStatus, r));
        const TPriority priority = PriorityOf(grid.CellView(colPriority, r));
        if (IsInWork(status) && priority != TPriority::Other) ++stats[lnFirstPriority + std::size_t(priority)].Count;
        if (status != TStatus::Other) ++stats[lnFirstStatus + std::size_t(status)].Count;
        if (IsActive(status)) {
            const TDueState due = DueStateOf(ParseDate(grid.CellView(colDueDate, r), formats), today);
            if (due == TDueState::Overdue) ++stats[lnOverdue].Count;
            if (due == TDueState::Today) ++stats[lnDueToday].Count;
        }
        ++stats[lnValid].Count;
    }
    return stats;
}

}  // namespace tkm
