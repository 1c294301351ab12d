#include "base/date_text.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(DateText, FormatsPictures) {
    const TLocaleFormats f;
    const TDate date{2026, 12, 8};
    EXPECT_EQ(FormatDate(date, "dd/mm/yyyy", f), "08/12/2026");
    EXPECT_EQ(FormatDate(date, "dddd, d mmmm yyyy", f), "Tuesday, 8 December 2026");
    EXPECT_EQ(FormatDate(date, "yyyy-mm-dd", f), "2026-12-08");
    EXPECT_EQ(FormatDate(date, "ddd d mmm yy", f), "Tue 8 Dec 26");
    EXPECT_EQ(FormatTime({9, 5, 7}, "hh:nn:ss", f), "09:05:07");
    EXPECT_EQ(FormatTime({17, 5, 0}, "h:mm AM/PM", f), "5:05 PM");
}

TEST(DateText, NamedPicturesTwelveHourMarkersAndTheEmptyPicture) {
    TLocaleFormats f;
    f.TimeAMString = "vorm.";
    f.TimePMString = "nachm.";
    const TDate date{2026, 12, 8};
    const TTimeOfDay afternoon{17, 5, 9};
    EXPECT_EQ(FormatDateTime(date, afternoon, "ddddd", f), "08/12/2026");
    EXPECT_EQ(FormatDateTime(date, afternoon, "dddddd", f), "Tuesday, 8 December 2026");
    EXPECT_EQ(FormatDateTime(date, afternoon, "c", f), "08/12/2026 17:05:09");
    EXPECT_EQ(FormatDateTime(date, afternoon, "", f), "08/12/2026 17:05:09");
    EXPECT_EQ(FormatDateTime(date, afternoon, "\"at\" h:nn:ss", f), "at 17:05:09");
    // Markers keep the case they are written in; "ampm" is the locale's.
    EXPECT_EQ(FormatDateTime(date, afternoon, "hh:nn am/pm", f), "05:05 pm");
    EXPECT_EQ(FormatDateTime(date, {9, 5, 0}, "h:nn AM/PM", f), "9:05 AM");
    EXPECT_EQ(FormatDateTime(date, {0, 5, 0}, "h:nn Am/Pm", f), "12:05 Am");
    EXPECT_EQ(FormatDateTime(date, afternoon, "h:nn a/p", f), "5:05 p");
    EXPECT_EQ(FormatDateTime(date, afternoon, "h:nn ampm", f), "5:05 nachm.");
    EXPECT_EQ(FormatDateTime(date, afternoon, "\"ampm\" h", f), "ampm 17");
    // A date alone leaves the time letters as they are.
    EXPECT_EQ(FormatDate(date, "dd/mm/yyyy hh:nn", f), "08/12/2026 hh:nn");
}

TEST(DateText, ParsesDatesInThePicturesOrder) {
    TLocaleFormats dayFirst;
    EXPECT_EQ(ParseDate("8/12/2026", dayFirst), (TDate{2026, 12, 8}));
    EXPECT_EQ(ParseDate(" 08/12/26 ", dayFirst), (TDate{2026, 12, 8}));
    EXPECT_FALSE(ParseDate("31/02/2026", dayFirst));
    EXPECT_FALSE(ParseDate("08/12/2026 10:00", dayFirst));
    EXPECT_FALSE(ParseDate("2026/12/08", dayFirst));
    EXPECT_FALSE(ParseDate("", dayFirst));
    TLocaleFormats yearFirst;
    yearFirst.ShortDateFormat = "yyyy-mm-dd";
    EXPECT_EQ(ParseDate("2026-2-29", yearFirst), std::nullopt);
    EXPECT_EQ(ParseDate("2028-2-29", yearFirst), (TDate{2028, 2, 29}));
}

TEST(DateText, ParsesTimes) {
    const TLocaleFormats f;
    EXPECT_EQ(ParseTime("17:00", f), (TTimeOfDay{17, 0, 0}));
    EXPECT_EQ(ParseTime("9:30:15", f), (TTimeOfDay{9, 30, 15}));
    EXPECT_EQ(ParseTime("12:15 AM", f), (TTimeOfDay{0, 15, 0}));
    EXPECT_FALSE(ParseTime("25:00", f));
    EXPECT_FALSE(ParseTime("noon", f));
}

TEST(DateText, DayNumbersRoundTrip) {
    for (long long n = -800000; n < 800000; n += 997) EXPECT_EQ(TDate::FromDayNumber(n).DayNumber(), n);
    EXPECT_EQ((TDate{2026, 12, 8}.DayNumber() - TDate{2026, 11, 30}.DayNumber()), 8);
}

}  // namespace
}  // namespace tkm
