#include "grid/print/print_cell_look.h"

#include "grid/print/cell_lines.h"

#include <algorithm>

namespace tkm {

int PrintHeight(int pointSize, double zoom) { return int(pointSize * 254.0 / 72.0 * zoom); }

TCanvasFont CanvasFont(const TPrintFont& font, const TColorScheme& scheme, double zoom) {
    return {font.Family, PrintHeight(font.PointSize, zoom), font.Styles, scheme.Resolve(font.Color)};
}

TCellStyle TPrintCellLooks::Style(int realCol, int row) const {
    TCellStyle style;
    style.Brush = clWindow;
    style.FontColor = settings_.Font.Color;
    style.FontStyles = settings_.Font.Styles;
    if (event_) event_(realCol, row, style);
    return style;
}

TCanvasFont TPrintCellLooks::Font(const TCellStyle& style, double zoom) const {
    TCanvasFont font = CanvasFont(settings_.Font, scheme_, zoom);
    font.Styles = style.FontStyles;
    font.Color = scheme_.Resolve(style.FontColor);
    return font;
}

TCellMeasurer::TCellMeasurer(const TPrintCellLooks& looks, TTextMeasurer& measurer)
    : looks_(looks), measurer_(measurer) {}

const TCellMeasurer::TStyleFont& TCellMeasurer::FontOf(int realCol, int row) {
    const TCellStyle style = looks_.Style(realCol, row);
    TStyleFont& font = fonts_[style.FontStyles & 15];
    if (font.Index < 0) {
        font.Index = measurer_.FontIndex(looks_.Font(style, 1.0));
        font.LineHeight = measurer_.Extent(font.Index, "gh").Height;
    }
    return font;
}

TTextExtent TCellMeasurer::Size(int realCol, int row, std::string_view stored) {
    const TStyleFont& font = FontOf(realCol, row);
    const std::string_view text = looks_.Text(realCol, row, stored);
    if (text.empty()) return {measurer_.Extent(font.Index, "gh").Width, font.LineHeight};
    if (!HasLineBreak(text)) return {measurer_.Extent(font.Index, text).Width, font.LineHeight};
    TTextExtent size;
    ForEachLine(text, [&](std::string_view line) {
        if (!line.empty()) size.Width = std::max(size.Width, measurer_.Extent(font.Index, line).Width);
        size.Height += font.LineHeight;
    });
    return size;
}

int TCellMeasurer::Height(int realCol, int row, std::string_view stored) {
    const std::string_view text = looks_.Text(realCol, row, stored);
    return FontOf(realCol, row).LineHeight * (text.empty() ? 1 : LineCount(text));
}

}  // namespace tkm
