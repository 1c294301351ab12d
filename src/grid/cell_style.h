#pragma once

#include "grid/grid_types.h"

#include <cstdint>

namespace tkm {

enum TFontStyle : std::uint8_t {
    fsBold = 1,
    fsItalic = 2,
    fsUnderline = 4,
    fsStrikeOut = 8,
};

// Brush and font of one cell: prepared by the grid, then changed by the colour
// rules before the cell is drawn, printed or exported.
struct TCellStyle {
    TColor Brush = clWindow;
    TColor FontColor = clWindowText;
    std::uint8_t FontStyles = 0;  // TFontStyle bits
    // Drawn in the grid's active-cell font instead of its own: the header cell
    // of the current column on screen.
    bool ActiveCellFont = false;
    bool operator==(const TCellStyle&) const = default;
};

}  // namespace tkm
