#include "tasks/task_list_print.h"

#include "platform/clock.h"
#include "tasks/task_table.h"

namespace tkm {

TTaskListPrint::TTaskListPrint(const TBaseGrid& grid, const TPrintSettings& settings, const TColorScheme& scheme,
                               const TLocaleFormats& formats, const Clock& clock, bool colorPrinting)
    : styler_(grid, {.Today = clock.Today(), .Formats = formats, .ColorPrinting = colorPrinting}),
      grid_(grid), engine_(grid, settings, scheme, formats, clock) {
    engine_.SetOnGetCellPrintColor([this](int, int row, TCellStyle& style) { styler_.ApplyPrintRules(row, style); });
    engine_.SetOnGetCellPrintText(
        [this](int realCol, int row, std::string_view stored) { return PrintedText(realCol, row, stored); });
}

std::string_view TTaskListPrint::PrintedText(int realCol, int row, std::string_view stored) {
    const TaskTable::TTableWord word = TaskTable::TableWord(realCol, row < grid_.FixedRows(), stored);
    if (!word) return stored;
    auto [at, added] = translated_.try_emplace(word.Text);
    if (added) at->second = TKM_TR(word.Context, word.Text);
    return at->second;
}

}  // namespace tkm
