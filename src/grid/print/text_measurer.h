#pragma once

#include "grid/print/print_canvas.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace tkm {

// Measures texts on a canvas and selects fonts for drawing. A layout measures
// every cell, and the same texts recur down a column (statuses, dates,
// priorities), so a text measured once is remembered for its font, unless
// the canvas tells its extent as fast as the memory would. The memory
// is a small fixed table, never one as large as the document; a text that
// keeps recurring holds its place against texts seen once (descriptions).
class TTextMeasurer {
public:
    // The memory is sized for about `texts` different texts, within its fixed bound.
    TTextMeasurer(TPrintCanvas& canvas, std::size_t texts);

    // Makes `font` the canvas's font, unless it already is.
    void Select(const TCanvasFont& font);
    // A number for the font's size and shape, colour aside, to measure by.
    int FontIndex(const TCanvasFont& font);
    // `text` must outlive the measurer: a cell view of the unchanged grid or a literal.
    TTextExtent Extent(int fontIndex, std::string_view text);
    TTextExtent Extent(const TCanvasFont& font, std::string_view text) { return Extent(FontIndex(font), text); }
    // For a text made up on the spot, such as a page number: not kept.
    TTextExtent ExtentOnce(const TCanvasFont& font, std::string_view text);

private:
    struct TSlot {
        std::size_t Hash = 0;
        std::string_view Text;
        TTextExtent Extent;
        int Font = -1;
        int Hits = 0;
    };

    TPrintCanvas& canvas_;
    std::vector<TCanvasFont> fonts_;  // a layout uses a handful
    int lastFont_ = -1;
    std::vector<TSlot> slots_;
    TCanvasFont selected_;
    bool anySelected_ = false;
    int selectedIndex_ = -1;  // the font index `selected_` came from, if any
};

}  // namespace tkm
