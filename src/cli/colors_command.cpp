#include "cli/report_commands.h"
#include "tasks/color_rules.h"

#include <cstdio>
#include <string>

namespace tkm::cli {

namespace {

// No desktop palette here: system colours take the classic scheme's values.
TColor Resolved(TColor color) {
    if (!IsSystemColor(color)) return color;
    switch (TSystemColor(color & 0xFF)) {
    case TSystemColor::Window: return clWhite;
    case TSystemColor::WindowText: return clBlack;
    case TSystemColor::Highlight: return RGBColor(0x00, 0x00, 0x80);
    case TSystemColor::HighlightText: return clWhite;
    case TSystemColor::BtnFace: return clSilver;
    case TSystemColor::InfoBk: return RGBColor(0xFF, 0xFF, 0xE1);
    }
    return clBlack;
}

std::string Hex(TColor color) {
    const TColor c = Resolved(color);
    char text[8];
    std::snprintf(text, sizeof text, "#%02X%02X%02X", RedOf(c), GreenOf(c), BlueOf(c));
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

void WriteColors(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, std::ostream& out) {
    const TCellStyle prepared;
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) {
        TCellStyle style = prepared;
        ApplyScreenColors(grid, r, today, formats, style);
        out << r << '\t' << Hex(style.FontColor) << '\t' << (style.Brush == prepared.Brush ? "-" : Hex(style.Brush))
            << '\t' << StyleNames(style.FontStyles) << '\n';
    }
}

}  // namespace tkm::cli
