#include "base/date_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tkm {
namespace {

TLocaleFormats WithPicture(std::string picture) {
    TLocaleFormats f;
    f.ShortDateFormat = std::move(picture);
    return f;
}

// Whatever the locale's picture, a date the program wrote must read back.
TEST(DateReading, ReadsBackEveryPictureItWrites) {
    const std::vector<std::string> pictures{"dd/mm/yyyy", "yyyy-mm-dd", "m/d/yyyy",    "d.m.yyyy",
                                            "yyyy. mm. dd", "dd-mmm-yyyy", "d mmmm yyyy", "ddd dd/mm/yyyy",
                                            "yyyy\"y\"m\"m\"d\"d\"", "yyyymmdd", "dd/mm/yy"};
    const std::vector<TDate> dates{{2026, 12, 8}, {2028, 2, 29}, {2026, 1, 1}, {1999, 11, 30}, {2049, 5, 31}};
    for (const auto& picture : pictures) {
        const TLocaleFormats f = WithPicture(picture);
        for (const TDate& date : dates) {
            const std::string text = FormatDate(date, picture, f);
            EXPECT_EQ(ParseDate(text, f), date) << picture << ": " << text;
        }
    }
}

TEST(DateReading, TakesWhatPeopleTypeInADayFirstLocale) {
    const TLocaleFormats f = WithPicture("dd/mm/yyyy");
    EXPECT_EQ(ParseDate("1/2/2026", f), (TDate{2026, 2, 1}));
    EXPECT_EQ(ParseDate("01 / 02 / 2026", f), (TDate{2026, 2, 1}));
    EXPECT_EQ(ParseDate("1/2/49", f), (TDate{2049, 2, 1}));
    EXPECT_EQ(ParseDate("1/2/50", f), (TDate{1950, 2, 1}));
    EXPECT_EQ(ParseDate("29/2/2000", f), (TDate{2000, 2, 29}));
    for (const char* bad : {"29/2/2100", "31/04/2026", "0/1/2026", "1/13/2026", "1/2/026", "1/2/2", "1/2/20261",
                            "001/2/2026", "12//03/2026", "12/03/2026/", "/12/03/2026", "12-03-2026", "12/03",
                            "+1/2/2026", "1/2/2026 10:00", "today", "1/2/0000", "   "})
        EXPECT_FALSE(ParseDate(bad, f)) << bad;
}

TEST(DateReading, TakesWhatPeopleTypeInAYearFirstLocale) {
    const TLocaleFormats f = WithPicture("yyyy-mm-dd");
    EXPECT_EQ(ParseDate("2026-3-5", f), (TDate{2026, 3, 5}));
    EXPECT_EQ(ParseDate("26-03-05", f), (TDate{2026, 3, 5}));
    for (const char* bad : {"05-03-2026", "2026/03/05", "2026-02-30", "2026-03", "2026-03-05-"})
        EXPECT_FALSE(ParseDate(bad, f)) << bad;
}

TEST(DateReading, SeparatorsAndNamesFromThePicture) {
    // A separator of blanks alone must still separate.
    const TLocaleFormats blanks = WithPicture("dd mm yyyy");
    EXPECT_EQ(ParseDate("5 3 2026", blanks), (TDate{2026, 3, 5}));
    EXPECT_FALSE(ParseDate("05032026", blanks));
    const TLocaleFormats names = WithPicture("dd-mmm-yyyy");
    EXPECT_EQ(ParseDate("08-DEC-2026", names), (TDate{2026, 12, 8}));
    EXPECT_EQ(ParseDate("08-12-2026", names), (TDate{2026, 12, 8}));
    EXPECT_FALSE(ParseDate("08-Decx-2026", names));
    EXPECT_FALSE(ParseDate("1/2/2026", WithPicture("mm/yyyy")));
    EXPECT_FALSE(ParseDate("1/2/2026", WithPicture("")));
}

TEST(DateReading, StrToDateNamesTheText) {
    try {
        StrToDate("31/02/2026", TLocaleFormats{});
        FAIL();
    } catch (const EConvertError& e) {
        EXPECT_NE(std::string(e.what()).find("31/02/2026"), std::string::npos);
    }
}

}  // namespace
}  // namespace tkm
