#include "grid/cell_graphic.h"

namespace tkm {

TCellGraphic TCellGraphic::ProgressBar(TColor bar, TColor barText, TColor background, TColor backgroundText) {
    TCellGraphic g;
    g.Kind = TCellGraphicKind::ProgressBar;
    g.BarColor = bar;
    g.BarTextColor = barText;
    g.BackgroundColor = background;
    g.BackgroundTextColor = backgroundText;
    g.ExplicitTextColors = true;
    return g;
}

TCellGraphic TCellGraphic::Comment(const std::string& text) {
    TCellGraphic g;
    g.Kind = TCellGraphicKind::Comment;
    g.Lines.push_back(text);
    return g;
}

}  // namespace tkm
