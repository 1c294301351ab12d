#include "ui/grid/font_advances.h"

#include "ui/grid/cell_text_codec.h"

#include <cmath>

namespace tkm {

TFontAdvances::TFontAdvances(const QFont& font) : metrics_(font) { advances_.fill(-1); }

std::int64_t TFontAdvances::Shaped(std::string_view ascii) const {
    return std::llround(metrics_.horizontalAdvance(QString::fromLatin1(ascii.data(), qsizetype(ascii.size()))) * 64);
}

std::int64_t TFontAdvances::Advance(int index) {
    if (advances_[index] < 0) {
        const char c = char(FirstChar + index);
        advances_[index] = std::int32_t(Shaped(std::string_view(&c, 1)));
    }
    return advances_[index];
}

bool TFontAdvances::AddsUp(int left, int right) {
    TPairFit& fit = pairs_[left * CharCount + right];
    if (fit == pfUnknown) {
        const char pair[2] = {char(FirstChar + left), char(FirstChar + right)};
        fit = Shaped(std::string_view(pair, 2)) == Advance(left) + Advance(right) ? pfSum : pfShaped;
    }
    return fit == pfSum;
}

qreal TFontAdvances::Width(std::string_view text) {
    std::int64_t sum = 0;
    int previous = -1;
    for (const char c : text) {
        const int index = (unsigned char)c - FirstChar;
        if (index < 0 || index >= CharCount || (previous >= 0 && !AddsUp(previous, index)))
            return metrics_.horizontalAdvance(CellToDisplay(text));
        sum += Advance(index);
        previous = index;
    }
    return qreal(sum) / 64;
}

}  // namespace tkm
