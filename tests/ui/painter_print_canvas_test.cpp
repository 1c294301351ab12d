#include "ui/grid/painter_print_canvas.h"

#include "grid/cell_style.h"

#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tkm {
namespace {

// At 254 dots per inch a pixel is a tenth of a millimetre.
class PainterPrintCanvasTest : public ::testing::Test {
protected:
    PainterPrintCanvasTest() : image(400, 200, QImage::Format_RGB32) {
        image.setDotsPerMeterX(10000);
        image.setDotsPerMeterY(10000);
        image.fill(Qt::white);
        painter.begin(&image);
    }

    template <typename Test>
    bool AnyPixel(QRect area, Test test) {
        if (painter.isActive()) painter.end();
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (test(image.pixel(x, y))) return true;
        return false;
    }
    bool AnyPixel(QRect area, QRgb colour) {
        return AnyPixel(area, [&](QRgb pixel) { return pixel == colour; });
    }
    bool AnyInk(QRect area) {
        return AnyPixel(area, [](QRgb pixel) { return pixel != qRgb(255, 255, 255); });
    }

    QImage image;
    QPainter painter;
    TPainterPrintCanvas canvas{painter, 254, 254};
    const TCanvasFont font{"Arial", 31, 0, RGBColor(0xFF, 0, 0)};
};

TEST_F(PainterPrintCanvasTest, MeasuresInTenthsOfAMillimetreInTheFontsShape) {
    canvas.SetFont(font);
    const TTextExtent gh = canvas.TextExtent("gh");
    EXPECT_GE(gh.Height, 31);
    EXPECT_LE(gh.Height, 45);
    EXPECT_GT(canvas.TextExtent("WWWW").Width, canvas.TextExtent("iiii").Width);
    const int regular = canvas.TextExtent("Description").Width;
    canvas.SetFont({"Arial", 31, fsBold, 0});
    EXPECT_GT(canvas.TextExtent("Description").Width, regular);
    painter.end();
}

TEST_F(PainterPrintCanvasTest, TextKeepsItsColourAfterTheBorderPenIsSet) {
    canvas.FillRect({10, 10, 50, 50}, RGBColor(0, 0, 0xFF));
    canvas.SetFont(font);
    canvas.SetPen(psSolid, 2, clBlack);
    canvas.Line(0, 190, 399, 190);
    canvas.TextOut(100, 100, "MMMM");
    EXPECT_TRUE(AnyPixel({100, 100, 150, 40}, qRgb(255, 0, 0)));
    EXPECT_EQ(image.pixel(20, 20), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(200, 190), qRgb(0, 0, 0));
}

TEST_F(PainterPrintCanvasTest, ClippedTextStaysInsideItsCell) {
    canvas.SetFont(font);
    canvas.TextRect({0, 0, 40, 60}, 5, 5, "WWWWWWWWWWWW");
    EXPECT_TRUE(AnyInk({0, 0, 40, 60}));
    EXPECT_FALSE(AnyInk({42, 0, 300, 60}));
}

}  // namespace
}  // namespace tkm
