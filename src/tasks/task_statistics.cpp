#include "tasks/task_statistics.h"

#include "grid/base_grid.h"
#include "tasks/color_rules.h"
#include "tasks/task_table.h"
#include "tasks/task_vocabulary.h"

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
