#pragma once

#include "grid/print/print_canvas.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace tkm {

// Measures texts on a canvas and selects fonts for drawing. A layout measures
// every cell, and the same texts recur down a column (statuses, dates,
// priorities), so each distinct text is measured once per font.
class TTextMeasurer {
public:
    explicit TTextMeasurer(TPrintCanvas& canvas) : canvas_(canvas) {}

    // Makes `font` the canvas's font, unless it already is.
    void Select(const TCanvasFont& font);
    // `text` must outlive the measurer: a cell view of the unchanged grid or a literal.
    TTextExtent Extent(const TCanvasFont& font, std::string_view text);
    // For a text made up on the spot, such as a page number: not kept.
    TTextExtent ExtentOnce(const TCanvasFont& font, std::string_view text);

private:
    struct TFontCache {
        TCanvasFont Font;
        std::unordered_map<std::string_view, TTextExtent> Extents;
    };

    TFontCache& CacheFor(const TCanvasFont& font);

    TPrintCanvas& canvas_;
    std::vector<TFontCache> caches_;  // a layout uses a handful of fonts
    TCanvasFont selected_;
    bool anySelected_ = false;
    std::size_t lastCache_ = 0;
};

}  // namespace tkm
