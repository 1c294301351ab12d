#pragma once

#include "grid/print/print_engine.h"
#include "tasks/cell_styling.h"

#include <string>
#include <unordered_map>

namespace tkm {

// The print engine as the task list prints: every cell coloured by the print
// colour rules, in colour or not as the user answered, and the headings,
// statuses and priorities in the user's language, as the window shows them.
class TTaskListPrint {
public:
    // Everything passed must outlive this object.
    TTaskListPrint(const TBaseGrid& grid, const TPrintSettings& settings, const TColorScheme& scheme,
                   const TLocaleFormats& formats, const Clock& clock, bool colorPrinting);
    TTaskListPrint(const TTaskListPrint&) = delete;
    TTaskListPrint& operator=(const TTaskListPrint&) = delete;

    TPrintEngine& Engine() { return engine_; }

private:
    std::string_view PrintedText(int realCol, int row, std::string_view stored);

    const TCellStyler styler_;
    const TBaseGrid& grid_;
    // By English word; the printed views point into it.
    std::unordered_map<const char*, std::string> translated_;
    TPrintEngine engine_;
};

}  // namespace tkm
