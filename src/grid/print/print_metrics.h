#pragma once

#include "grid/color_scheme.h"
#include "grid/print/print_settings.h"
#include "grid/print/text_measurer.h"

namespace tkm {

// The lengths a layout run works out before it places anything.
struct TPrintMetrics {
    int HeaderTextHeight = 0;  // "gh" in the header font
    int FooterTextHeight = 0;  // "gh" in the footer font
    int TableTextHeight = 0;   // "gh" in the table font
    int Gap = 0;               // an eighth of the table text height
    int Inset = 0;             // "a" in the table font: text starts this far into its cell
    int Padding = 0;           // added to every column's text width
    int PenWidth = 0;

    bool operator==(const TPrintMetrics&) const = default;

    static TPrintMetrics Measure(const TPrintSettings& settings, const TColorScheme& scheme, TTextMeasurer& measurer);
};

}  // namespace tkm
