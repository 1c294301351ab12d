#include "ui/grid/cell_painter.h"
#include "ui/grid/ui_colors.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace tkm {
namespace {

const QColor Backdrop(0, 128, 0);

class CellPainterTest : public ::testing::Test {
protected:
    TColorScheme scheme = SchemeFromPalette(QApplication::palette());

    QImage Painted(const TCellPaint& cell) {
        QImage image(cell.Rect.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        QPainter painter(&image);
        TCellPainter(scheme).Paint(painter, cell);
        return image;
    }

    static TCellPaint Header(TSortDirection direction) {
        TCellPaint cell;
        cell.Rect = QRect(0, 0, 80, 19);
        cell.Style.Brush = RGBColor(0, 128, 0);
        cell.SortIndicator = direction;
        return cell;
    }
};

struct TInk {
    QRect Box;
    int White = 0;
    int Grey = 0;
    int WhiteInTopRow = 0;
    int WhiteInBottomRow = 0;
};

TInk InkOf(const QImage& image) {
    TInk ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c == Backdrop) continue;
            ink.Box |= QRect(x, y, 1, 1);
            if (c == QColor(Qt::white)) ++ink.White;
            if (c == QColor(128, 128, 128)) ++ink.Grey;
        }
    for (int x = ink.Box.left(); x <= ink.Box.right(); ++x) {
        ink.WhiteInTopRow += image.pixelColor(x, ink.Box.top()) == QColor(Qt::white);
        ink.WhiteInBottomRow += image.pixelColor(x, ink.Box.bottom()) == QColor(Qt::white);
    }
    return ink;
}

// Two white edges and one grey, 8 by 8, the flat edge away from the apex.
TEST_F(CellPainterTest, SortIndicatorsAreEightByEightWithTwoWhiteEdges) {
    const TInk up = InkOf(Painted(Header(TSortDirection::sdAscending)));
    const TInk down = InkOf(Painted(Header(TSortDirection::sdDescending)));
    for (const TInk& ink : {up, down}) {
        EXPECT_EQ(ink.Box.size(), QSize(8, 8));
        // Three edges of 8 pixels sharing two corners, the white ones drawn last.
        EXPECT_EQ(ink.White, 15);
        EXPECT_EQ(ink.Grey, 7);
    }
    EXPECT_EQ(up.WhiteInBottomRow, 8);
    EXPECT_EQ(up.WhiteInTopRow, 1);
    EXPECT_EQ(down.WhiteInTopRow, 8);
    EXPECT_EQ(down.WhiteInBottomRow, 1);
}

}  // namespace
}  // namespace tkm
