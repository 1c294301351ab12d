#include "ui/grid/painter_print_canvas.h"

#include "grid/cell_style.h"
#include "ui/grid/cell_text_codec.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QPainter>

#include <cmath>

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

// Arial's advance widths in its 2048 units to the em: a text 2048 pixels high
// at 254 dots per inch is as wide in tenths of a millimetre.
TEST_F(PainterPrintCanvasTest, ArialPrintsInAFaceWithArialsWidths) {
    EXPECT_EQ(QFontInfo(PrintQFont(font, 31)).family(), "Liberation Sans");
    canvas.SetFont({"Arial", 2048, 0, clBlack});
    EXPECT_EQ(canvas.TextExtent(" ").Width, 569);
    EXPECT_EQ(canvas.TextExtent("a").Width, 1139);
    EXPECT_EQ(canvas.TextExtent("W").Width, 1933);
    EXPECT_EQ(canvas.TextExtent("aaiim").Width, 2 * 1139 + 2 * 455 + 1706);
    canvas.SetFont({"Arial", 2048, fsBold, clBlack});
    EXPECT_EQ(canvas.TextExtent("m").Width, 1821);
    painter.end();
}

constexpr const char* MeasuredTexts[] = {"AVATAR",           "To Ty Yo", "office fit flow", "plain text 12.50",
                                         "\xC3\x9Cn\xC3\xAF \xE2\x82\xAC", "caf\xE9 na\xEFve", "", "tab\there",
                                         "2026-12-08 WAVE LT", "AV AV AV"};

// Widths come from tables of advances, which must give what Qt's shaping
// gives: ligatures and other scripts included.
TEST_F(PainterPrintCanvasTest, MeasuresEveryTextAsQtShapesIt) {
    constexpr double Dpi = 1200;
    TPainterPrintCanvas fine(painter, Dpi, Dpi);
    for (const std::uint8_t styles : {std::uint8_t(0), std::uint8_t(fsBold), std::uint8_t(fsItalic)}) {
        const TCanvasFont printed{"Arial", 31, styles, clBlack};
        const QFontMetricsF shaping(PrintQFont(printed, int(std::lround(31 * Dpi / 254))));
        // Windows prints text unkerned, and so do we.
        EXPECT_EQ(shaping.horizontalAdvance("AV"), shaping.horizontalAdvance("A") + shaping.horizontalAdvance("V"));
        fine.SetFont(printed);
        for (const char* text : MeasuredTexts) {
            const int expected = int(std::lround(shaping.horizontalAdvance(CellToDisplay(text)) * 254 / Dpi));
            EXPECT_EQ(fine.TextExtent(text).Width, expected) << text << " in styles " << int(styles);
            // Again, now from the tables.
            EXPECT_EQ(fine.TextExtent(text).Width, expected) << text << " in styles " << int(styles);
            // Only texts the tables add up come quickly, and then the same.
            const auto quick = fine.QuickExtent(text);
            if (quick) {
                EXPECT_EQ(quick->Width, expected) << text;
            }
            EXPECT_EQ(quick.has_value(), std::string_view(text).find_first_of("\xC3\xE2\xE9\t") == std::string_view::npos)
                << text;
        }
    }
    painter.end();
}

// The tables hold for a font that kerns too: its pairs add their kerning.
TEST_F(PainterPrintCanvasTest, AdvanceTablesAddKerningWhereTheFontKerns) {
    QFont kerned = PrintQFont(font, 146);
    kerned.setKerning(true);
    const QFontMetricsF shaping(kerned);
    ASSERT_LT(shaping.horizontalAdvance("AV"), shaping.horizontalAdvance("A") + shaping.horizontalAdvance("V"));
    TFontAdvances tables(kerned);
    for (const char* text : MeasuredTexts) {
        const qreal expected = shaping.horizontalAdvance(CellToDisplay(text));
        EXPECT_EQ(tables.Width(text), expected) << text;
        EXPECT_EQ(tables.Width(text), expected) << text;
    }
    painter.end();
}

}  // namespace
}  // namespace tkm
