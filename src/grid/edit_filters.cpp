#include "grid/edit_filters.h"

#include <algorithm>

namespace tkm {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// text without the selection: what stays around a typed character
bool HoldsOutside(std::u16string_view text, int selStart, int selLength, char16_t c) {
    for (int i = 0; i < int(text.size()); ++i) {
        if (i >= selStart && i < selStart + selLength) continue;
        if (text[std::size_t(i)] == c) return true;
    }
    return false;
}

// A blank separator is what the locale writes as a no-break space.
bool IsThousand(char16_t c, char thousandSeparator) {
    const char16_t thousand = char16_t(static_cast<unsigned char>(thousandSeparator));
    return c == thousand || (thousand == u' ' && (c == u'\u00a0' || c == u'\u202f'));
}

}  // namespace

TKeyVerdict NumberKeyVerdict(std::u16string_view text, int selStart, int selLength, char16_t key,
                             char thousandSeparator) {
    if (IsDigit(key) || key == u'\b' || key == u'\t' || key == u'\r' || key == u'\n') return TKeyVerdict::Accept;
    if (key == u'.' || key == u',' || IsThousand(key, thousandSeparator)) return TKeyVerdict::Accept;
    if (key == u'-')
        return selStart == 0 && !HoldsOutside(text, selStart, selLength, u'-') ? TKeyVerdict::Accept
                                                                              : TKeyVerdict::Beep;
    return TKeyVerdict::Ignore;
}

TNumberText ReadNumberText(std::u16string_view text, char decimalSeparator, char thousandSeparator) {
    const char16_t decimal = char16_t(static_cast<unsigned char>(decimalSeparator));
    const std::size_t end = text.size();
    std::size_t i = 0;
    const auto digitsFrom = [&] {
        const std::size_t start = i;
        while (i < end && IsDigit(text[i])) ++i;
        return i - start;
    };
    if (i < end && text[i] == u'-') ++i;
    std::size_t digits = digitsFrom();
    const std::size_t firstGroup = digits;
    while (i < end && IsThousand(text[i], thousandSeparator)) {
        if (firstGroup == 0 || firstGroup > 3) return TNumberText::NotANumber;
        ++i;
        const std::size_t group = digitsFrom();
        digits += group;
        if (group > 3) return TNumberText::NotANumber;
        if (group < 3) return i == end ? TNumberText::Unfinished : TNumberText::NotANumber;
    }
    if (i < end && text[i] == decimal) {
        ++i;
        digits += digitsFrom();
    }
    if (i != end) return TNumberText::NotANumber;
    return digits > 0 || text.empty() ? TNumberText::Number : TNumberText::Unfinished;
}

std::u16string WithoutGrouping(std::u16string_view text, char thousandSeparator) {
    std::u16string plain;
    plain.reserve(text.size());
    for (char16_t c : text)
        if (!IsThousand(c, thousandSeparator)) plain += c;
    return plain;
}

std::optional<TPasteResult> ComposePaste(std::u16string_view text, int selStart, int selLength,
                                         std::u16string_view clip, int maxLength) {
    if (maxLength > 0 && int(clip.size()) > maxLength) return std::nullopt;
    selStart = std::clamp(selStart, 0, int(text.size()));
    selLength = std::clamp(selLength, 0, int(text.size()) - selStart);
    TPasteResult result;
    result.Text.reserve(text.size() - std::size_t(selLength) + clip.size());
    result.Text.append(text.substr(0, std::size_t(selStart)));
    result.Text.append(clip);
    result.Text.append(text.substr(std::size_t(selStart + selLength)));
    if (maxLength > 0 && int(result.Text.size()) > maxLength) return std::nullopt;
    if (selLength > 0) {
        result.SelStart = selStart;
        result.SelLength = int(clip.size());
    } else {
        result.SelStart = selStart + int(clip.size());
    }
    return result;
}

}  // namespace tkm
