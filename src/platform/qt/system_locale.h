#pragma once

#include "grid/date_text.h"

#include <QString>

class QLocale;

namespace tkm {

// The locale's date and time formats in the cells' picture language.
TLocaleFormats LocaleFormatsFrom(const QLocale& locale);
TLocaleFormats SystemLocaleFormats();

// Qt's "dd/MM/yyyy" / "HH:mm:ss" pictures to "dd/mm/yyyy" / "hh:nn:ss".
std::string PictureFromQtFormat(const QString& qtFormat);

}  // namespace tkm
