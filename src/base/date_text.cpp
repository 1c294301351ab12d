#include "base/date_text.h"

#include <algorithm>
#include <cctype>
#include <vector>

namespace tkm {

namespace {

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static constexpr int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

int DayOfWeek(const TDate& d) {  // 0 = Sunday
    const long long n = d.DayNumber();  // 1970-01-01 was a Thursday
    return int(((n % 7) + 7 + 4) % 7);
}

// Pictures and the texts read with them compare letters in ASCII only, in any
// locale, and that is quick enough to format a million dates.
char Lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }
bool IsLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
    if (s.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Lower(s[i]) != Lower(prefix[i])) return false;
    return true;
}

std::size_t RunLength(std::string_view s, std::size_t i) {
    std::size_t n = 1;
    while (i + n < s.size() && Lower(s[i + n]) == Lower(s[i])) ++n;
    return n;
}

// As printf's "%0*d" writes it.
void AppendNumber(std::string& out, int value, int width) {
    char digits[12];
    int count = 0;
    unsigned magnitude = value < 0 ? 0u - unsigned(value) : unsigned(value);
    do {
        digits[count++] = char('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0) {
        out += '-';
        --width;
    }
    for (int pad = width - count; pad > 0; --pad) out += '0';
    while (count) out += digits[--count];
}

// The closing quote of the quoted text that opens at `open`, or the picture's end.
std::size_t QuoteEnd(std::string_view picture, std::size_t open) {
    const std::size_t close = picture.find(picture[open], open + 1);
    return close == std::string_view::npos ? picture.size() : close;
}

// Hours count to 12 when the picture has a marker outside its quoted texts.
bool HasMarker(std::string_view picture) {
    for (std::size_t i = 0; i < picture.size(); ++i) {
        if (picture[i] == '"' || picture[i] == '\'')
            i = QuoteEnd(picture, i);
        else if (MarkerLength(picture.substr(i)) > 0)
            return true;
    }
    return false;
}

// Expands one picture; date or time may be absent, and then their letters
// stand for themselves. The locale's own pictures are expanded without their
// "c", "ddddd" and "dddddd", which could name themselves.
class TPictureFormatter {
public:
    TPictureFormatter(const TDate* date, const TTimeOfDay* time, const TLocaleFormats& formats)
        : date_(date), time_(time), f_(formats) {}

    std::string Format(std::string_view picture, bool localePicture = false) const {
        std::string out;
        const bool twelveHours = HasMarker(picture);
        bool lastWasHour = false;
        for (std::size_t i = 0; i < picture.size();) {
            const char c = picture[i];
            const char lc = Lower(c);
            if (c == '"' || c == '\'') {
                const std::size_t end = QuoteEnd(picture, i);
                out.append(picture.substr(i + 1, end - i - 1));
                i = end + 1;
                continue;
            }
            if (const std::size_t marker = time_ ? MarkerLength(picture.substr(i)) : 0) {
                AppendMarker(out, picture.substr(i, marker));
                i += marker;
                continue;
            }
            std::size_t n = RunLength(picture, i);
            if (lc == 'd' && date_) {
                n = std::min<std::size_t>(n, localePicture ? 4 : 6);
                if (n <= 2) AppendNumber(out, date_->Day, int(n));
                else if (n == 3) out += f_.ShortDayNames[DayOfWeek(*date_)];
                else if (n == 4) out += f_.LongDayNames[DayOfWeek(*date_)];
                else out += Format(n == 5 ? f_.ShortDateFormat : f_.LongDateFormat, true);
            } else if (lc == 'c' && !localePicture && (date_ || time_)) {
                n = 1;
                AppendDateAndTime(out);
            } else if (lc == 'm' && lastWasHour && time_ && n <= 2) {
                AppendNumber(out, time_->Minute, int(n));
            } else if (lc == 'm' && date_) {
                if (n <= 2) AppendNumber(out, date_->Month, int(n));
                else if (n == 3) out += f_.ShortMonthNames[date_->Month - 1];
                else out += f_.LongMonthNames[date_->Month - 1];
            } else if (lc == 'y' && date_) {
                if (n <= 2) AppendNumber(out, date_->Year % 100, 2);
                else AppendNumber(out, date_->Year, 4);
            } else if (lc == 'h' && time_) {
                const int hour = twelveHours ? (time_->Hour % 12 == 0 ? 12 : time_->Hour % 12) : time_->Hour;
                AppendNumber(out, hour, n >= 2 ? 2 : 1);
            } else if (lc == 'n' && time_) {
                AppendNumber(out, time_->Minute, n >= 2 ? 2 : 1);
            } else if (lc == 's' && time_) {
                AppendNumber(out, time_->Second, n >= 2 ? 2 : 1);
            } else {
                out.append(picture.substr(i, n));
            }
            // "m" right after an hour (separators aside) means minutes.
            if (IsLetter(c)) lastWasHour = lc == 'h';
            i += n;
        }
        return out;
    }

private:
    // "am/pm" and "a/p" print in the letter case they are written in;
    // "ampm" prints the locale's texts.
    void AppendMarker(std::string& out, std::string_view marker) const {
        const bool pm = time_->Hour >= 12;
        if (marker.size() == 4) out += pm ? f_.TimePMString : f_.TimeAMString;
        else if (marker.size() == 5) out.append(marker.substr(pm ? 3 : 0, 2));
        else out += marker[pm ? 2 : 0];
    }

    // The short date and the long time, as far as they are given.
    void AppendDateAndTime(std::string& out) const {
        if (date_) out += Format(f_.ShortDateFormat, true);
        if (date_ && time_) out += ' ';
        if (time_) out += Format(f_.LongTimeFormat, true);
    }

    const TDate* date_;
    const TTimeOfDay* time_;
    const TLocaleFormats& f_;
};

// An empty picture shows the short date and the long time.
std::string FormatPicture(std::string_view picture, const TDate* date, const TTimeOfDay* time,
                          const TLocaleFormats& formats) {
    return TPictureFormatter(date, time, formats).Format(picture.empty() ? "c" : picture);
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && std::isspace(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

// Reads the digit groups of a text; separators are any run of non-digits that
// appear in `allowed`.
bool DigitGroups(std::string_view s, std::string_view allowed, std::vector<std::string_view>& groups) {
    groups.clear();
    std::size_t i = 0;
    while (i < s.size()) {
        if (!std::isdigit(static_cast<unsigned char>(s[i]))) return false;
        std::size_t j = i;
        while (j < s.size() && std::isdigit(static_cast<unsigned char>(s[j]))) ++j;
        groups.push_back(s.substr(i, j - i));
        if (j == s.size()) break;
        std::size_t k = j;
        while (k < s.size() && !std::isdigit(static_cast<unsigned char>(s[k]))) {
            if (allowed.find(s[k]) == std::string_view::npos) return false;
            ++k;
        }
        if (k == s.size()) return false;  // trailing separator
        i = k;
    }
    return !groups.empty();
}

int ToInt(std::string_view digits) {
    int v = 0;
    for (char c : digits) v = v * 10 + (c - '0');
    return v;
}

// Reads the parts of a typed date one after the other.
class TDateScanner {
public:
    TDateScanner(std::string_view text, const TLocaleFormats& formats) : text_(text), formats_(formats) {}

    bool AtEnd() const { return pos_ == text_.size(); }

    std::size_t SkipBlanks() {
        const std::size_t from = pos_;
        while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
        return pos_ - from;
    }

    // One character of the picture's literal text; blanks are matched later, loosely.
    bool Literal(char c, bool& hasBlank, bool& hasMark) {
        if (std::isspace(static_cast<unsigned char>(c))) {
            hasBlank = true;
            return true;
        }
        hasMark = true;
        SkipBlanks();
        if (pos_ == text_.size() || Lower(text_[pos_]) != Lower(c)) return false;
        ++pos_;
        return true;
    }

    // One to maxDigits digits.
    bool Number(std::size_t maxDigits, int& value) {
        const std::size_t from = pos_;
        value = 0;
        while (pos_ < text_.size() && pos_ - from < maxDigits && std::isdigit(static_cast<unsigned char>(text_[pos_])))
            value = value * 10 + (text_[pos_++] - '0');
        return pos_ > from;
    }

    // Four digits, or two read in the window 1950-2049.
    bool Year(int& year) {
        const std::size_t from = pos_;
        if (!Number(4, year)) return false;
        const std::size_t digits = pos_ - from;
        if (digits == 2) year += year < 50 ? 2000 : 1900;
        return digits == 2 || digits == 4;
    }

    bool MonthName(int& month) {
        std::size_t longest = 0;
        Longest(formats_.LongMonthNames, longest, month);
        Longest(formats_.ShortMonthNames, longest, month);
        pos_ += longest;
        return longest > 0;
    }

    // The AM or PM text, whichever is longer where both fit: 1 for PM, 0 for AM.
    bool Marker(int& pm) {
        std::size_t longest = 0;
        for (const auto& [text, isPm] : {std::pair{&formats_.TimeAMString, 0}, std::pair{&formats_.TimePMString, 1}}) {
            if (!text->empty() && text->size() > longest && StartsWithNoCase(text_.substr(pos_), *text)) {
                longest = text->size();
                pm = isPm;
            }
        }
        pos_ += longest;
        return longest > 0;
    }

    bool DayName() {
        std::size_t longest = 0;
        int unused = 0;
        Longest(formats_.LongDayNames, longest, unused);
        Longest(formats_.ShortDayNames, longest, unused);
        pos_ += longest;
        return longest > 0;
    }

private:
    // The longest name the text goes on with, if longer than `best`: its length
    // into `best`, its 1-based position into `index`.
    template <std::size_t N>
    void Longest(const std::array<std::string, N>& names, std::size_t& best, int& index) const {
        for (std::size_t k = 0; k < N; ++k) {
            const std::string& name = names[k];
            if (name.size() > best && StartsWithNoCase(text_.substr(pos_), name)) {
                best = name.size();
                index = int(k) + 1;
            }
        }
    }

    std::string_view text_;
    const TLocaleFormats& formats_;
    std::size_t pos_ = 0;
};

// Reads a text written in a picture: its literal parts must be there (blanks
// loose around them, but a separator of blanks alone must be there), and each
// run of one of `fields` letters, or an AM/PM marker (as 'a'), is read by
// `readField(letter, run length)`. The text must end with the picture.
template <typename TReadField>
bool ScanPicture(TDateScanner& in, std::string_view picture, std::string_view fields, TReadField readField) {
    bool afterField = false;
    bool literalHasBlank = false;
    bool literalHasMark = false;
    auto endLiteral = [&] {
        const bool blankOnly = afterField && literalHasBlank && !literalHasMark;
        const std::size_t blanks = in.SkipBlanks();
        literalHasBlank = literalHasMark = false;
        return !blankOnly || blanks > 0;
    };
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        const char lc = Lower(c);
        if (c == '"' || c == '\'') {
            const std::size_t end = QuoteEnd(picture, i);
            for (std::size_t k = i + 1; k < end; ++k)
                if (!in.Literal(picture[k], literalHasBlank, literalHasMark)) return false;
            i = end + 1;
            continue;
        }
        const std::size_t marker = fields.find('a') != std::string_view::npos ? MarkerLength(picture.substr(i)) : 0;
        if (marker == 0 && (lc == 'a' || fields.find(lc) == std::string_view::npos)) {
            if (!in.Literal(c, literalHasBlank, literalHasMark)) return false;
            ++i;
            continue;
        }
        if (!endLiteral()) return false;
        const std::size_t n = marker > 0 ? marker : RunLength(picture, i);
        if (!readField(marker > 0 ? 'a' : lc, n)) return false;
        afterField = true;
        i += n;
    }
    return endLiteral() && in.AtEnd();
}

}  // namespace

std::size_t MarkerLength(std::string_view picture) {
    if (StartsWithNoCase(picture, "am/pm")) return 5;
    if (StartsWithNoCase(picture, "ampm")) return 4;
    return StartsWithNoCase(picture, "a/p") ? 3 : 0;
}

long long TDate::DayNumber() const {
    // Days from civil, proleptic Gregorian.
    const int y = Year - (Month <= 2);
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = unsigned(y - era * 400);
    const unsigned doy = (153 * unsigned(Month + (Month > 2 ? -3 : 9)) + 2) / 5 + unsigned(Day) - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + (long long)doe - 719468;
}

TDate TDate::FromDayNumber(long long z) {
    z += 719468;
    const long long era = (z >= 0 ? z : z - 146096) / 146097;
    const unsigned doe = unsigned(z - era * 146097);
    const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long long y = (long long)yoe + era * 400;
    const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const unsigned mp = (5 * doy + 2) / 153;
    const unsigned d = doy - (153 * mp + 2) / 5 + 1;
    const unsigned m = mp < 10 ? mp + 3 : mp - 9;
    return {int(y + (m <= 2)), int(m), int(d)};
}

bool TDate::IsValid() const {
    return Year >= 1 && Year <= 9999 && Month >= 1 && Month <= 12 && Day >= 1 && Day <= DaysInMonth(Year, Month);
}

std::string FormatDate(const TDate& date, std::string_view picture, const TLocaleFormats& formats) {
    return FormatPicture(picture, &date, nullptr, formats);
}

std::string FormatTime(const TTimeOfDay& time, std::string_view picture, const TLocaleFormats& formats) {
    return FormatPicture(picture, nullptr, &time, formats);
}

std::string FormatDateTime(const TDate& date, const TTimeOfDay& time, std::string_view picture,
                           const TLocaleFormats& formats) {
    return FormatPicture(picture, &date, &time, formats);
}

std::optional<TDate> ParseDate(std::string_view text, const TLocaleFormats& formats) {
    TDateScanner in(Trim(text), formats);
    int day = 0;
    int month = 0;
    int year = 0;
    const bool read = ScanPicture(in, formats.ShortDateFormat, "dmy", [&](char field, std::size_t n) {
        if (field == 'd') return n >= 3 ? in.DayName() : in.Number(2, day);
        if (field == 'm') return (n >= 3 && in.MonthName(month)) || in.Number(2, month);
        return in.Year(year);
    });
    const TDate date{year, month, day};
    if (!read || !date.IsValid()) return std::nullopt;
    return date;
}

std::optional<TTimeOfDay> ParseTimeAs(std::string_view text, std::string_view picture, const TLocaleFormats& formats) {
    TDateScanner in(Trim(text), formats);
    TTimeOfDay t;
    int pm = -1;
    char last = 0;
    const bool read = ScanPicture(in, picture, "hnmsa", [&](char field, std::size_t) {
        // "m" right after an hour is the minute, as in the pictures' output.
        if (field == 'm' && last == 'h') field = 'n';
        last = field;
        switch (field) {
        case 'h': return in.Number(2, t.Hour);
        case 'n': return in.Number(2, t.Minute);
        case 's': return in.Number(2, t.Second);
        case 'a': return in.Marker(pm);
        default: return false;
        }
    });
    if (!read) return std::nullopt;
    if (pm >= 0) {
        if (t.Hour < 1 || t.Hour > 12) return std::nullopt;
        t.Hour = t.Hour % 12 + (pm ? 12 : 0);
    }
    if (t.Hour > 23 || t.Minute > 59 || t.Second > 59) return std::nullopt;
    return t;
}

std::optional<TTimeOfDay> ParseTime(std::string_view text, const TLocaleFormats& formats) {
    std::string_view s = Trim(text);
    int pm = -1;
    for (const auto& [marker, isPm] : {std::pair{std::string_view(formats.TimeAMString), 0},
                                       std::pair{std::string_view(formats.TimePMString), 1}}) {
        if (!marker.empty() && s.size() >= marker.size() &&
            StartsWithNoCase(s.substr(s.size() - marker.size()), marker)) {
            pm = isPm;
            s = Trim(s.substr(0, s.size() - marker.size()));
            break;
        }
    }
    std::vector<std::string_view> groups;
    if (!DigitGroups(s, ":.", groups) || groups.size() > 3) return std::nullopt;
    for (auto g : groups)
        if (g.size() > 2) return std::nullopt;
    TTimeOfDay t;
    t.Hour = ToInt(groups[0]);
    t.Minute = groups.size() > 1 ? ToInt(groups[1]) : 0;
    t.Second = groups.size() > 2 ? ToInt(groups[2]) : 0;
    if (pm >= 0) {
        if (t.Hour < 1 || t.Hour > 12) return std::nullopt;
        t.Hour = t.Hour % 12 + (pm ? 12 : 0);
    }
    if (t.Hour > 23 || t.Minute > 59 || t.Second > 59) return std::nullopt;
    return t;
}

TDate StrToDate(std::string_view text, const TLocaleFormats& formats) {
    if (auto d = ParseDate(text, formats)) return *d;
    throw EConvertError("'" + std::string(text) + "' is not a valid date");
}

}  // namespace tkm
