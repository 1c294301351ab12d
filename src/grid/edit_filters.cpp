#include "grid/edit_filters.h"

#include <algorithm>

namespace tkm {

namespace {

bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// text without the selection: what stays around a typed character
bool HoldsOutside(std::u16string_view text, int selStart, int selLength, char16_t a, char16_t b) {
    for (int i = 0; i < int(text.size()); ++i) {
        if (i >= selStart && i < selStart + selLength) continue;
        if (text[std::size_t(i)] == a || text[std::size_t(i)] == b) return true;
    }
    return false;
}

}  // namespace

TKeyVerdict NumberKeyVerdict(std::u16string_view text, int selStart, int selLength, char16_t key) {
    if (IsDigit(key) || key == u'\b' || key == u'\t' || key == u'\r' || key == u'\n') return TKeyVerdict::Accept;
    if (key == u'.' || key == u',')
        return HoldsOutside(text, selStart, selLength, u'.', u',') ? TKeyVerdict::Ignore : TKeyVerdict::Accept;
    if (key == u'-')
        return selStart == 0 && !HoldsOutside(text, selStart, selLength, u'-', u'-') ? TKeyVerdict::Accept
                                                                                    : TKeyVerdict::Beep;
    return TKeyVerdict::Ignore;
}

bool IsNumberText(std::u16string_view text, char decimalSeparator, char thousandSeparator) {
    const char16_t decimal = char16_t(static_cast<unsigned char>(decimalSeparator));
    const char16_t thousand = char16_t(static_cast<unsigned char>(thousandSeparator));
    int minus = 0;
    int decimals = 0;
    int lastThousand = -1;
    for (int i = 0; i < int(text.size()); ++i) {
        const char16_t c = text[std::size_t(i)];
        if (c == thousand) {
            if (i == 0 || (lastThousand >= 0 && i - lastThousand < 3)) return false;
            lastThousand = i;
        } else if (c == decimal) {
            ++decimals;
        } else if (c == u'-') {
            ++minus;
        } else if (!IsDigit(c)) {
            return false;
        }
    }
    return minus <= 1 && decimals <= 1;
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
