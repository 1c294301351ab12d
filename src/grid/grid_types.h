#pragma once

#include "base/errors.h"

#include <cstdint>

namespace tkm {

// Colour value with red in the lowest byte, then green, then blue. Values with
// the top bit set name a system colour role, resolved by a TColorScheme.
using TColor = std::uint32_t;

constexpr TColor RGBColor(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
    return TColor(r) | (TColor(g) << 8) | (TColor(b) << 16);
}
constexpr std::uint8_t RedOf(TColor c) { return c & 0xFF; }
constexpr std::uint8_t GreenOf(TColor c) { return (c >> 8) & 0xFF; }
constexpr std::uint8_t BlueOf(TColor c) { return (c >> 16) & 0xFF; }

constexpr TColor clNone = 0x1FFFFFFF;
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clSilver = 0xC0C0C0;

constexpr TColor SystemColorFlag = 0x80000000;
enum class TSystemColor : std::uint8_t {
    Window = 5,
    WindowText = 8,
    Highlight = 13,
    HighlightText = 14,
    BtnFace = 15,
    BtnShadow = 16,
    InfoBk = 24,
};
constexpr TColor clWindow = SystemColorFlag | std::uint32_t(TSystemColor::Window);
constexpr TColor clWindowText = SystemColorFlag | std::uint32_t(TSystemColor::WindowText);
constexpr TColor clHighlight = SystemColorFlag | std::uint32_t(TSystemColor::Highlight);
constexpr TColor clHighlightText = SystemColorFlag | std::uint32_t(TSystemColor::HighlightText);
constexpr TColor clBtnFace = SystemColorFlag | std::uint32_t(TSystemColor::BtnFace);
constexpr TColor clBtnShadow = SystemColorFlag | std::uint32_t(TSystemColor::BtnShadow);
constexpr TColor clInfoBk = SystemColorFlag | std::uint32_t(TSystemColor::InfoBk);

constexpr bool IsSystemColor(TColor c) { return (c & SystemColorFlag) != 0 && c != clNone; }

// A rectangle of cells, inclusive on every side.
struct TGridRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TGridRect&) const = default;
};

// Pixel rectangle; Right and Bottom are one past the last pixel.
struct TPixelRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int Width() const { return Right - Left; }
    int Height() const { return Bottom - Top; }
    bool operator==(const TPixelRect&) const = default;
};

// A cell by display column and row; (-1, -1) is no cell.
struct TGridCoord {
    int Col = -1;
    int Row = -1;
    bool operator==(const TGridCoord&) const = default;
};

}  // namespace tkm
