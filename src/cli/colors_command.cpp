#include "cli/report_commands.h"
#include "grid/color_scheme.h"
#include "tasks/cell_styling.h"

#include <cstdio>
#include <string>

namespace tkm::cli {

namespace {

std::string Hex(TColor rgb) {
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
    return text;
}

std::string StyleNames(std::uint8_t styles) {
    std::string names;
    for (const auto& [bit, name] : {std::pair{fsBold, "bold"}, std::pair{fsItalic, "italic"},
                                    std::pair{fsUnderline, "underline"}, std::pair{fsStrikeOut, "strikeout"}}) {
        if (!(styles & bit)) continue;
        if (!names.empty()) names += ',';
        names += name;
    }
    return names.empty() ? "-" : names;
}

}  // namespace

// A whole row looks alike, so its first data cell speaks for it. No desktop
// palette here: system colours take the classic scheme's values.
void WriteColors(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, std::ostream& out) {
    const TCellStyler styler(grid, {.Today = today, .Formats = formats});
    const TColorScheme scheme = TColorScheme::Classic();
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        const TCellStyle style = styler.ScreenStyle(grid.FixedCols(), r);
        out << r << '\t' << Hex(scheme.Resolve(style.FontColor)) << '\t'
            << (style.Brush == clWindow ? "-" : Hex(scheme.Resolve(style.Brush))) << '\t'
            << StyleNames(style.FontStyles) << '\n';
    }
}

}  // namespace tkm::cli
