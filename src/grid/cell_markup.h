#pragma once

#include "grid/cell_style.h"
#include "grid/grid_types.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// A cell holding "</", "<B" or "<I" (in capitals) is shown as mark-up, unless
// it starts with "=".
bool IsMarkupText(std::string_view text);

// A stretch of mark-up text in one style.
struct TMarkupRun {
    std::string Text;  // UTF-8, entities resolved
    std::uint8_t Styles = 0;  // TFontStyle bits added to the cell's font
    TColor Color = clNone;  // clNone: the cell's own text colour
    bool operator==(const TMarkupRun&) const = default;
};

// One line of runs; <BR> starts the next.
using TMarkupLine = std::vector<TMarkupRun>;

// The lines of a UTF-8 mark-up text: <B>, <I>, <U>, <S> (and <STRONG>, <EM>,
// <STRIKE>, <DEL>), <FONT COLOR=...> and <BR>, in any letter case; other tags
// are left out, entities resolved. Text that is no tag, such as a "<" without
// its ">", is kept as it stands.
std::vector<TMarkupLine> ParseMarkup(std::string_view text);

}  // namespace tkm
