#include "ui/grid/painter_print_canvas.h"

#include "grid/cell_style.h"
#include "ui/grid/cell_text_codec.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <utility>

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

// Faces with the same advance widths, from fonts-liberation2.
constexpr std::pair<const char*, const char*> MetricTwins[] = {
    {"Arial", "Liberation Sans"}, {"Times New Roman", "Liberation Serif"}, {"Courier New", "Liberation Mono"}};

}  // namespace

QFont PrintQFont(const TCanvasFont& font, int pixelSize) {
    const QString family = QString::fromStdString(font.Family);
    QStringList families{family};
    for (const auto& [windows, twin] : MetricTwins)
        if (family.compare(QLatin1String(windows), Qt::CaseInsensitive) == 0) families << QLatin1String(twin);
    QFont result;
    // The first face installed wins: Arial itself where it is.
    result.setFamilies(families);
    result.setPixelSize(std::max(1, pixelSize));
    // Unhinted advances are the design widths, alike at every resolution, and
    // unkerned as Windows prints text, so columns come out as wide as there.
    result.setHintingPreference(QFont::PreferNoHinting);
    result.setKerning(false);
    result.setBold(font.Styles & fsBold);
    result.setItalic(font.Styles & fsItalic);
    result.setUnderline(font.Styles & fsUnderline);
    result.setStrikeOut(font.Styles & fsStrikeOut);
    return result;
}

TPainterPrintCanvas::TPainterPrintCanvas(QPainter& painter, double dpiX, double dpiY)
    : painter_(painter), dpiX_(dpiX), dpiY_(dpiY) {}

QRectF TPainterPrintCanvas::Rect(const TPrintRect& rect) const {
    return QRectF(QPointF(X(rect.Left), Y(rect.Top)), QPointF(X(rect.Right), Y(rect.Bottom)));
}

TFontAdvances& TPainterPrintCanvas::AdvancesOf(const TCanvasFont& font) {
    TCanvasFont shape = font;
    shape.Styles &= fsBold | fsItalic;
    auto known = std::find_if(shapes_.begin(), shapes_.end(),
                              [&](const TShapeAdvances& measured) { return measured.Shape.SameMetrics(shape); });
    if (known == shapes_.end()) {
        const QFont built = PrintQFont(shape, int(std::lround(Y(shape.Height))));
        known = shapes_.insert(shapes_.end(), {shape, std::make_unique<TFontAdvances>(built)});
    }
    return *known->Advances;
}

void TPainterPrintCanvas::SetFont(const TCanvasFont& font) {
    textColor_ = ToQColor(font.Color);
    // Cells switch fonts all the time: each is built once.
    auto known = std::find_if(fonts_.begin(), fonts_.end(),
                              [&](const TMeasuredFont& measured) { return measured.Printed.SameMetrics(font); });
    if (known == fonts_.end()) {
        // The height is the font's size, as a point size is.
        known = fonts_.insert(fonts_.end(),
                              {font, PrintQFont(font, int(std::lround(Y(font.Height)))), &AdvancesOf(font)});
    }
    font_ = &known->Font;
    advances_ = known->Advances;
}

TTextExtent TPainterPrintCanvas::Tenths(qreal width) const {
    return {int(std::lround(width * 254.0 / dpiX_)), int(std::lround(advances_->Height() * 254.0 / dpiY_))};
}

TTextExtent TPainterPrintCanvas::TextExtent(std::string_view text) { return Tenths(advances_->Width(text)); }

std::optional<TTextExtent> TPainterPrintCanvas::QuickExtent(std::string_view text) {
    const std::optional<qreal> width = advances_->TableWidth(text);
    if (!width) return std::nullopt;
    return Tenths(*width);
}

void TPainterPrintCanvas::DrawText(int x, int y, std::string_view text) {
    painter_.setFont(*font_);
    painter_.setPen(textColor_);
    painter_.drawText(QRectF(X(x), Y(y), 0, 0), TextFlags, CellToDisplay(text));
}

void TPainterPrintCanvas::TextOut(int x, int y, std::string_view text) { DrawText(x, y, text); }

void TPainterPrintCanvas::TextRect(const TPrintRect& clip, int x, int y, std::string_view text) {
    // Most texts fit their cells, and a clip costs a PDF file a path a cell.
    const QRectF cell = Rect(clip);
    const QRectF ink(X(x), Y(y), advances_->Width(text), advances_->Height());
    if (cell.contains(ink)) return DrawText(x, y, text);
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
