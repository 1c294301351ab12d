#include "grid/sort_compare.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TLocaleFormats DotDecimal() { return {}; }
TLocaleFormats DotDates() {
    TLocaleFormats f;
    f.ShortDateFormat = "dd.mm.yyyy";
    f.DecimalSeparator = '.';
    f.ThousandSeparator = ' ';
    return f;
}
TLocaleFormats CommaDecimal() {
    TLocaleFormats f;
    f.DecimalSeparator = ',';
    f.ThousandSeparator = '.';
    return f;
}

TEST(ClassifyNumber, WholeAndDecimalNumbersInTheLocaleSeparators) {
    const TLocaleFormats f = DotDecimal();
    EXPECT_EQ(ClassifyNumber("", f), TNumberClass::None);
    EXPECT_EQ(ClassifyNumber("42", f), TNumberClass::Integer);
    EXPECT_EQ(ClassifyNumber("-7", f), TNumberClass::Integer);
    EXPECT_EQ(ClassifyNumber("-", f), TNumberClass::Integer);
    EXPECT_EQ(ClassifyNumber("10.5", f), TNumberClass::Float);
    EXPECT_EQ(ClassifyNumber("1,000,000.25", f), TNumberClass::Float);
    EXPECT_EQ(ClassifyNumber("1,0,0", f), TNumberClass::None) << "groups closer than three places";
    EXPECT_EQ(ClassifyNumber(",100", f), TNumberClass::None) << "a separator first";
    EXPECT_EQ(ClassifyNumber("--1", f), TNumberClass::None);
    EXPECT_EQ(ClassifyNumber("1.2.3", f), TNumberClass::None);
    EXPECT_EQ(ClassifyNumber("1e5", f), TNumberClass::None);
    EXPECT_EQ(ClassifyNumber("12,5", CommaDecimal()), TNumberClass::Float);
    EXPECT_EQ(ClassifyNumber("07.12.2026", DotDates()), TNumberClass::None) << "two decimal separators";
}

TEST(SortStyle, FirstOperandDecidesBetweenNumberDateAndText) {
    const TLocaleFormats f = DotDecimal();
    EXPECT_EQ(DetectSortStyle("9", f), TSortStyle::Numeric);
    EXPECT_EQ(DetectSortStyle("7/12/2026", f), TSortStyle::Date);
    EXPECT_EQ(DetectSortStyle("07/12/2026", f), TSortStyle::Date);
    EXPECT_EQ(DetectSortStyle("2026/12/07", f), TSortStyle::Alphabetic) << "slash at position 5";
    EXPECT_EQ(DetectSortStyle("7/", f), TSortStyle::Alphabetic) << "slash is the last character";
    EXPECT_EQ(DetectSortStyle("a/b", f), TSortStyle::Alphabetic);
    EXPECT_EQ(DetectSortStyle("17:00:00", f), TSortStyle::Alphabetic);
    EXPECT_EQ(DetectSortStyle("", f), TSortStyle::Alphabetic);
    EXPECT_EQ(DetectSortStyle("07.12.2026", DotDates()), TSortStyle::Alphabetic);
}

TEST(SortValues, NumbersReadWithTheLocaleDecimalSeparator) {
    EXPECT_EQ(ReadSortNumber("", DotDecimal()), 0.0);
    EXPECT_EQ(ReadSortNumber("10.5", DotDecimal()), 10.5);
    EXPECT_EQ(ReadSortNumber("-3", DotDecimal()), -3.0);
    EXPECT_EQ(ReadSortNumber("007", DotDecimal()), 7.0);
    EXPECT_EQ(ReadSortNumber("12,5", CommaDecimal()), 12.5);
    EXPECT_FALSE(ReadSortNumber("1,000", DotDecimal())) << "thousands separators are not removed";
    EXPECT_FALSE(ReadSortNumber("12.5", CommaDecimal())) << "only the locale's separator";
    for (const char* text : {"-", "inf", "Call Ann", "   ", " -3 ", " 5", "5 ", "+4", "1e2", "0x1A", "5.", ".5", "1.2.3", "--1"})
        EXPECT_FALSE(ReadSortNumber(text, DotDecimal())) << '"' << text << '"';
}

TEST(SortValues, DatesAndTimesCountFromDayZero) {
    const TLocaleFormats f = DotDecimal();
    EXPECT_EQ(ReadSortDateTime("31/12/1899", f), 1.0);
    EXPECT_EQ(ReadSortDateTime("01/01/1970", f), 25569.0);
    EXPECT_EQ(ReadSortDateTime("01/01/1970 12:00:00", f), 25569.5);
    EXPECT_EQ(ReadSortDateTime("01/01/1970  6:00:00", f), 25569.25);
    EXPECT_EQ(ReadSortDateTime("", f), 0.0);
    EXPECT_EQ(ReadSortDateTime("soon", f), 0.0);
    EXPECT_LT(ReadSortDateTime("7/12/2026", f), ReadSortDateTime("8/12/2026", f));
    // Only a short date, with a time in the long time format after it, is a date.
    for (const char* text : {"06:00:00", "2", "9", "10.5", "01/01/1970 12", "01/01/1970 12:00", "01/01/1970 12:00:00x",
                             "01/01/1970 25:00:00", "01/01/1970 noon"})
        EXPECT_EQ(ReadSortDateTime(text, f), 0.0) << '"' << text << '"';
    TLocaleFormats us;
    us.ShortDateFormat = "m/d/yyyy";
    us.LongTimeFormat = "h:nn:ss AM/PM";
    EXPECT_EQ(ReadSortDateTime("1/1/1970 6:00:00 PM", us), 25569.75);
    EXPECT_EQ(ReadSortDateTime("1/1/1970 6:00:00", us), 0.0) << "the marker belongs to the format";
    TLocaleFormats named;
    named.ShortDateFormat = "d mmm yyyy";
    EXPECT_EQ(ReadSortDateTime("1 Jan 1970 06:00:00", named), 25569.25) << "blanks inside the date";
}

TEST(SortValues, BytesCompareUnsignedWithPrefixesFirst) {
    EXPECT_LT(CompareBytes("", "a"), 0);
    EXPECT_LT(CompareBytes("Z", "a"), 0);
    EXPECT_LT(CompareBytes("abc", "abcd"), 0);
    EXPECT_GT(CompareBytes("\xc3\xa9", "z"), 0);
    EXPECT_EQ(CompareBytes("same", "same"), 0);
}

}  // namespace
}  // namespace tkm
