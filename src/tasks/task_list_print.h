#pragma once

#include "grid/print/print_engine.h"
#include "tasks/cell_styling.h"

namespace tkm {

// The print engine as the task list prints: every cell coloured by the print
// colour rules, in colour or not as the user answered.
class TTaskListPrint {
public:
    // Everything passed must outlive this object.
    TTaskListPrint(const TBaseGrid& grid, const TPrintSettings& settings, const TColorScheme& scheme,
                   const TLocaleFormats& formats, const Clock& clock, bool colorPrinting);
    TTaskListPrint(const TTaskListPrint&) = delete;
    TTaskListPrint& operator=(const TTaskListPrint&) = delete;

    TPrintEngine& Engine() { return engine_; }

private:
    const TCellStyler styler_;
    TPrintEngine engine_;
};

}  // namespace tkm
