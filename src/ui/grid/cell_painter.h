#pragma once

#include "grid/cell_graphic.h"
#include "grid/cell_markup.h"
#include "grid/cell_style.h"
#include "grid/color_scheme.h"
#include "grid/sort_settings.h"

#include <QFont>
#include <QRect>
#include <QString>

#include <optional>
#include <vector>

class QPainter;

namespace tkm {

// Everything needed to draw one cell.
struct TCellPaint {
    QRect Rect;
    QString Text;
    std::vector<TMarkupLine> Markup;  // drawn instead of Text when there is any
    TCellStyle Style;
    QFont Font;
    bool Selected = false;  // the current cell, drawn in the highlight colours
    bool IsLink = false;
    TColor LinkColor = clBlue;
    const TCellGraphic* Object = nullptr;
    std::optional<long long> Value;  // the cell read as an integer, for a progress bar
    TColor CommentMarkerColor = clRed;
    std::optional<TSortDirection> SortIndicator;  // the header cell of the sort column
};

// Draws cells the way the grid shows and prints them.
class TCellPainter {
public:
    explicit TCellPainter(const TColorScheme& scheme) : scheme_(scheme) {}
    void Paint(QPainter& painter, const TCellPaint& cell) const;

private:
    void PaintMarkup(QPainter& painter, const TCellPaint& cell, std::uint8_t styles, const QColor& textColor,
                     const QRect& textRect) const;
    void PaintProgressBar(QPainter& painter, const TCellPaint& cell, const TCellGraphic& bar) const;
    void PaintCommentMarker(QPainter& painter, const TCellPaint& cell) const;
    void PaintSortIndicator(QPainter& painter, const TCellPaint& cell, const QRect& textRect) const;
    QColor Color(TColor c) const;

    const TColorScheme& scheme_;
};

}  // namespace tkm
