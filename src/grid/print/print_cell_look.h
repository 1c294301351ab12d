#pragma once

#include "grid/cell_style.h"
#include "grid/color_scheme.h"
#include "grid/print/print_canvas.h"
#include "grid/print/print_settings.h"

#include <functional>

namespace tkm {

// The grid's print colour event: called for every printed or measured cell
// with its real column and row; it may change the brush, the font colour and
// the font styles.
using TPrintColorEvent = std::function<void(int realCol, int row, TCellStyle& style)>;

// A font's printed height: its point size in tenths of a millimetre, truncated.
int PrintHeight(int pointSize, double zoom);
TCanvasFont CanvasFont(const TPrintFont& font, const TColorScheme& scheme, double zoom);

struct TPrintedCellLook {
    TColor Brush = clWhite;  // RGB
    TCanvasFont Font;
};

// How a printed cell looks: the table font on the grid's window colour (the
// store keeps no colours of its own per cell), then the print colour event.
class TPrintCellLooks {
public:
    TPrintCellLooks(const TPrintSettings& settings, const TColorScheme& scheme, const TPrintColorEvent& event)
        : settings_(settings), scheme_(scheme), event_(event) {}

    TPrintedCellLook Look(int realCol, int row, double zoom) const;

private:
    const TPrintSettings& settings_;
    const TColorScheme& scheme_;
    const TPrintColorEvent& event_;
};

}  // namespace tkm
