#pragma once

#include "grid/cell_style.h"
#include "grid/color_scheme.h"
#include "grid/print/print_canvas.h"
#include "grid/print/print_settings.h"
#include "grid/print/text_measurer.h"

#include <array>

#include <functional>

namespace tkm {

// The grid's print colour event: called for every printed or measured cell
// with its real column and row; it may change the brush, the font colour and
// the font styles.
using TPrintColorEvent = std::function<void(int realCol, int row, TCellStyle& style)>;
// The grid's print text event: what a cell prints instead of the text it
// holds, which is printed when the event is empty or hands it back. The view
// must stay valid as long as the engine.
using TPrintTextEvent = std::function<std::string_view(int realCol, int row, std::string_view stored)>;

// A font's printed height: its point size in tenths of a millimetre, truncated.
int PrintHeight(int pointSize, double zoom);
TCanvasFont CanvasFont(const TPrintFont& font, const TColorScheme& scheme, double zoom);

// How a printed cell looks: the table font on the grid's window colour (the
// store keeps no colours of its own per cell), then the print colour event.
class TPrintCellLooks {
public:
    TPrintCellLooks(const TPrintSettings& settings, const TColorScheme& scheme, const TPrintColorEvent& event,
                    const TPrintTextEvent& textEvent)
        : settings_(settings), scheme_(scheme), event_(event), textEvent_(textEvent) {}

    // The cell's brush and font colour may name system colours.
    TCellStyle Style(int realCol, int row) const;
    // The table font as the style changes it, at the zoom, in RGB.
    TCanvasFont Font(const TCellStyle& style, double zoom) const;
    TColor Brush(const TCellStyle& style) const { return scheme_.Resolve(style.Brush); }
    // The text printed for a cell holding `stored`.
    std::string_view Text(int realCol, int row, std::string_view stored) const {
        return textEvent_ ? textEvent_(realCol, row, stored) : stored;
    }

private:
    const TPrintSettings& settings_;
    const TColorScheme& scheme_;
    const TPrintColorEvent& event_;
    const TPrintTextEvent& textEvent_;
};

// Measures cells in the fonts they print in at full size: a cell the colour
// rules make bold is measured bold.
class TCellMeasurer {
public:
    TCellMeasurer(const TPrintCellLooks& looks, TTextMeasurer& measurer);

    // The widest line of the text a cell prints, an empty cell as wide as
    // "gh", and the height of "gh" times its lines. `stored` must be a cell
    // view of the unchanged grid.
    TTextExtent Size(int realCol, int row, std::string_view stored);
    int Height(int realCol, int row, std::string_view stored);

private:
    struct TStyleFont {
        int Index = -1;
        int LineHeight = 0;
    };

    const TStyleFont& FontOf(int realCol, int row);

    const TPrintCellLooks& looks_;
    TTextMeasurer& measurer_;
    // By font style bits: asked for every cell, so no font is built per cell.
    std::array<TStyleFont, 16> fonts_;
};

}  // namespace tkm
