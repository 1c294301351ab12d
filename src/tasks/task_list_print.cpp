#include "tasks/task_list_print.h"

#include "platform/clock.h"

namespace tkm {

TTaskListPrint::TTaskListPrint(const TBaseGrid& grid, const TPrintSettings& settings, const TColorScheme& scheme,
                               const TLocaleFormats& formats, const Clock& clock, bool colorPrinting)
    : styler_(grid, {.Today = clock.Today(), .Formats = formats, .ColorPrinting = colorPrinting}),
      engine_(grid, settings, scheme, formats, clock) {
    engine_.SetOnGetCellPrintColor([this](int, int row, TCellStyle& style) { styler_.ApplyPrintRules(row, style); });
}

}  // namespace tkm
