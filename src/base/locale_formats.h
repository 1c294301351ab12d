#pragma once

#include <array>
#include <string>

namespace tkm {

// The locale's formats in the picture language the cells are written in:
// d dd ddd dddd ddddd dddddd, m mm mmm mmmm, yy yyyy, c, h hh, n nn, s ss,
// am/pm, a/p, ampm; text in quotes is literal, every other character stands
// for itself.
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

    // No number could be read with one character for both separators: the
    // thousands separator gives way.
    void KeepSeparatorsApart() {
        if (ThousandSeparator == DecimalSeparator) ThousandSeparator = DecimalSeparator == ',' ? '.' : ',';
    }
};

}  // namespace tkm
