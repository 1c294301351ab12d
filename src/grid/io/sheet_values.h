#pragma once

#include "base/locale_formats.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// What a column's cells become in a spreadsheet when their text reads as one.
enum class TSheetValueType { Text, Number, Date, Time };

// How the entries' cells are read for a spreadsheet: by real column (columns
// past the end are text), in the document's formats. The header row is text.
struct TSheetTyping {
    std::vector<TSheetValueType> Columns;
    TLocaleFormats Formats;

    TSheetValueType TypeOf(int realColumn) const {
        return std::size_t(realColumn) < Columns.size() ? Columns[std::size_t(realColumn)] : TSheetValueType::Text;
    }
};

// A cell's value as OpenDocument writes it: "-12.50", "2026-12-01",
// "PT09H30M00S".
struct TSheetValue {
    TSheetValueType Type;
    std::string Value;
    int Decimals = 0;  // a number's digits after the separator, shown as typed
};

// Digits a number may have and still come back exactly as typed.
constexpr int MostSheetNumberDigits = 15;

// The value `text` holds as `type`, or none when it is to stay text: a number
// is a plain decimal in the formats' separator (an optional minus, digits, and
// digits after the separator; no grouping, no exponent, no plus); a date reads
// in the short date format as the grid reads dates, from year 1900 on, where
// the spreadsheets count days from; a time reads as the grid reads times.
std::optional<TSheetValue> SheetValueOf(std::string_view text, TSheetValueType type, const TLocaleFormats& formats);

// The data styles that show dates in the short date format and times in the
// long time format, named "Date" and "Time", and numbers with 1 to
// MostSheetNumberDigits - 1 decimals, named "Decimals1"...; as automatic styles
// of a spreadsheet, cell styles of the same names.
std::string SheetValueStyles(const TLocaleFormats& formats);

}  // namespace tkm
