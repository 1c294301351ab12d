#pragma once

#include "grid/print/print_canvas.h"

#include <QColor>
#include <QFont>
#include <QPen>

class QPainter;

namespace tkm {

// Draws the print layout with a QPainter on a printer, a PDF file or a
// preview: tenths of a millimetre become device pixels by the device's
// resolution, and measurements come back in tenths of a millimetre.
class TPainterPrintCanvas final : public TPrintCanvas {
public:
    TPainterPrintCanvas(QPainter& painter, double dpiX, double dpiY);

    void SetFont(const TCanvasFont& font) override;
    TTextExtent TextExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TPrintRect& clip, int x, int y, std::string_view text) override;
    void FillRect(const TPrintRect& rect, TColor rgb) override;
    void SetPen(TPenStyle style, int width, TColor rgb) override;
    void Line(int x1, int y1, int x2, int y2) override;

private:
    double X(int tenths) const { return tenths * dpiX_ / 254.0; }
    double Y(int tenths) const { return tenths * dpiY_ / 254.0; }
    QRectF Rect(const TPrintRect& rect) const;
    void DrawText(int x, int y, std::string_view text);

    QPainter& painter_;
    double dpiX_;
    double dpiY_;
    QFont font_;
    // QPainter draws text with its pen: text and lines keep their own.
    QColor textColor_;
    QPen linePen_;
};

}  // namespace tkm
