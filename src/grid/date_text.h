#pragma once

#include <array>
#include <optional>
#include <stdexcept>
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

// The locale's formats in the picture language the cells are written in:
// d dd ddd dddd, m mm mmm mmmm, yy yyyy, h hh, n nn, s ss, am/pm, ampm; text in
// quotes is literal, every other character stands for itself.
struct TLocaleFormats {
    std::string ShortDateFormat = "dd/mm/yyyy";
    std::string LongDateFormat = "dddd, d mmmm yyyy";
    std::string LongTimeFormat = "hh:nn:ss";
    char DecimalSeparator = '.';
    char ThousandSeparator = ',';
    std::string TimeAMString = "AM";
    std::string TimePMString = "PM";
    std::array<std::string, 12> LongMonthNames{"January", "February", "March", "April", "May", "June", "July",
                                               "August", "September", "October", "November", "December"};
    std::array<std::string, 12> ShortMonthNames{"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
    // Sunday first.
    std::array<std::string, 7> LongDayNames{"Sunday", "Monday", "Tuesday", "Wednesday",
                                            "Thursday", "Friday", "Saturday"};
    std::array<std::string, 7> ShortDayNames{"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
};

// A text that is not a date or a time where one was needed.
class EConvertError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

std::string FormatDate(const TDate& date, std::string_view picture, const TLocaleFormats& formats);
std::string FormatTime(const TTimeOfDay& time, std::string_view picture, const TLocaleFormats& formats);

// Reads a date typed the way the short date picture writes it: its fields in
// its order, one or two digits for day and month (or a month name where the
// picture has one), two or four for the year, and the picture's separators
// with blanks loose around them. Two-digit years 00-49 are 2000-2049, 50-99
// are 1950-1999, whatever today is. Whole days only: a time part, a missing
// field or an impossible day (31/02) is not a date.
std::optional<TDate> ParseDate(std::string_view text, const TLocaleFormats& formats);
// Reads h[:n[:s]] with an optional AM/PM marker.
std::optional<TTimeOfDay> ParseTime(std::string_view text, const TLocaleFormats& formats);

TDate StrToDate(std::string_view text, const TLocaleFormats& formats);  // throws EConvertError

}  // namespace tkm
