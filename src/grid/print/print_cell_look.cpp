#include "grid/print/print_cell_look.h"

namespace tkm {

int PrintHeight(int pointSize, double zoom) { return int(pointSize * 254.0 / 72.0 * zoom); }

TCanvasFont CanvasFont(const TPrintFont& font, const TColorScheme& scheme, double zoom) {
    return {font.Family, PrintHeight(font.PointSize, zoom), font.Styles, scheme.Resolve(font.Color)};
}

TPrintedCellLook TPrintCellLooks::Look(int realCol, int row, double zoom) const {
    TCellStyle style;
    style.Brush = clWindow;
    style.FontColor = settings_.Font.Color;
    style.FontStyles = settings_.Font.Styles;
    if (event_) event_(realCol, row, style);
    TPrintedCellLook look;
    look.Brush = scheme_.Resolve(style.Brush);
    look.Font = CanvasFont(settings_.Font, scheme_, zoom);
    look.Font.Styles = style.FontStyles;
    look.Font.Color = scheme_.Resolve(style.FontColor);
    return look;
}

}  // namespace tkm
