#include "grid/print/text_measurer.h"

namespace tkm {

void TTextMeasurer::Select(const TCanvasFont& font) {
    if (anySelected_ && selected_ == font) return;
    canvas_.SetFont(font);
    selected_ = font;
    anySelected_ = true;
}

TTextExtent TTextMeasurer::Extent(const TCanvasFont& font, std::string_view text) {
    auto& extents = CacheFor(font).Extents;
    if (const auto found = extents.find(text); found != extents.end()) return found->second;
    const TTextExtent extent = ExtentOnce(font, text);
    extents.emplace(text, extent);
    return extent;
}

TTextExtent TTextMeasurer::ExtentOnce(const TCanvasFont& font, std::string_view text) {
    // The canvas measures in its current font; the colour does not matter.
    if (!anySelected_ || !selected_.SameMetrics(font)) Select(font);
    return canvas_.TextExtent(text);
}

TTextMeasurer::TFontCache& TTextMeasurer::CacheFor(const TCanvasFont& font) {
    // Consecutive cells mostly share a font.
    if (lastCache_ < caches_.size() && caches_[lastCache_].Font.SameMetrics(font)) return caches_[lastCache_];
    for (std::size_t i = 0; i < caches_.size(); ++i) {
        if (caches_[i].Font.SameMetrics(font)) {
            lastCache_ = i;
            return caches_[i];
        }
    }
    caches_.push_back({font, {}});
    lastCache_ = caches_.size() - 1;
    return caches_.back();
}

}  // namespace tkm
