#pragma once

#include "base/date_text.h"

#include <optional>
#include <span>
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

// A cell read as a number for sorting: an optional "-", digits, and optionally
// the locale's decimal separator and more digits; no blanks, "+", exponent or
// thousands separators. Empty reads as 0; nullopt when the text is not a number.
std::optional<double> ReadSortNumber(std::string_view text, const TLocaleFormats& formats);

// A cell read as a short date, optionally followed by a blank and a time in the
// long time format, in days since 30/12/1899; 0 for any other text (so before
// every real date): a time or a number alone is not a date.
double ReadSortDateTime(std::string_view text, const TLocaleFormats& formats);

// Byte-wise order of unsigned character codes; a prefix comes first.
int CompareBytes(std::string_view a, std::string_view b);

// One cell as the sort compares it, read once for every comparison it takes part in.
struct TSortCell {
    std::string_view Text;
    double Number = 0;
    double Date = 0;
    TSortStyle Style = TSortStyle::Alphabetic;
    bool IsNumber = false;
};

// Fills in the style of cells whose Text is set, and their numbers and dates
// where some cell of the set is compared that way.
void ReadSortCells(std::span<TSortCell> cells, const TLocaleFormats& formats);

// ReadSortCells in two steps, so that a large set can be read in parts: the
// styles, then the numbers and dates that the styles of the whole set call for.
struct TStylesFound {
    bool Numeric = false;
    bool Date = false;
};
TStylesFound DetectSortStyles(std::span<TSortCell> cells, const TLocaleFormats& formats);
void ReadSortValues(std::span<TSortCell> cells, TStylesFound found, const TLocaleFormats& formats);

// -1, 0 or +1 in ascending sense; the first cell's style decides the rule.
int CompareSortCells(const TSortCell& a, const TSortCell& b);

// The order that every comparison within a set of cells agrees with, whichever
// cell comes first: all texts (bytes), all readable numbers, or all dates, empty
// cells allowed beside numbers and dates above 0 (they read as 0 against a
// value but come first as texts). None when comparisons in the set disagree.
enum class TSortOrder { None, Bytes, Numbers, Dates };
TSortOrder ConsistentOrder(std::span<const TSortCell> cells);

}  // namespace tkm
