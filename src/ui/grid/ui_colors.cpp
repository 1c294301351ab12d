#include "ui/grid/ui_colors.h"

namespace tkm {

QColor ToQColor(TColor color, const QPalette& palette) {
    if (color == clNone) return QColor(Qt::transparent);
    if (!IsSystemColor(color)) return QColor(RedOf(color), GreenOf(color), BlueOf(color));
    switch (TSystemColor(color & 0xFF)) {
    case TSystemColor::Window: return palette.color(QPalette::Base);
    case TSystemColor::WindowText: return palette.color(QPalette::Text);
    case TSystemColor::Highlight: return palette.color(QPalette::Highlight);
    case TSystemColor::HighlightText: return palette.color(QPalette::HighlightedText);
    case TSystemColor::BtnFace: return palette.color(QPalette::Button);
    case TSystemColor::InfoBk: return palette.color(QPalette::ToolTipBase);
    }
    return palette.color(QPalette::Text);
}

}  // namespace tkm
