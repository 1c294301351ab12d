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

// Brush and font of one cell, prepared by the grid and changed by the owner's
// colour callbacks before the cell is drawn or printed.
struct TCellStyle {
    TColor Brush = clWindow;
    TColor FontColor = clWindowText;
    std::uint8_t FontStyles = 0;  // TFontStyle bits
    bool operator==(const TCellStyle&) const = default;
};

}  // namespace tkm
