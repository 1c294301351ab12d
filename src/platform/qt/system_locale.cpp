#include "platform/qt/system_locale.h"

#include <QLocale>
#include <QTimeZone>

#include <algorithm>
#include <cctype>

namespace tkm {

std::string PictureFromQtFormat(const QString& f) {
    std::string out;
    for (qsizetype i = 0; i < f.size();) {
        const QChar c = f[i];
        qsizetype n = 1;
        while (i + n < f.size() && f[i + n] == c) ++n;
        auto repeat = [&](char letter, qsizetype count) { out.append(std::size_t(count), letter); };
        switch (c.unicode()) {
        case 'd': repeat('d', n); break;
        case 'M': repeat('m', n); break;
        case 'y': repeat('y', n >= 3 ? 4 : 2); break;
        case 'H':
        case 'h': repeat('h', n); break;
        case 'm': repeat('n', n); break;
        case 's': repeat('s', n); break;
        case 'z': break;  // milliseconds: not kept in cells
        case 'A':
        case 'a':
            // "AP", "ap", "A" and "a" are all one marker: the locale's own AM and PM texts.
            n = i + 1 < f.size() && (f[i + 1] == 'P' || f[i + 1] == 'p') ? 2 : 1;
            if (!out.empty() && out.back() == '.') out.pop_back();
            out += "ampm";
            break;
        case 't': break;  // time zone
        case '\'': {
            const qsizetype close = f.indexOf('\'', i + 1);
            const qsizetype end = close < 0 ? f.size() : close;
            out += "\"" + f.mid(i + 1, end - i - 1).toStdString() + "\"";
            i = end + 1;
            continue;
        }
        default: out += QString(n, c).toUtf8().toStdString();
        }
        i += n;
    }
    while (!out.empty() && (out.back() == ' ' || out.back() == '.')) out.pop_back();
    return out;
}

namespace {

// Cells are typed in ASCII: the no-break spaces that group digits in French,
// Russian or Swedish stand for the plain blank a person types.
char SeparatorChar(const QString& separator, char fallback) {
    if (separator.size() != 1) return fallback;
    const QChar c = separator[0];
    if (c.unicode() < 128) return char(c.unicode());
    return c.isSpace() ? ' ' : fallback;
}

}  // namespace

TLocaleFormats LocaleFormatsFrom(const QLocale& locale) {
    TLocaleFormats f;
    f.ShortDateFormat = PictureFromQtFormat(locale.dateFormat(QLocale::ShortFormat));
    // Two-digit years lose the century: keep four in the cells.
    if (f.ShortDateFormat.find("yyyy") == std::string::npos) {
        const auto pos = f.ShortDateFormat.find("yy");
        if (pos != std::string::npos) f.ShortDateFormat.replace(pos, 2, "yyyy");
    }
    f.LongDateFormat = PictureFromQtFormat(locale.dateFormat(QLocale::LongFormat));
    f.LongTimeFormat = PictureFromQtFormat(locale.timeFormat(QLocale::LongFormat));
    if (f.LongTimeFormat.empty()) f.LongTimeFormat = "hh:nn:ss";
    f.DecimalSeparator = SeparatorChar(locale.decimalPoint(), '.');
    f.ThousandSeparator = SeparatorChar(locale.groupSeparator(), ',');
    f.KeepSeparatorsApart();
    f.TimeAMString = locale.amText().toStdString();
    f.TimePMString = locale.pmText().toStdString();
    for (int m = 1; m <= 12; ++m) {
        f.LongMonthNames[std::size_t(m - 1)] = locale.monthName(m, QLocale::LongFormat).toStdString();
        f.ShortMonthNames[std::size_t(m - 1)] = locale.monthName(m, QLocale::ShortFormat).toStdString();
    }
    for (int d = 0; d < 7; ++d) {
        const int qtDay = d == 0 ? 7 : d;  // Qt counts Monday as 1
        f.LongDayNames[std::size_t(d)] = locale.dayName(qtDay, QLocale::LongFormat).toStdString();
        f.ShortDayNames[std::size_t(d)] = locale.dayName(qtDay, QLocale::ShortFormat).toStdString();
    }
    return f;
}

TLocaleFormats SystemLocaleFormats() { return LocaleFormatsFrom(QLocale::system()); }

std::string SystemTimeZoneName() { return QTimeZone::systemTimeZoneId().toStdString(); }

}  // namespace tkm

namespace tkm {

QString QtFormatFromPicture(std::string_view picture) {
    QString out;
    bool afterHour = false;
    auto lower = [](char c) { return char(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c); };
    for (std::size_t i = 0; i < picture.size();) {
        const char c = lower(picture[i]);
        std::size_t n = 1;
        while (i + n < picture.size() && lower(picture[i + n]) == c) ++n;
        const std::string_view rest = picture.substr(i);
        auto startsWith = [&](std::string_view word) {
            if (rest.size() < word.size()) return false;
            for (std::size_t k = 0; k < word.size(); ++k)
                if (lower(rest[k]) != word[k]) return false;
            return true;
        };
        if (startsWith("am/pm") || startsWith("ampm")) {
            out += "AP";
            i += startsWith("am/pm") ? 5 : 4;
            continue;
        }
        switch (c) {
        case 'd': out += QString(qsizetype(std::min<std::size_t>(n, 4)), 'd'); break;
        case 'y': out += n >= 3 ? "yyyy" : "yy"; break;
        case 'h': out += n >= 2 ? "hh" : "h"; break;
        case 'n': out += n >= 2 ? "mm" : "m"; break;
        case 's': out += n >= 2 ? "ss" : "s"; break;
        case 'm':
            if (afterHour) out += n >= 2 ? "mm" : "m";
            else out += QString(qsizetype(std::min<std::size_t>(n, 4)), 'M');
            break;
        case '"':
        case '\'': {
            const std::size_t close = picture.find(picture[i], i + 1);
            const std::size_t end = close == std::string_view::npos ? picture.size() : close;
            const QString literal = QString::fromUtf8(picture.data() + i + 1, qsizetype(end - i - 1));
            out += "'" + QString(literal).replace("'", "''") + "'";
            i = end + 1;
            continue;
        }
        default:
            if (c >= 'a' && c <= 'z') {
                out += "'" + QString::fromUtf8(picture.data() + i, qsizetype(n)) + "'";
            } else {
                // Separators, whole UTF-8 sequences included, stand for themselves.
                std::size_t end = i + 1;
                while (end < picture.size() && !std::isalpha(static_cast<unsigned char>(picture[end])) &&
                       picture[end] != '"' && picture[end] != '\'')
                    ++end;
                out += QString::fromUtf8(picture.data() + i, qsizetype(end - i));
                i = end;
                continue;
            }
        }
        if (c == 'h') afterHour = true;
        else if (c >= 'a' && c <= 'z') afterHour = false;
        i += n;
    }
    return out;
}

}  // namespace tkm
