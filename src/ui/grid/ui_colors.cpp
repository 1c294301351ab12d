#include "ui/grid/ui_colors.h"

namespace tkm {

namespace {

TColor FromQColor(const QColor& color) {
    return RGBColor(std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue()));
}

}  // namespace

TColorScheme SchemeFromPalette(const QPalette& palette) {
    TColorScheme scheme;
    for (const auto& [role, paletteRole] : {std::pair{TSystemColor::Window, QPalette::Base},
                                            std::pair{TSystemColor::WindowText, QPalette::Text},
                                            std::pair{TSystemColor::Highlight, QPalette::Highlight},
                                            std::pair{TSystemColor::HighlightText, QPalette::HighlightedText},
                                            std::pair{TSystemColor::BtnFace, QPalette::Button},
                                            std::pair{TSystemColor::BtnShadow, QPalette::Dark},
                                            std::pair{TSystemColor::InfoBk, QPalette::ToolTipBase}})
        scheme.SetRole(role, FromQColor(palette.color(paletteRole)));
    return scheme;
}

QColor ToQColor(TColor color, const TColorScheme& scheme) {
    if (color == clNone) return QColor(Qt::transparent);
    const TColor rgb = scheme.Resolve(color);
    return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb));
}

}  // namespace tkm
