#include "grid/print/text_measurer.h"

#include <algorithm>
#include <bit>
#include <functional>

namespace tkm {

namespace {

constexpr std::size_t MinSlots = 64;
constexpr std::size_t MaxSlots = std::size_t(1) << 14;
constexpr int MaxHits = 8;

}  // namespace

// A short list's preview, drawn again on every repaint, should not clear a table made for a long one.
TTextMeasurer::TTextMeasurer(TPrintCanvas& canvas, std::size_t texts)
    : canvas_(canvas), slots_(std::bit_ceil(std::clamp(texts, MinSlots, MaxSlots))) {}

void TTextMeasurer::Select(const TCanvasFont& font) {
    if (anySelected_ && selected_ == font) return;
    canvas_.SetFont(font);
    selected_ = font;
    anySelected_ = true;
    selectedIndex_ = -1;
}

TTextExtent TTextMeasurer::Extent(int fontIndex, std::string_view text) {
    if (selectedIndex_ != fontIndex) {
        Select(fonts_[fontIndex]);
        selectedIndex_ = fontIndex;
    }
    if (const auto quick = canvas_.QuickExtent(text)) return *quick;
    const std::size_t hash = std::hash<std::string_view>{}(text) ^ (std::size_t(fontIndex) * 0x9E3779B97F4A7C15ULL);
    TSlot& slot = slots_[hash & (slots_.size() - 1)];
    if (slot.Font == fontIndex && slot.Hash == hash && slot.Text == text) {
        if (slot.Hits < MaxHits) ++slot.Hits;
        return slot.Extent;
    }
    const TTextExtent extent = canvas_.TextExtent(text);
    // A text that keeps recurring outlasts a run of texts that never come back.
    if (slot.Hits > 0)
        --slot.Hits;
    else
        slot = {hash, text, extent, fontIndex, 0};
    return extent;
}

TTextExtent TTextMeasurer::ExtentOnce(const TCanvasFont& font, std::string_view text) {
    // The canvas measures in its current font; the colour does not matter.
    if (!anySelected_ || !selected_.SameMetrics(font)) Select(font);
    return canvas_.TextExtent(text);
}

int TTextMeasurer::FontIndex(const TCanvasFont& font) {
    // Consecutive cells mostly share a font.
    if (lastFont_ >= 0 && fonts_[lastFont_].SameMetrics(font)) return lastFont_;
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
        if (fonts_[i].SameMetrics(font)) return lastFont_ = int(i);
    }
    fonts_.push_back(font);
    return lastFont_ = int(fonts_.size()) - 1;
}

}  // namespace tkm
