#include "platform/qt/system_locale.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(SystemLocale, PicturesBecomeQtFormatsAndBack) {
    EXPECT_EQ(QtFormatFromPicture("dd/mm/yyyy"), "dd/MM/yyyy");
    EXPECT_EQ(QtFormatFromPicture("yyyy-m-d"), "yyyy-M-d");
    EXPECT_EQ(QtFormatFromPicture("hh:nn:ss"), "hh:mm:ss");
    EXPECT_EQ(QtFormatFromPicture("h:mm:ss AM/PM"), "h:mm:ss AP");  // m after an hour is the minute
    EXPECT_EQ(QtFormatFromPicture("d. mmmm yyyy \"at\""), "d. MMMM yyyy 'at'");
    for (const char* name : {"en_US", "de_DE", "ja_JP", "fr_FR"}) {
        const QLocale locale(name);
        const TLocaleFormats f = LocaleFormatsFrom(locale);
        const QDate date(2026, 12, 8);
        EXPECT_EQ(date.toString(QtFormatFromPicture(f.ShortDateFormat)).toStdString(),
                  FormatDate({2026, 12, 8}, f.ShortDateFormat, f))
            << name;
        const QTime time(17, 5, 9);
        EXPECT_EQ(locale.toString(time, QtFormatFromPicture(f.LongTimeFormat)).toStdString(),
                  FormatTime({17, 5, 9}, f.LongTimeFormat, f))
            << name;
    }
}

TEST(SystemLocale, TwelveHourTimesHaveOneMarkerAndReadBack) {
    EXPECT_EQ(PictureFromQtFormat("h:mm:ss AP t"), "h:nn:ss ampm");
    EXPECT_EQ(PictureFromQtFormat("h:mm ap"), "h:nn ampm");
    EXPECT_EQ(PictureFromQtFormat("h:mm A"), "h:nn ampm");
    const TLocaleFormats us = LocaleFormatsFrom(QLocale("en_US"));
    EXPECT_EQ(us.LongTimeFormat, "h:nn:ss ampm");
    for (const TTimeOfDay time : {TTimeOfDay{15, 15, 0}, TTimeOfDay{0, 5, 9}, TTimeOfDay{12, 0, 0}, TTimeOfDay{9, 2, 13}}) {
        const std::string text = FormatTime(time, us.LongTimeFormat, us);
        EXPECT_TRUE(text.ends_with(" AM") || text.ends_with(" PM")) << text;
        EXPECT_EQ(ParseTime(text, us), time) << text;
    }
    EXPECT_EQ(FormatTime({15, 15, 0}, us.LongTimeFormat, us), "3:15:00 PM");
}

TEST(SystemLocale, ThousandsSeparatorNeverEqualsTheDecimalSeparator) {
    for (const char* name : {"fr_FR", "ru_RU", "sv_SE"}) {
        const TLocaleFormats f = LocaleFormatsFrom(QLocale(name));
        EXPECT_EQ(f.DecimalSeparator, ',') << name;
        EXPECT_EQ(f.ThousandSeparator, ' ') << name << ": the no-break space as a blank";
    }
    const TLocaleFormats german = LocaleFormatsFrom(QLocale("de_DE"));
    EXPECT_EQ(german.DecimalSeparator, ',');
    EXPECT_EQ(german.ThousandSeparator, '.');
}

}  // namespace
}  // namespace tkm
