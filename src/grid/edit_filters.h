#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// Text filters of the in-place editors, on the editor's own UTF-16 text so
// positions are the editor's caret positions.

enum class TKeyVerdict { Accept, Ignore, Beep };

// A character typed into the decimal-number editor, replacing the selection
// [selStart, selStart + selLength) of text. Separators are let through
// whatever they make of the text: ReadNumberText judges the whole.
TKeyVerdict NumberKeyVerdict(std::u16string_view text, int selStart, int selLength, char16_t key,
                             char thousandSeparator);

enum class TNumberText {
    Number,
    Unfinished,  // typing on at the end could still make it one: "1,2", "-"
    NotANumber
};

// How a whole editor text reads as a number in the locale: an optional minus,
// digits grouped in threes by the thousands separator or not grouped at all,
// and an optional decimal separator with the decimals. The empty text is the
// empty cell. A blank thousands separator stands for the no-break spaces too.
TNumberText ReadNumberText(std::u16string_view text, char decimalSeparator, char thousandSeparator);

// A number as its cell keeps it: without the thousands separators.
std::u16string WithoutGrouping(std::u16string_view text, char thousandSeparator);

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
