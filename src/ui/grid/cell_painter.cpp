#include "ui/grid/cell_painter.h"

#include "grid/progress_bar_layout.h"
#include "ui/grid/ui_colors.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace tkm {

namespace {

constexpr int TextMargin = 2;
constexpr int SortIndicatorSpace = 14;
constexpr int SortIndicatorSize = 8;

QFont Styled(QFont font, std::uint8_t styles) {
    font.setBold(styles & fsBold);
    font.setItalic(styles & fsItalic);
    font.setUnderline(styles & fsUnderline);
    font.setStrikeOut(styles & fsStrikeOut);
    return font;
}

// A one-pixel frame on exactly the pixels of r's edge.
void FramePixels(QPainter& painter, const TPixelRect& r, const QColor& color) {
    if (r.Width() <= 0 || r.Height() <= 0) return;
    painter.fillRect(r.Left, r.Top, r.Width(), 1, color);
    painter.fillRect(r.Left, r.Bottom - 1, r.Width(), 1, color);
    painter.fillRect(r.Left, r.Top, 1, r.Height(), color);
    painter.fillRect(r.Right - 1, r.Top, 1, r.Height(), color);
}

// Every pixel from a to b, both ends included, one per step along the longer axis.
void PixelLine(QPainter& painter, const QPoint& a, const QPoint& b, const QColor& color) {
    const QPoint d = b - a;
    const int steps = std::max(std::abs(d.x()), std::abs(d.y()));
    for (int i = 0; i <= steps; ++i) {
        const int x = a.x() + (steps ? int(std::lround(double(d.x()) * i / steps)) : 0);
        const int y = a.y() + (steps ? int(std::lround(double(d.y()) * i / steps)) : 0);
        painter.fillRect(x, y, 1, 1, color);
    }
}

}  // namespace

QColor TCellPainter::Color(TColor c) const { return ToQColor(c, scheme_); }

void TCellPainter::Paint(QPainter& painter, const TCellPaint& cell) const {
    painter.save();
    painter.setClipRect(cell.Rect);
    painter.fillRect(cell.Rect, Color(cell.Style.Brush));
    std::uint8_t styles = cell.Style.FontStyles;
    QColor textColor = Color(cell.Style.FontColor);
    if (cell.IsLink) {
        styles |= fsUnderline;
        // The link colour would be unreadable on the highlight.
        if (!cell.Selected) textColor = Color(cell.LinkColor);
    }
    painter.setFont(Styled(cell.Font, styles));
    painter.setPen(textColor);
    QRect textRect = cell.Rect.adjusted(TextMargin, TextMargin - 1, -TextMargin, 0);
    if (cell.SortIndicator) textRect.setRight(textRect.right() - SortIndicatorSpace);
    if (cell.Markup.empty())
        painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cell.Text);
    else
        PaintMarkup(painter, cell, styles, textColor, textRect);
    if (cell.SortIndicator) PaintSortIndicator(painter, cell, textRect);

    if (cell.Object) {
        if (cell.Object->Kind == TCellGraphicKind::ProgressBar && cell.Value)
            PaintProgressBar(painter, cell, *cell.Object);
        else if (cell.Object->Kind == TCellGraphicKind::Comment)
            PaintCommentMarker(painter, cell);
    }
    painter.restore();
}

// Run after run on a common baseline, each line one font height below the
// last, clipped to the cell; the cell's style and colour unless a run sets its own.
void TCellPainter::PaintMarkup(QPainter& painter, const TCellPaint& cell, std::uint8_t styles,
                               const QColor& textColor, const QRect& textRect) const {
    const QFontMetrics lineMetrics(Styled(cell.Font, styles));
    int top = textRect.top();
    for (const TMarkupLine& line : cell.Markup) {
        if (top > cell.Rect.bottom()) break;
        int x = textRect.left();
        for (const TMarkupRun& run : line) {
            if (x > textRect.right()) break;
            const QFont font = Styled(cell.Font, styles | run.Styles);
            const QString text = QString::fromUtf8(run.Text.data(), qsizetype(run.Text.size()));
            painter.setFont(font);
            painter.setPen(run.Color == clNone ? textColor : Color(run.Color));
            painter.drawText(QPoint(x, top + lineMetrics.ascent()), text);
            x += QFontMetrics(font).horizontalAdvance(text);
        }
        top += lineMetrics.height();
    }
}

void TCellPainter::PaintProgressBar(QPainter& painter, const TCellPaint& cell, const TCellGraphic& bar) const {
    const QColor remembered = Color(cell.Style.Brush);
    const TPixelRect cellRect{cell.Rect.left(), cell.Rect.top(), cell.Rect.right() + 1, cell.Rect.bottom() + 1};
    const QString label = cell.Text + "%";
    painter.setFont(cell.Font);
    const QFontMetrics metrics(cell.Font);
    const TProgressBarLayout layout =
        LayoutProgressBar(cellRect, *cell.Value, metrics.horizontalAdvance(label), metrics.height());
    const TPixelRect& inner = layout.Inner;
    const QPoint labelTopLeft(layout.LabelX, layout.LabelY);
    auto colorUnder = [&](TColor text, TColor under) {
        if (bar.ExplicitTextColors) return Color(text);
        const QColor u = Color(under);
        return QColor(255 - u.red(), 255 - u.green(), 255 - u.blue());
    };

    const QRect barPart(QPoint(inner.Left, inner.Top), QPoint(layout.BarRight - 1, inner.Bottom - 1));
    const QRect restPart(QPoint(layout.BarRight, inner.Top), QPoint(inner.Right - 1, inner.Bottom - 1));
    for (const auto& [part, fill, text] : {std::tuple{barPart, bar.BarColor, bar.BarTextColor},
                                           std::tuple{restPart, bar.BackgroundColor, bar.BackgroundTextColor}}) {
        if (part.width() <= 0 || part.height() <= 0) continue;
        painter.save();
        painter.setClipRect(part.intersected(cell.Rect));
        painter.fillRect(part, Color(fill));
        painter.setPen(colorUnder(text, fill));
        painter.drawText(QRect(labelTopLeft, QSize(metrics.horizontalAdvance(label), metrics.height())),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, label);
        painter.restore();
    }
    FramePixels(painter, {cellRect.Left + 1, cellRect.Top + 1, cellRect.Right - 1, cellRect.Bottom - 1}, Qt::black);
    FramePixels(painter, cellRect, remembered);
}

void TCellPainter::PaintCommentMarker(QPainter& painter, const TCellPaint& cell) const {
    if (cell.CommentMarkerColor == clNone) return;
    const int right = cell.Rect.right() + 1;
    const int top = cell.Rect.top();
    const QColor color = Color(cell.CommentMarkerColor);
    painter.setPen(color);
    painter.setBrush(color);
    painter.drawPolygon(QPolygon({QPoint(right - 7, top + 1), QPoint(right - 2, top + 1), QPoint(right - 2, top + 6)}));
}

// An 8 by 8 triangle outline beside the header text: the slanted left edge
// grey, the other two white, apex up or down.
void TCellPainter::PaintSortIndicator(QPainter& painter, const TCellPaint& cell, const QRect& textRect) const {
    const int textWidth = std::min(QFontMetrics(painter.font()).horizontalAdvance(cell.Text), cell.Rect.width() - 16);
    const int cx = textRect.left() + std::max(0, textWidth) + 10;
    const int cy = textRect.top() + 8;
    const int left = cx - SortIndicatorSize / 2;
    const int right = left + SortIndicatorSize - 1;
    const bool up = *cell.SortIndicator == TSortDirection::sdAscending;
    const int apexY = up ? cy - SortIndicatorSize / 2 : cy + SortIndicatorSize / 2 - 1;
    const int baseY = up ? apexY + SortIndicatorSize - 1 : apexY - SortIndicatorSize + 1;
    // Even wide, the apex is the two middle pixels.
    PixelLine(painter, QPoint(left, baseY), QPoint(cx - 1, apexY), QColor(128, 128, 128));
    const QColor white(255, 255, 255);
    PixelLine(painter, QPoint(cx, apexY), QPoint(right, baseY), white);
    PixelLine(painter, QPoint(left, baseY), QPoint(right, baseY), white);
}

}  // namespace tkm
