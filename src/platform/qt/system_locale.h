#pragma once

#include "base/date_text.h"

#include <QString>

class QLocale;

namespace tkm {

// The locale's date and time formats in the cells' picture language.
TLocaleFormats LocaleFormatsFrom(const QLocale& locale);
TLocaleFormats SystemLocaleFormats();
// The desktop's time zone by name ("Europe/Berlin"), as iCalendar files name it.
std::string SystemTimeZoneName();

// Qt's "dd/MM/yyyy" / "HH:mm:ss" pictures to "dd/mm/yyyy" / "hh:nn:ss".
std::string PictureFromQtFormat(const QString& qtFormat);
// And back, for the date and time editors: "dd/mm/yyyy" / "hh:nn:ss" to
// "dd/MM/yyyy" / "hh:mm:ss"; an m right after an hour is the minute.
QString QtFormatFromPicture(std::string_view picture);

}  // namespace tkm
