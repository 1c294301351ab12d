#include "grid/io/sheet_values.h"

#include "base/date_text.h"

#include <cctype>
#include <cstdio>

namespace tkm {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return char(std::tolower(static_cast<unsigned char>(c))); }

std::optional<TSheetValue> NumberOf(std::string_view text, char decimalSeparator) {
    TSheetValue number{TSheetValueType::Number, {}};
    std::size_t i = 0;
    if (!text.empty() && text[0] == '-') number.Value += text[i++];
    int digits = 0;
    bool afterSeparator = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            number.Value += c;
            ++digits;
            if (afterSeparator) ++number.Decimals;
        } else if (c == decimalSeparator && !afterSeparator && digits > 0) {
            number.Value += '.';
            afterSeparator = true;
        } else {
            return std::nullopt;
        }
    }
    if (digits == 0 || digits > MostSheetNumberDigits || (afterSeparator && number.Decimals == 0)) return std::nullopt;
    return number;
}

std::string TwoDigits(int n) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

// An element of a data style, long or short by the run of letters asking for it.
std::string Field(std::string_view element, bool isLong, std::string_view more = "") {
    std::string out = "<number:";
    out += element;
    if (isLong) out += " number:style=\"long\"";
    out += more;
    return out + "/>";
}

void AppendLiteral(std::string& out, std::string_view text) {
    if (text.empty()) return;
    out += "<number:text>";
    for (const char c : text) {
        if (c == '&') out += "&amp;";
        else if (c == '<') out += "&lt;";
        else if (c == '>') out += "&gt;";
        else out += c;
    }
    out += "</number:text>";
}

// The elements of a data style showing what the picture shows.
std::string DataStyleOf(std::string_view picture) {
    std::string out, literal;
    bool lastWasHour = false;
    const auto field = [&](const std::string& element) {
        AppendLiteral(out, literal);
        literal.clear();
        out += element;
    };
    for (std::size_t i = 0; i < picture.size();) {
        const char c = picture[i];
        if (c == '"' || c == '\'') {
            const std::size_t close = std::min(picture.find(c, i + 1), picture.size());
            literal.append(picture.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        const std::size_t marker = MarkerLength(picture.substr(i));
        if (marker) {
            field("<number:am-pm/>");
            i += marker;
            continue;
        }
        const char lc = Lower(c);
        std::size_t n = 1;
        while (i + n < picture.size() && Lower(picture[i + n]) == lc) ++n;
        if (lc == 'd') field(n <= 2 ? Field("day", n == 2) : Field("day-of-week", n >= 4));
        else if (lc == 'm' && lastWasHour && n <= 2) field(Field("minutes", n == 2));
        else if (lc == 'm') field(n <= 2 ? Field("month", n == 2) : Field("month", n >= 4, " number:textual=\"true\""));
        else if (lc == 'y') field(Field("year", n > 2));
        else if (lc == 'h') field(Field("hours", n >= 2));
        else if (lc == 'n') field(Field("minutes", n >= 2));
        else if (lc == 's') field(Field("seconds", n >= 2));
        else literal.append(picture.substr(i, n));
        if (std::isalpha(static_cast<unsigned char>(c))) lastWasHour = lc == 'h';
        i += n;
    }
    AppendLiteral(out, literal);
    return out;
}

std::string CellStyle(const std::string& name) {
    return "<style:style style:name=\"" + name + "\" style:family=\"table-cell\" style:data-style-name=\"" + name +
           "N\"/>\n";
}

}  // namespace

std::optional<TSheetValue> SheetValueOf(std::string_view text, TSheetValueType type, const TLocaleFormats& formats) {
    switch (type) {
    case TSheetValueType::Text: return std::nullopt;
    case TSheetValueType::Number: return NumberOf(text, formats.DecimalSeparator);
    case TSheetValueType::Date: {
        const std::optional<TDate> date = ParseDate(text, formats);
        if (!date || date->Year < 1900) return std::nullopt;
        char value[40];
        std::snprintf(value, sizeof value, "%04d-%02d-%02d", date->Year, date->Month, date->Day);
        return TSheetValue{type, value};
    }
    case TSheetValueType::Time: {
        const std::optional<TTimeOfDay> time = ParseTime(text, formats);
        if (!time) return std::nullopt;
        return TSheetValue{type,
                           "PT" + TwoDigits(time->Hour) + "H" + TwoDigits(time->Minute) + "M" + TwoDigits(time->Second) + "S"};
    }
    }
    return std::nullopt;
}

std::string SheetValueStyles(const TLocaleFormats& formats) {
    std::string styles = "<number:date-style style:name=\"DateN\">" + DataStyleOf(formats.ShortDateFormat) +
                         "</number:date-style>\n<number:time-style style:name=\"TimeN\">" +
                         DataStyleOf(formats.LongTimeFormat) + "</number:time-style>\n";
    for (int decimals = 1; decimals < MostSheetNumberDigits; ++decimals) {
        const std::string places = std::to_string(decimals);
        styles += "<number:number-style style:name=\"Decimals" + places + "N\"><number:number number:decimal-places=\"" +
                  places + "\" number:min-decimal-places=\"" + places + "\" number:min-integer-digits=\"1\"/>" +
                  "</number:number-style>\n";
    }
    styles += CellStyle("Date") + CellStyle("Time");
    for (int decimals = 1; decimals < MostSheetNumberDigits; ++decimals)
        styles += CellStyle("Decimals" + std::to_string(decimals));
    return styles;
}

}  // namespace tkm
