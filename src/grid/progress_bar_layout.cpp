#include "grid/progress_bar_layout.h"

namespace tkm {

long long RoundHalfEven(long long numerator, long long denominator) {
    long long q = numerator / denominator;
    long long r = numerator % denominator;
    if (r < 0) {  // floor division
        --q;
        r += denominator;
    }
    if (2 * r > denominator || (2 * r == denominator && (q & 1))) ++q;
    return q;
}

TProgressBarLayout LayoutProgressBar(const TPixelRect& cell, long long value, int labelWidth, int labelHeight) {
    TProgressBarLayout layout;
    layout.Inner = {cell.Left + 2, cell.Top + 2, cell.Right - 2, cell.Bottom - 2};
    layout.BarRight = int(layout.Inner.Left + RoundHalfEven(value * layout.Inner.Width(), 100));
    // Whole-number division toward zero, as the label's halving has always been.
    layout.LabelX = layout.Inner.Left + (layout.Inner.Width() - labelWidth) / 2;
    layout.LabelY = layout.Inner.Top + (layout.Inner.Height() - labelHeight) / 2;
    return layout;
}

}  // namespace tkm
