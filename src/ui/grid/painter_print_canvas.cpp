#include "ui/grid/painter_print_canvas.h"

#include "grid/cell_style.h"
#include "ui/grid/cell_text_codec.h"

#include <QFontMetricsF>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace tkm {

namespace {

QColor ToQColor(TColor rgb) { return QColor(RedOf(rgb), GreenOf(rgb), BlueOf(rgb)); }

Qt::PenStyle ToQtPenStyle(TPenStyle style) {
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psSolid:
    case psInsideFrame: break;
    }
    return Qt::SolidLine;
}

constexpr int TextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | Qt::TextDontClip;

}  // namespace

TPainterPrintCanvas::TPainterPrintCanvas(QPainter& painter, double dpiX, double dpiY)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY) {}

QRectF TPainterPrintCanvas::Rect(const TPrintRect& rect) const {
    return QRectF(QPointF(X(rect.Left), Y(rect.Top)), QPointF(X(rect.Right), Y(rect.Bottom)));
}

void TPainterPrintCanvas::SetFont(const TCanvasFont& font) {
    font_ = QFont(QString::fromStdString(font.Family));
    // The height is the font's size, as a point size is.
    font_.setPixelSize(std::max(1, int(std::lround(Y(font.Height)))));
    font_.setBold(font.Styles & fsBold);
    font_.setItalic(font.Styles & fsItalic);
    font_.setUnderline(font.Styles & fsUnderline);
    font_.setStrikeOut(font.Styles & fsStrikeOut);
    textColor_ = ToQColor(font.Color);
}

TTextExtent TPainterPrintCanvas::TextExtent(std::string_view text) {
    const QFontMetricsF metrics(font_, painter_.device());
    return {int(std::lround(metrics.horizontalAdvance(CellToDisplay(text)) * 254.0 / dpiX_)),
            int(std::lround(metrics.height() * 254.0 / dpiY_))};
}

void TPainterPrintCanvas::DrawText(int x, int y, std::string_view text) {
    painter_.setFont(font_);
    painter_.setPen(textColor_);
    painter_.drawText(QRectF(X(x), Y(y), 0, 0), TextFlags, CellToDisplay(text));
}

void TPainterPrintCanvas::TextOut(int x, int y, std::string_view text) { DrawText(x, y, text); }

void TPainterPrintCanvas::TextRect(const TPrintRect& clip, int x, int y, std::string_view text) {
    painter_.save();
    painter_.setClipRect(Rect(clip), Qt::IntersectClip);
    DrawText(x, y, text);
    painter_.restore();
}

void TPainterPrintCanvas::FillRect(const TPrintRect& rect, TColor rgb) { painter_.fillRect(Rect(rect), ToQColor(rgb)); }

void TPainterPrintCanvas::SetPen(TPenStyle style, int width, TColor rgb) {
    linePen_ = QPen(ToQColor(rgb), X(width), ToQtPenStyle(style));
}

void TPainterPrintCanvas::Line(int x1, int y1, int x2, int y2) {
    painter_.setPen(linePen_);
    painter_.drawLine(QPointF(X(x1), Y(y1)), QPointF(X(x2), Y(y2)));
}

}  // namespace tkm
