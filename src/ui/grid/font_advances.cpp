#include "ui/grid/font_advances.h"

#include "ui/grid/cell_text_codec.h"

#include <QTextLayout>

#include <cmath>

namespace tkm {

TFontAdvances::TFontAdvances(const QFont& font) : font_(font), metrics_(font), height_(metrics_.height()) {
    for (int index = 0; index < CharCount; ++index) {
        const char c = char(FirstChar + index);
        advances_[index] = std::int32_t(Shaped(std::string_view(&c, 1)));
    }
    kerning_.fill(Unknown);
}

std::int64_t TFontAdvances::Shaped(std::string_view ascii) const {
    return std::llround(metrics_.horizontalAdvance(QString::fromLatin1(ascii.data(), qsizetype(ascii.size()))) * 64);
}

int TFontAdvances::GlyphCount(std::string_view ascii) const {
    QTextLayout layout(QString::fromLatin1(ascii.data(), qsizetype(ascii.size())), font_);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int count = 0;
    for (const QGlyphRun& run : layout.glyphRuns()) count += int(run.glyphIndexes().size());
    return count;
}

std::int32_t TFontAdvances::MeasureKerning(int left, int right) {
    const char pair[2] = {char(FirstChar + left), char(FirstChar + right)};
    std::int32_t kerning = std::int32_t(Shaped(std::string_view(pair, 2)) - advances_[left] - advances_[right]);
    // Kerning moves two glyphs closer; a ligature makes one of them.
    if (kerning != 0 && GlyphCount(std::string_view(pair, 2)) != 2) kerning = Joined;
    return kerning_[left * CharCount + right] = kerning;
}

std::optional<qreal> TFontAdvances::TableWidth(std::string_view text) {
    std::int64_t sum = 0;
    int previous = -1;
    for (const char c : text) {
        const int index = (unsigned char)c - FirstChar;
        if (index < 0 || index >= CharCount) return std::nullopt;
        if (previous >= 0) {
            std::int32_t kerning = kerning_[previous * CharCount + index];
            if (kerning == Unknown) kerning = MeasureKerning(previous, index);
            if (kerning == Joined) return std::nullopt;
            sum += kerning;
        }
        sum += advances_[index];
        previous = index;
    }
    return qreal(sum) / 64;
}

qreal TFontAdvances::Width(std::string_view text) {
    if (const auto width = TableWidth(text)) return *width;
    return metrics_.horizontalAdvance(CellToDisplay(text));
}

}  // namespace tkm
