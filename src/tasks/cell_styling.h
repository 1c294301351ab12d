#pragma once

#include "base/date_text.h"
#include "grid/cell_style.h"
#include "grid/io/html_settings.h"
#include "tasks/color_rules.h"

namespace tkm {

class TBaseGrid;

// What colours a task table besides its cells.
struct TStylingInputs {
    TDate Today;
    const TLocaleFormats& Formats;
    // The window's colour-printing switch; only printed cells read it.
    bool ColorPrinting = true;
    // The screen colours for a dark desktop: the rules' colours become their
    // dark twins. Paper and exports keep the light ones.
    bool DarkWindow = false;
};

// How each cell of the task table looks on screen and on paper: the grid's
// prepared brush and font, then the colour rules of the cell's row. Colours
// may name system roles; a TColorScheme turns them into RGB. One styler serves
// one paint, print or export pass: it keeps the last row's facts, so the grid
// must not change while it is in use.
class TCellStyler {
public:
    TCellStyler(const TBaseGrid& grid, const TStylingInputs& inputs);

    // Button face for fixed cells and window colour for the others, in window
    // text; the header cell of the current column takes the bold active-cell
    // font; then the screen rules, in their dark twins on a dark window. The
    // current cell's highlight is the view's.
    TCellStyle ScreenStyle(int displayCol, int row) const;
    // Every printed cell of a row looks alike: the style the print engine
    // prepared from the table font, the header row too, changed by the same
    // rules only with colour printing on.
    void ApplyPrintRules(int row, TCellStyle& prepared) const;

private:
    void ApplyRules(int row, TCellStyle& style) const;

    const TBaseGrid& grid_;
    TDate today_;
    const TLocaleFormats& formats_;
    bool colorPrinting_;
    bool darkWindow_;
    mutable int factsRow_ = -1;
    mutable TRowFacts facts_;
};

// The export's colour routine: each cell in its screen colours and font
// styles. Holds a styler, so the same care applies.
THtmlCellColors ScreenColorsForExport(const TBaseGrid& grid, const TStylingInputs& inputs);

}  // namespace tkm
