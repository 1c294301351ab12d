#pragma once

#include "grid/grid_types.h"
#include "grid/print/print_settings.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// Lengths on a print canvas are tenths of a millimetre; x grows to the right
// and y downwards from the top-left corner of the page area.
struct TPrintRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    bool operator==(const TPrintRect&) const = default;
};

struct TTextExtent {
    int Width = 0;
    int Height = 0;
    bool operator==(const TTextExtent&) const = default;
};

// A font ready to draw with: its height already in tenths of a millimetre and
// its colour in RGB.
struct TCanvasFont {
    std::string Family;
    int Height = 0;
    std::uint8_t Styles = 0;  // TFontStyle bits
    TColor Color = clBlack;
    bool operator==(const TCanvasFont&) const = default;
    // Colour plays no part in a text's size.
    bool SameMetrics(const TCanvasFont& other) const {
        return Height == other.Height && Styles == other.Styles && Family == other.Family;
    }
};

// What the print layout draws on: a printer page, a preview, or a recording.
class TPrintCanvas {
public:
    virtual ~TPrintCanvas() = default;
    virtual void SetFont(const TCanvasFont& font) = 0;
    // In the current font.
    virtual TTextExtent TextExtent(std::string_view text) = 0;
    // The same, when the canvas can tell it about as fast as a table lookup;
    // the layout then keeps no memory of the text. None otherwise.
    virtual std::optional<TTextExtent> QuickExtent(std::string_view) { return std::nullopt; }
    // Text with no background, its top-left corner at (x, y).
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // The same, with nothing drawn outside `clip`.
    virtual void TextRect(const TPrintRect& clip, int x, int y, std::string_view text) = 0;
    virtual void FillRect(const TPrintRect& rect, TColor rgb) = 0;
    virtual void SetPen(TPenStyle style, int width, TColor rgb) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
};

// The printable part of a printer page in device pixels, with the device's resolution.
struct TDeviceArea {
    int WidthPixels = 0;
    int HeightPixels = 0;
    int DpiX = 0;
    int DpiY = 0;
};

// The sheet a job prints on: its printable part as the job measures it, and
// the whole paper with the printable part's place on it, in tenths of a millimetre.
struct TPrintSheet {
    TDeviceArea Printable;
    int PaperWidth = 0;
    int PaperHeight = 0;
    int PrintableLeft = 0;
    int PrintableTop = 0;
};

// A printer as a print job uses it.
class TPrintTarget {
public:
    virtual ~TPrintTarget() = default;
    virtual void SetOrientation(TPrintOrientation orientation) = 0;
    virtual TDeviceArea PrintableArea() const = 0;
    virtual void BeginDoc(const std::string& jobName) = 0;
    virtual void NewPage() = 0;
    virtual void EndDoc() = 0;
    // A job cut short by a failure: nothing half-printed is sent.
    virtual void AbortDoc() = 0;
    virtual TPrintCanvas& Canvas() = 0;
};

}  // namespace tkm
