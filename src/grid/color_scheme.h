#pragma once

#include "grid/cell_style.h"
#include "grid/grid_types.h"

#include <array>

namespace tkm {

// The RGB value behind each system colour role. The window builds one from the
// desktop's palette; where there is no window, the classic scheme stands in.
class TColorScheme {
public:
    // White window, black text, silver button face, navy highlight.
    static TColorScheme Classic();

    void SetRole(TSystemColor role, TColor rgb);
    // A system role's RGB value; any other colour, clNone included, unchanged.
    // A role the scheme does not know reads as window text.
    TColor Resolve(TColor color) const;
    // The same style with its brush and font colour in RGB.
    TCellStyle Resolve(TCellStyle style) const;
    // A dark desktop: the window is darker than the text on it.
    bool IsDark() const;

private:
    static constexpr std::size_t RoleCount = 7;
    std::array<TColor, RoleCount> roles_{};
};

// How bright a colour looks, 0 for black to 1 for white (sRGB relative luminance).
double RelativeLuminance(TColor rgb);
// 1 to 21; text wants 4.5 against its background to stay readable.
double ContrastRatio(TColor a, TColor b);

}  // namespace tkm
