#pragma once

#include "base/errors.h"
#include "base/locale_formats.h"

#include <optional>
#include <string>
#include <string_view>

namespace tkm {

struct TDate {
    int Year = 1899;
    int Month = 12;
    int Day = 30;
    auto operator<=>(const TDate&) const = default;
    // Days since 1970-01-01, for arithmetic between dates.
    long long DayNumber() const;
    static TDate FromDayNumber(long long days);
    bool IsValid() const;
};

struct TTimeOfDay {
    int Hour = 0;
    int Minute = 0;
    int Second = 0;
    auto operator<=>(const TTimeOfDay&) const = default;
    int SecondOfDay() const { return Hour * 3600 + Minute * 60 + Second; }
};

// Writes a date, a time or both in a picture of the locale formats' language,
// with "ddddd" the short date, "dddddd" the long date, "c" the short date and
// the long time, and the 12-hour clock where the picture has "am/pm", "a/p"
// or "ampm". Letters for a part not given stand for themselves; an empty
// picture means "c".
std::string FormatDate(const TDate& date, std::string_view picture, const TLocaleFormats& formats);
std::string FormatTime(const TTimeOfDay& time, std::string_view picture, const TLocaleFormats& formats);
std::string FormatDateTime(const TDate& date, const TTimeOfDay& time, std::string_view picture,
                           const TLocaleFormats& formats);

// The length of the AM/PM marker ("am/pm", "a/p", "ampm") a picture goes on with, or 0.
std::size_t MarkerLength(std::string_view picture);

// Reads a date typed the way the short date picture writes it: its fields in
// its order, one or two digits for day and month (or a month name where the
// picture has one), two or four for the year, and the picture's separators
// with blanks loose around them. Two-digit years 00-49 are 2000-2049, 50-99
// are 1950-1999, whatever today is. Whole days only: a time part, a missing
// field or an impossible day (31/02) is not a date.
std::optional<TDate> ParseDate(std::string_view text, const TLocaleFormats& formats);
// Reads h[:n[:s]] with an optional AM/PM marker.
std::optional<TTimeOfDay> ParseTime(std::string_view text, const TLocaleFormats& formats);
// Reads a time written in a time picture only ("hh:nn:ss", "h:nn:ss AM/PM"):
// one or two digits a field, the picture's separators, the marker where it has one.
std::optional<TTimeOfDay> ParseTimeAs(std::string_view text, std::string_view picture, const TLocaleFormats& formats);

TDate StrToDate(std::string_view text, const TLocaleFormats& formats);  // throws EConvertError

}  // namespace tkm
