#include "ui/grid/cell_painter.h"

#include "grid/progress_bar_layout.h"
#include "ui/grid/ui_colors.h"

#include <algorithm>

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>

namespace tkm {

namespace {

constexpr int TextMargin = 2;
constexpr int SortIndicatorSpace = 14;

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

}  // namespace

QColor TCellPainter::Color(TColor c) const { return ToQColor(c, scheme_); }

void TCellPainter::Paint(QPainter& painter, const TCellPaint& cell) const {
    painter.save();
    painter.setClipRect(cell.Rect);
    painter.fillRect(cell.Rect, Color(cell.Style.Brush));
    QFont font = Styled(cell.Font, cell.Style.FontStyles);
    QColor textColor = Color(cell.Style.FontColor);
    if (cell.IsLink) {
        font.setUnderline(true);
        // The link colour would be unreadable on the highlight.
        if (!cell.Selected) textColor = Color(cell.LinkColor);
    }
    painter.setFont(font);
    painter.setPen(textColor);
    QRect textRect = cell.Rect.adjusted(TextMargin, TextMargin - 1, -TextMargin, 0);
    if (cell.SortIndicator) textRect.setRight(textRect.right() - SortIndicatorSpace);
    painter.drawText(textRect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, cell.Text);
    if (cell.SortIndicator) PaintSortIndicator(painter, cell, textRect);

    if (cell.Object) {
        if (cell.Object->Kind == TCellGraphicKind::ProgressBar && cell.Value)
            PaintProgressBar(painter, cell, *cell.Object);
        else if (cell.Object->Kind == TCellGraphicKind::Comment)
            PaintCommentMarker(painter, cell);
    }
    painter.restore();
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

// An 8 by 8 triangle outline beside the header text, lit from the top left.
void TCellPainter::PaintSortIndicator(QPainter& painter, const TCellPaint& cell, const QRect& textRect) const {
    const int textWidth = std::min(QFontMetrics(painter.font()).horizontalAdvance(cell.Text), cell.Rect.width() - 16);
    const int cx = textRect.left() + std::max(0, textWidth) + 10;
    const int cy = textRect.top() + 8;
    const QPoint apex(cx, *cell.SortIndicator == TSortDirection::sdAscending ? cy - 4 : cy + 4);
    const int baseY = *cell.SortIndicator == TSortDirection::sdAscending ? cy + 4 : cy - 4;
    const QPoint baseLeft(cx - 4, baseY);
    const QPoint baseRight(cx + 4, baseY);
    const QColor white(255, 255, 255);
    const QColor grey(128, 128, 128);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(grey);
    painter.drawLine(apex, baseLeft);
    if (*cell.SortIndicator == TSortDirection::sdDescending) painter.drawLine(baseLeft, baseRight);
    painter.setPen(white);
    painter.drawLine(apex, baseRight);
    if (*cell.SortIndicator == TSortDirection::sdAscending) painter.drawLine(baseLeft, baseRight);
}

}  // namespace tkm
