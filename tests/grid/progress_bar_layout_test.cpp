#include "grid/progress_bar_layout.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(ProgressBarLayout, BarWidthRoundsHalvesToEven) {
    const TPixelRect cell{10, 0, 10 + 105, 19};  // inner width 101
    EXPECT_EQ(LayoutProgressBar(cell, 50, 0, 0).BarRight - 12, 50);   // 50.5 -> 50
    EXPECT_EQ(LayoutProgressBar(cell, 30, 0, 0).BarRight - 12, 30);   // 30.3 -> 30
    EXPECT_EQ(LayoutProgressBar(cell, 70, 0, 0).BarRight - 12, 71);   // 70.7 -> 71
    EXPECT_EQ(LayoutProgressBar(cell, 100, 0, 0).BarRight, cell.Right - 2);
    EXPECT_EQ(LayoutProgressBar(cell, 0, 0, 0).BarRight, cell.Left + 2);
    EXPECT_EQ(LayoutProgressBar({0, 0, 104, 19}, 50, 0, 0).BarRight - 2, 50);  // 50 exactly
    EXPECT_GT(LayoutProgressBar(cell, 150, 0, 0).BarRight, cell.Right);        // not clamped
}

TEST(ProgressBarLayout, LabelCentresWithDivisionTowardZero) {
    const TPixelRect cell{0, 0, 74, 19};  // inner 70 x 15
    const TProgressBarLayout layout = LayoutProgressBar(cell, 0, 21, 12);
    EXPECT_EQ(layout.LabelX, 2 + 24);  // (70 - 21) / 2
    EXPECT_EQ(layout.LabelY, 2 + 1);
    EXPECT_EQ(LayoutProgressBar(cell, 0, 75, 12).LabelX, 2 - 2);  // -5 / 2 toward zero
}

TEST(ProgressBarLayout, RoundHalfEvenHandlesNegatives) {
    EXPECT_EQ(RoundHalfEven(-50, 100), 0);
    EXPECT_EQ(RoundHalfEven(-150, 100), -2);
    EXPECT_EQ(RoundHalfEven(250, 100), 2);
    EXPECT_EQ(RoundHalfEven(-151, 100), -2);
}

}  // namespace
}  // namespace tkm
