#pragma once

#include "grid/print/print_canvas.h"
#include "ui/grid/font_advances.h"

#include <QColor>
#include <QFont>
#include <QPen>

#include <deque>
#include <memory>
#include <vector>

class QPainter;

namespace tkm {

// The Qt font a print font is drawn in, `pixelSize` high. The Windows faces
// print settings name become their metric-compatible Liberation faces, so
// columns come out as wide as where the settings were made.
QFont PrintQFont(const TCanvasFont& font, int pixelSize);

// Draws the print layout with a QPainter on a printer, a PDF file or a
// preview: tenths of a millimetre become device pixels by the device's
// resolution, and measurements come back in tenths of a millimetre. Texts are
// measured without the device, so that the layout can be counted before the
// painter begins, and every device measures alike.
class TPainterPrintCanvas final : public TPrintCanvas {
public:
    TPainterPrintCanvas(QPainter& painter, double dpiX, double dpiY);

    void SetFont(const TCanvasFont& font) override;
    TTextExtent TextExtent(std::string_view text) override;
    // Plain ASCII texts without ligatures, from the advance tables.
    std::optional<TTextExtent> QuickExtent(std::string_view text) override;
    void TextOut(int x, int y, std::string_view text) override;
    void TextRect(const TPrintRect& clip, int x, int y, std::string_view text) override;
    void FillRect(const TPrintRect& rect, TColor rgb) override;
    void SetPen(TPenStyle style, int width, TColor rgb) override;
    void Line(int x1, int y1, int x2, int y2) override;

private:
    double X(int tenths) const { return tenths * dpiX_ / 254.0; }
    double Y(int tenths) const { return tenths * dpiY_ / 254.0; }
    QRectF Rect(const TPrintRect& rect) const;
    TTextExtent Tenths(qreal width) const;
    void DrawText(int x, int y, std::string_view text);

    // Fonts as asked for; underline and strike-out change no width, so the
    // fonts that differ only in them share the advances measured so far.
    struct TMeasuredFont {
        TCanvasFont Printed;
        QFont Font;
        TFontAdvances* Advances;
    };
    struct TShapeAdvances {
        TCanvasFont Shape;
        std::unique_ptr<TFontAdvances> Advances;
    };

    TFontAdvances& AdvancesOf(const TCanvasFont& font);

    QPainter& painter_;
    double dpiX_;
    double dpiY_;
    std::deque<TMeasuredFont> fonts_;  // stays where it is as fonts are added
    std::vector<TShapeAdvances> shapes_;
    const QFont* font_ = nullptr;
    TFontAdvances* advances_ = nullptr;
    // QPainter draws text with its pen: text and lines keep their own.
    QColor textColor_;
    QPen linePen_;
};

}  // namespace tkm
