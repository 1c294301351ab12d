#include "grid/color_scheme.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace tkm {

namespace {

std::optional<std::size_t> SlotOf(TSystemColor role) {
    switch (role) {
    case TSystemColor::Window: return 0;
    case TSystemColor::WindowText: return 1;
    case TSystemColor::Highlight: return 2;
    case TSystemColor::HighlightText: return 3;
    case TSystemColor::BtnFace: return 4;
    case TSystemColor::BtnShadow: return 5;
    case TSystemColor::InfoBk: return 6;
    }
    return std::nullopt;
}

double Linear(std::uint8_t channel) {
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

TColorScheme TColorScheme::Classic() {
    TColorScheme scheme;
    scheme.SetRole(TSystemColor::Window, clWhite);
    scheme.SetRole(TSystemColor::WindowText, clBlack);
    scheme.SetRole(TSystemColor::Highlight, RGBColor(0x00, 0x00, 0x80));
    scheme.SetRole(TSystemColor::HighlightText, clWhite);
    scheme.SetRole(TSystemColor::BtnFace, clSilver);
    scheme.SetRole(TSystemColor::BtnShadow, RGBColor(0x80, 0x80, 0x80));
    scheme.SetRole(TSystemColor::InfoBk, RGBColor(0xFF, 0xFF, 0xE1));
    return scheme;
}

void TColorScheme::SetRole(TSystemColor role, TColor rgb) {
    if (const auto slot = SlotOf(role)) roles_[*slot] = rgb;
}

TColor TColorScheme::Resolve(TColor color) const {
    if (!IsSystemColor(color)) return color;
    const auto slot = SlotOf(TSystemColor(color & 0xFF));
    return roles_[slot.value_or(*SlotOf(TSystemColor::WindowText))];
}

TCellStyle TColorScheme::Resolve(TCellStyle style) const {
    style.Brush = Resolve(style.Brush);
    style.FontColor = Resolve(style.FontColor);
    return style;
}

bool TColorScheme::IsDark() const {
    return RelativeLuminance(Resolve(clWindow)) < RelativeLuminance(Resolve(clWindowText));
}

double RelativeLuminance(TColor rgb) {
    return 0.2126 * Linear(RedOf(rgb)) + 0.7152 * Linear(GreenOf(rgb)) + 0.0722 * Linear(BlueOf(rgb));
}

double ContrastRatio(TColor a, TColor b) {
    const double first = RelativeLuminance(a);
    const double second = RelativeLuminance(b);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

}  // namespace tkm
