#pragma once

#include "grid/date_text.h"

#include <optional>
#include <string_view>

namespace tkm {

enum class TNumberClass { None, Integer, Float };

// Whether a text is written as a whole or a decimal number in the locale's
// separators: digits, one "-", one decimal separator, and thousands separators
// at least three places apart and never first.
TNumberClass ClassifyNumber(std::string_view text, const TLocaleFormats& formats);

// The rule one sort comparison follows; the first operand's text decides it.
enum class TSortStyle { Alphabetic, Numeric, Date };
TSortStyle DetectSortStyle(std::string_view text, const TLocaleFormats& formats);

// A cell read as a number for sorting: the first decimal separator stands for
// ".", thousands separators are not allowed. Empty reads as 0; nullopt when the
// text is not a number.
std::optional<double> ReadSortNumber(std::string_view text, const TLocaleFormats& formats);

// A cell read as a date and time in the short date and long time formats, in
// days since 30/12/1899; 0 for a text that is neither (so before every real date).
double ReadSortDateTime(std::string_view text, const TLocaleFormats& formats);

// Byte-wise order of unsigned character codes; a prefix comes first.
int CompareBytes(std::string_view a, std::string_view b);

}  // namespace tkm
