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

}  // namespace
}  // namespace tkm
