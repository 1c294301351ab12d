#pragma once

#include <QFontMetricsF>

#include <array>
#include <cstdint>
#include <string_view>

namespace tkm {

// The width of texts in one font, exactly as Qt lays them out. A print run
// measures millions of cells, and shaping each with Qt is slow. Most cells are
// plain ASCII, whose width is the sum of its characters' advances as long as
// no pair of neighbours is kerned or joined into a ligature: the table keeps
// both, filled as characters and pairs first occur. Any other text is shaped
// by Qt.
class TFontAdvances {
public:
    explicit TFontAdvances(const QFont& font);

    // In pixels of the font's size.
    qreal Width(std::string_view text);
    qreal Height() const { return metrics_.height(); }

private:
    static constexpr int FirstChar = 0x20;  // ' ' to '~'
    static constexpr int CharCount = 0x7F - FirstChar;
    enum TPairFit : std::int8_t { pfUnknown, pfSum, pfShaped };

    // Qt adds advances up in 1/64 pixel; so does the table, so the sums agree.
    std::int64_t Shaped(std::string_view ascii) const;
    std::int64_t Advance(int index);
    bool AddsUp(int left, int right);

    QFontMetricsF metrics_;
    std::array<std::int32_t, CharCount> advances_;
    std::array<TPairFit, CharCount * CharCount> pairs_{};
};

}  // namespace tkm
