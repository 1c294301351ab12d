#pragma once

#include "grid/grid_types.h"

#include <compare>
#include <cstdint>
#include <string>
#include <vector>

namespace tkm {

enum class TCellGraphicKind : std::uint8_t {
    Picture = 2,  // what a new object starts as; never drawn here
    ProgressBar = 15,
    Comment = 16,
};

// A cell object changes how its cell is drawn. Objects are immutable values;
// rows whose objects are equal share one stored copy.
struct TCellGraphic {
    TCellGraphicKind Kind = TCellGraphicKind::Picture;
    std::uint8_t HorizontalPlacement = 0;
    std::uint8_t VerticalPlacement = 0;
    bool ExplicitTextColors = false;
    // Progress bar payload.
    TColor BarColor = clNone;
    TColor BarTextColor = clNone;
    TColor BackgroundColor = clNone;
    TColor BackgroundTextColor = clNone;
    // Comment payload: its text lines.
    std::vector<std::string> Lines;

    auto operator<=>(const TCellGraphic&) const = default;
    bool operator==(const TCellGraphic&) const = default;

    static TCellGraphic ProgressBar(TColor bar, TColor barText, TColor background, TColor backgroundText);
    static TCellGraphic Comment(const std::string& text);
};

}  // namespace tkm
