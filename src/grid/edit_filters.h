#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// Text filters of the in-place editors, on the editor's own UTF-16 text so
// positions are the editor's caret positions.

enum class TKeyVerdict { Accept, Ignore, Beep };

// A character typed into the decimal-number editor, replacing the selection
// [selStart, selStart + selLength) of text.
TKeyVerdict NumberKeyVerdict(std::u16string_view text, int selStart, int selLength, char16_t key);

// Whether a whole editor text reads as a number in the locale: digits, at most
// one minus sign and one decimal separator, thousands separators neither first
// nor fewer than three positions apart.
bool IsNumberText(std::u16string_view text, char decimalSeparator, char thousandSeparator);

struct TPasteResult {
    std::u16string Text;
    int SelStart = 0;   // after the paste: the pasted text selected,
    int SelLength = 0;  // or the caret right after it
};

// The editor text after pasting clip over the selection; nothing when a length
// limit (maxLength > 0) would be passed.
std::optional<TPasteResult> ComposePaste(std::u16string_view text, int selStart, int selLength,
                                         std::u16string_view clip, int maxLength);

}  // namespace tkm
