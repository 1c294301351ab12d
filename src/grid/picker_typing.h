#pragma once

#include "base/date_text.h"

#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// The fields of a date or time picker, in the order the picker shows them.
enum class TPickerField { Day, Month, MonthName, Year, Hour24, Hour12, Minute, Second, AmPm };

struct TPickerValue {
    TDate Date;
    TTimeOfDay Time;
    auto operator<=>(const TPickerValue&) const = default;
};

// Keys typed into a picker, read the way people write dates and times: the
// digits of a field until it is full, then the next digit goes on to the next
// field; a separator moves on at once, so "5/1/27" is 5 January 2027. One or
// two year digits are 1950-2049. A new hour clears the minutes and seconds
// and a new minute the seconds, so "9:30" is 9:30:00. Letters pick a month
// name or the AM/PM marker.
class TPickerTyping {
public:
    // The earliest year a picker shows.
    static constexpr int FirstYear = 100;

    TPickerTyping(std::vector<TPickerField> fields, const TLocaleFormats& formats);

    // Starts over from the picker's value, with the caret in field `field`.
    void Start(const TPickerValue& value, int field);
    // One typed character (UTF-8); false when it changes nothing.
    bool Type(std::string_view character);

    int Field() const { return field_; }
    // The value shown: a day past the month's end is its last day, until a
    // month that has it is typed.
    TPickerValue Value() const;

private:
    bool TypeDigit(int digit);
    bool TypeLetter(std::string_view character);
    bool MoveOn();
    bool IsFull() const;
    void SetTyped(int value);
    void ClearSmallerUnits();
    int FieldOf(TPickerField kind) const;

    std::vector<TPickerField> fields_;
    const TLocaleFormats& formats_;
    TPickerValue value_;
    int field_ = 0;
    std::string typed_;  // what was typed into the current field so far
};

}  // namespace tkm
