#include "grid/print/page_decorations.h"

#include "grid/print/print_canvas.h"
#include "grid/print/print_cell_look.h"

#include <algorithm>

namespace tkm {

namespace {

// Left slots grow to the left, the others to the right, one blank between items.
void AddItem(TPageDecorations::TSlots& slots, TPrintPosition position, const std::string& item) {
    if (position == ppNone) return;
    std::string& slot = slots[position - 1];
    slot = IsLeftPosition(position) ? item + " " + slot : slot + " " + item;
}

}  // namespace

TPageDecorations::TPageDecorations(const TPrintSettings& settings, const TPrintMetrics& metrics,
                                   const TColorScheme& scheme, const TLocaleFormats& formats, TDate today,
                                   TTimeOfDay now)
    : settings_(settings),
      metrics_(metrics),
      scheme_(scheme),
      time_(FormatTime(now, "hh:nn", formats)),
      date_(FormatDateTime(today, now, settings.DateFormat, formats)) {}

bool TPageDecorations::AnyAt(bool (*side)(TPrintPosition)) const {
    return side(settings_.Time) || side(settings_.Date) || side(settings_.PageNr) || side(settings_.Title);
}

// Space is kept for every position in use, even for a title with no text.
int TPageDecorations::TopHeight() const {
    if (!AnyAt(IsTopPosition)) return settings_.HeaderSize;
    const int extraLines = IsTopPosition(settings_.Title) ? std::max(int(settings_.TitleLines.size()) - 1, 0) : 0;
    return metrics_.Gap + metrics_.HeaderTextHeight + settings_.HeaderSize + extraLines * metrics_.HeaderTextHeight;
}

int TPageDecorations::BottomHeight() const {
    const int line = metrics_.Gap + metrics_.FooterTextHeight;
    if (!AnyAt(IsBottomPosition)) return line + settings_.FooterSize;
    const int extraLines =
        IsBottomPosition(settings_.Title) ? std::max(int(settings_.TitleLines.size()) - 1, 0) : 0;
    return 2 * line + settings_.FooterSize + extraLines * metrics_.FooterTextHeight;
}

std::string TPageDecorations::PageNumberText(const TPageNumber& number) const {
    if (number.ManyGroups) return std::to_string(number.PageInGroup) + "-" + std::to_string(number.Group);
    // A single page has nothing to count.
    if (!settings_.PageNumSep.empty() && number.PageCount > 1)
        return std::to_string(number.Page) + settings_.PageNumSep + std::to_string(number.PageCount);
    return std::to_string(number.Page);
}

TPageDecorations::TSlots TPageDecorations::Slots(const TPageNumber& number) const {
    TSlots slots;
    AddItem(slots, settings_.Time, time_);
    AddItem(slots, settings_.Date, date_);
    // Prefix and suffix keep their blanks even when empty.
    AddItem(slots, settings_.PageNr, settings_.PagePrefix + " " + PageNumberText(number) + " " + settings_.PageSuffix);
    if (!settings_.TitleText.empty())
        AddItem(slots, settings_.Title, settings_.TitleText);
    else if (!settings_.TitleLines.empty())
        AddItem(slots, settings_.Title, settings_.TitleLines.front());
    return slots;
}

int TPageDecorations::SlotX(TPrintPosition position, int textWidth, int pageWidth) const {
    if (IsLeftPosition(position)) return settings_.LeftSize;
    if (position == ppTopRight || position == ppBottomRight) return pageWidth - textWidth - settings_.RightSize - 20;
    return (pageWidth - textWidth) / 2;
}

void TPageDecorations::Draw(TPrintCanvas& canvas, TTextMeasurer& measurer, const TPageNumber& number,
                            int pageWidth, int pageHeight) const {
    const TSlots slots = Slots(number);
    const TCanvasFont headerFont = CanvasFont(settings_.HeaderFont, scheme_, 1.0);
    const TCanvasFont footerFont = CanvasFont(settings_.FooterFont, scheme_, 1.0);
    const int bottomY = pageHeight - (settings_.FooterSize + metrics_.Gap + metrics_.FooterTextHeight);
    auto write = [&](TPrintPosition position, const std::string& text, int lineIndex) {
        const bool top = IsTopPosition(position);
        const TCanvasFont& font = top ? headerFont : footerFont;
        const int lineHeight = top ? metrics_.HeaderTextHeight : metrics_.FooterTextHeight;
        const int width = measurer.ExtentOnce(font, text).Width;
        measurer.Select(font);
        const int y = (top ? settings_.HeaderSize : bottomY) + lineIndex * lineHeight;
        canvas.TextOut(SlotX(position, width, pageWidth), y, text);
    };
    // Further title lines go below the first; at the bottom they would run
    // off the page, so there the title's slot moves up into the space kept for them.
    const bool linesFollow = settings_.TitleText.empty() && settings_.TitleLines.size() > 1;
    const int extraLines = linesFollow ? int(settings_.TitleLines.size()) - 1 : 0;
    auto firstLine = [&](TPrintPosition p) {
        return p == settings_.Title && IsBottomPosition(p) ? -extraLines : 0;
    };
    for (int p = ppTopLeft; p <= ppBottomCenter; ++p) {
        if (!slots[p - 1].empty()) write(TPrintPosition(p), slots[p - 1], firstLine(TPrintPosition(p)));
    }
    if (linesFollow && settings_.Title != ppNone)
        for (int i = 1; i <= extraLines; ++i)
            write(settings_.Title, settings_.TitleLines[i], firstLine(settings_.Title) + i);
}

}  // namespace tkm
