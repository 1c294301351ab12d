#pragma once

#include <QFont>
#include <QFontMetricsF>

#include <array>
#include <climits>
#include <cstdint>
#include <optional>
#include <string_view>

namespace tkm {

// The width of texts in one font, exactly as Qt lays them out. A print run
// measures millions of cells, and shaping each with Qt is slow. Most cells are
// plain ASCII, whose width is the sum of its characters' advances and of the
// kerning of each pair of neighbours: the table keeps both, the pairs
// filled as they first occur. A text with a pair that Qt joins into a
// ligature, or with any other character, is shaped by Qt.
class TFontAdvances {
public:
    explicit TFontAdvances(const QFont& font);

    // In pixels of the font's size.
    qreal Width(std::string_view text);
    // The same from the tables alone; none for a text Qt must shape.
    std::optional<qreal> TableWidth(std::string_view text);
    qreal Height() const { return height_; }

private:
    static constexpr int FirstChar = 0x20;  // ' ' to '~'
    static constexpr int CharCount = 0x7F - FirstChar;
    static constexpr std::int32_t Unknown = INT32_MIN;
    static constexpr std::int32_t Joined = INT32_MIN + 1;

    // Qt adds advances up in 1/64 pixel; so does the table, so the sums agree.
    std::int64_t Shaped(std::string_view ascii) const;
    int GlyphCount(std::string_view ascii) const;
    // The pair's kerning, or Joined, measured the first time.
    std::int32_t MeasureKerning(int left, int right);

    QFont font_;
    QFontMetricsF metrics_;
    qreal height_;  // asking Qt takes a lock
    std::array<std::int32_t, CharCount> advances_;
    std::array<std::int32_t, CharCount * CharCount> kerning_;
};

}  // namespace tkm
