#pragma once

#include "grid/grid_types.h"

namespace tkm {

// Where the parts of a progress-bar cell go.
struct TProgressBarLayout {
    TPixelRect Inner;  // the cell shrunk by 2 pixels on every side
    int BarRight = 0;  // the bar fills Inner.Left .. BarRight
    int LabelX = 0;
    int LabelY = 0;
};

// value is not clamped: the bar may reach past the inner rectangle.
TProgressBarLayout LayoutProgressBar(const TPixelRect& cell, long long value, int labelWidth, int labelHeight);

// Rounds numerator / denominator (denominator > 0) to the nearest whole number, halves to even.
long long RoundHalfEven(long long numerator, long long denominator);

}  // namespace tkm
