#include "grid/picker_typing.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using F = TPickerField;

// Types `keys` one character at a time (ASCII) from `start`, at the first field.
TPickerValue Typed(std::vector<F> fields, std::string_view keys, TPickerValue start = {{2026, 2, 14}, {10, 17, 43}},
                   const TLocaleFormats& formats = {}) {
    TPickerTyping typing(std::move(fields), formats);
    typing.Start(start, 0);
    for (char key : keys) typing.Type(std::string_view(&key, 1));
    return typing.Value();
}

TDate TypedDate(std::vector<F> fields, std::string_view keys) { return Typed(std::move(fields), keys).Date; }
TTimeOfDay TypedTime(std::vector<F> fields, std::string_view keys, TTimeOfDay start = {10, 17, 43}) {
    return Typed(std::move(fields), keys, {{}, start}).Time;
}

const std::vector<F> DayFirst{F::Day, F::Month, F::Year};
const std::vector<F> MonthFirst{F::Month, F::Day, F::Year};

TEST(PickerTyping, DatesAreTheDatesTyped) {
    EXPECT_EQ(TypedDate(DayFirst, "15/01/2027"), (TDate{2027, 1, 15}));
    EXPECT_EQ(TypedDate(DayFirst, "5/1/2027"), (TDate{2027, 1, 5}));
    EXPECT_EQ(TypedDate(DayFirst, "15012027"), (TDate{2027, 1, 15})) << "a full field moves on with the next digit";
    EXPECT_EQ(TypedDate(DayFirst, "15.01.2027"), (TDate{2027, 1, 15}));
    EXPECT_EQ(TypedDate(DayFirst, "15. 1. 2027"), (TDate{2027, 1, 15})) << "blanks after a separator";
    EXPECT_EQ(TypedDate(MonthFirst, "12/20/2026"), (TDate{2026, 12, 20}));
    EXPECT_EQ(TypedDate(MonthFirst, "2/3"), (TDate{2026, 2, 3})) << "the year stays";
    EXPECT_EQ(TypedDate(DayFirst, "31/1"), (TDate{2026, 1, 31})) << "a day past February waits for its month";
    EXPECT_EQ(TypedDate(DayFirst, "31"), (TDate{2026, 2, 28})) << "shown as the month's last day";
}

TEST(PickerTyping, OneOrTwoYearDigitsAre1950To2049) {
    EXPECT_EQ(TypedDate(DayFirst, "1/2/27").Year, 2027);
    EXPECT_EQ(TypedDate(DayFirst, "1/2/49").Year, 2049);
    EXPECT_EQ(TypedDate(DayFirst, "1/2/50").Year, 1950);
    EXPECT_EQ(TypedDate(DayFirst, "1/2/99").Year, 1999);
    EXPECT_EQ(TypedDate(DayFirst, "1/2/7").Year, 2007);
    EXPECT_EQ(TypedDate(DayFirst, "1/2/1999").Year, 1999);
    EXPECT_EQ(TypedDate({F::Year, F::Month, F::Day}, "27-3-4"), (TDate{2027, 3, 4}));
}

TEST(PickerTyping, MonthNamesFromTheirFirstLetters) {
    const std::vector<F> named{F::Day, F::MonthName, F::Year};
    EXPECT_EQ(TypedDate(named, "15 Jan 2027"), (TDate{2027, 1, 15}));
    EXPECT_EQ(TypedDate(named, "3 ma"), (TDate{2026, 3, 3}));
    EXPECT_EQ(TypedDate(named, "3 may 27"), (TDate{2027, 5, 3}));
    EXPECT_EQ(TypedDate(named, "3 june 27"), (TDate{2027, 6, 3})) << "the long name";
    EXPECT_EQ(TypedDate(named, "3 11 27"), (TDate{2027, 11, 3})) << "or the month's number";
    EXPECT_EQ(TypedDate(named, "3Dec"), (TDate{2026, 12, 3})) << "a letter goes to the name";
}

TEST(PickerTyping, ATimeTypedLeavesNoOldMinutesOrSeconds) {
    const std::vector<F> clock24{F::Hour24, F::Minute, F::Second};
    EXPECT_EQ(TypedTime(clock24, "09:30"), (TTimeOfDay{9, 30, 0}));
    EXPECT_EQ(TypedTime(clock24, "9:5"), (TTimeOfDay{9, 5, 0}));
    EXPECT_EQ(TypedTime(clock24, "173005"), (TTimeOfDay{17, 30, 5}));
    EXPECT_EQ(TypedTime(clock24, "23:59:59"), (TTimeOfDay{23, 59, 59}));
    const std::vector<F> clock12{F::Hour12, F::Minute, F::Second, F::AmPm};
    EXPECT_EQ(TypedTime(clock12, "3:15:00 PM"), (TTimeOfDay{15, 15, 0}));
    EXPECT_EQ(TypedTime(clock12, "3:15p"), (TTimeOfDay{15, 15, 0}));
    EXPECT_EQ(TypedTime(clock12, "12:05 am", {15, 0, 0}), (TTimeOfDay{0, 5, 0}));
    EXPECT_EQ(TypedTime(clock12, "9", {15, 0, 0}), (TTimeOfDay{21, 0, 0})) << "AM or PM stays until typed";
    EXPECT_EQ(TypedTime(clock12, "3:15x"), (TTimeOfDay{3, 15, 0})) << "other letters do nothing";
}

}  // namespace
}  // namespace tkm
