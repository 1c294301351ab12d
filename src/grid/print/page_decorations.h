#pragma once

#include "base/date_text.h"
#include "base/locale_formats.h"
#include "grid/color_scheme.h"
#include "grid/print/print_metrics.h"
#include "grid/print/print_settings.h"

#include <array>
#include <string>

namespace tkm {

class TPrintCanvas;

// Where a page stands in its job, for its page number.
struct TPageNumber {
    int Page = 1;         // through the whole job
    int PageCount = 1;
    int PageInGroup = 1;  // within its column group
    int Group = 1;
    bool ManyGroups = false;
};

// The header and footer of every page: time, date, page number and title in
// six slots, and the space they take at the top and bottom of the page.
class TPageDecorations {
public:
    // Slots in the order of the print positions after ppNone.
    using TSlots = std::array<std::string, 6>;

    TPageDecorations(const TPrintSettings& settings, const TPrintMetrics& metrics, const TColorScheme& scheme,
                     const TLocaleFormats& formats, TDate today, TTimeOfDay now);

    int TopHeight() const;
    int BottomHeight() const;
    TSlots Slots(const TPageNumber& number) const;
    void Draw(TPrintCanvas& canvas, TTextMeasurer& measurer, const TPageNumber& number, int pageWidth,
              int pageHeight) const;

private:
    bool AnyAt(bool (*side)(TPrintPosition)) const;
    std::string PageNumberText(const TPageNumber& number) const;
    int SlotX(TPrintPosition position, int textWidth, int pageWidth) const;

    const TPrintSettings& settings_;
    const TPrintMetrics& metrics_;
    const TColorScheme& scheme_;
    std::string time_;
    std::string date_;
};

}  // namespace tkm
