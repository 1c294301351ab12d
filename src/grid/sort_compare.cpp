#include "grid/sort_compare.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>

namespace tkm {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr double DaysFrom1970To1899 = 25569.0;  // 30/12/1899 to 01/01/1970

double DateValue(const TDate& date) { return double(date.DayNumber()) + DaysFrom1970To1899; }
double TimeValue(const TTimeOfDay& time) { return time.SecondOfDay() / 86400.0; }

}  // namespace

TNumberClass ClassifyNumber(std::string_view text, const TLocaleFormats& formats) {
    if (text.empty()) return TNumberClass::None;
    int minus = 0;
    int decimals = 0;
    bool onlyDigitsAndMinus = true;
    bool groupingValid = true;
    std::ptrdiff_t lastThousands = -1;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) continue;
        if (c == '-') {
            ++minus;
            continue;
        }
        onlyDigitsAndMinus = false;
        if (c == formats.DecimalSeparator) {
            ++decimals;
        } else if (c == formats.ThousandSeparator) {
            if (i == 0 || (lastThousands >= 0 && std::ptrdiff_t(i) - lastThousands < 3)) groupingValid = false;
            lastThousands = std::ptrdiff_t(i);
        } else {
            return TNumberClass::None;
        }
    }
    if (minus > 1 || decimals > 1) return TNumberClass::None;
    if (onlyDigitsAndMinus) return TNumberClass::Integer;
    return groupingValid ? TNumberClass::Float : TNumberClass::None;
}

TSortStyle DetectSortStyle(std::string_view text, const TLocaleFormats& formats) {
    if (ClassifyNumber(text, formats) != TNumberClass::None) return TSortStyle::Numeric;
    // The first "/" must be the second or third character: only those are looked at.
    const std::size_t slash = text.size() > 1 && text[1] == '/' ? 1 : (text.size() > 2 && text[2] == '/' ? 2 : 0);
    if (slash > 0 && text[0] != '/' && slash + 1 < text.size() && IsDigit(text[slash - 1]) && IsDigit(text[slash + 1]))
        return TSortStyle::Date;
    return TSortStyle::Alphabetic;
}

std::optional<double> ReadSortNumber(std::string_view text, const TLocaleFormats& formats) {
    if (text.empty()) return 0.0;
    // -digits[<decimal separator>digits], the sign and the fraction optional; nothing else.
    std::size_t i = text[0] == '-' ? 1 : 0;
    const std::size_t whole = i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == whole) return std::nullopt;
    const std::size_t separator = i;
    if (i < text.size() && text[i] == formats.DecimalSeparator) {
        ++i;
        const std::size_t fraction = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == fraction) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    // Short numbers, the common kind, need no allocation.
    std::array<char, 64> small;
    std::string large;
    char* buffer = small.data();
    if (text.size() > small.size()) {
        large.resize(text.size());
        buffer = large.data();
    }
    std::memcpy(buffer, text.data(), text.size());
    if (separator < text.size()) buffer[separator] = '.';
    double value = 0;
    const auto [end, error] = std::from_chars(buffer, buffer + text.size(), value);
    if (error != std::errc() || end != buffer + text.size()) return std::nullopt;
    return value;
}

double ReadSortDateTime(std::string_view text, const TLocaleFormats& formats) {
    if (text.empty()) return 0;
    if (const auto date = ParseDate(text, formats)) return DateValue(*date);
    // A blank between the date and the time; the date may hold blanks of its own.
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos; blank = text.find(' ', blank + 1)) {
        const auto time = ParseTimeAs(text.substr(blank + 1), formats.LongTimeFormat, formats);
        if (!time) continue;
        if (const auto date = ParseDate(text.substr(0, blank), formats)) return DateValue(*date) + TimeValue(*time);
    }
    return 0;
}

int CompareBytes(std::string_view a, std::string_view b) {
    const std::size_t common = std::min(a.size(), b.size());
    const int r = common == 0 ? 0 : std::memcmp(a.data(), b.data(), common);
    if (r != 0) return r < 0 ? -1 : 1;
    return a.size() < b.size() ? -1 : (a.size() > b.size() ? 1 : 0);
}

TStylesFound DetectSortStyles(std::span<TSortCell> cells, const TLocaleFormats& formats) {
    TStylesFound found;
    for (TSortCell& cell : cells) {
        cell.Style = DetectSortStyle(cell.Text, formats);
        found.Numeric |= cell.Style == TSortStyle::Numeric;
        found.Date |= cell.Style == TSortStyle::Date;
    }
    return found;
}

namespace {

// The dates of a column repeat a lot: the last texts read, by a hash of
// their bytes, save reading them again.
class TDateMemo {
public:
    explicit TDateMemo(const TLocaleFormats& formats) : formats_(formats) {}

    double Read(std::string_view text) {
        if (text.size() > MaxText) return ReadSortDateTime(text, formats_);
        std::uint32_t hash = 2166136261u;
        for (const char c : text) hash = (hash ^ std::uint8_t(c)) * 16777619u;
        TSlot& slot = slots_[hash % slots_.size()];
        // An empty view may have no data at all, which memcmp and memcpy must not be given.
        if (slot.Size == text.size() && (text.empty() || std::memcmp(slot.Text.data(), text.data(), text.size()) == 0))
            return slot.Value;
        slot.Value = ReadSortDateTime(text, formats_);
        slot.Size = std::uint8_t(text.size());
        if (!text.empty()) std::memcpy(slot.Text.data(), text.data(), text.size());
        return slot.Value;
    }

private:
    static constexpr std::size_t MaxText = 23;
    struct TSlot {
        std::array<char, MaxText> Text;
        std::uint8_t Size = 0xFF;  // no text
        double Value = 0;
    };
    const TLocaleFormats& formats_;
    std::array<TSlot, 512> slots_{};
};

}  // namespace

void ReadSortValues(std::span<TSortCell> cells, TStylesFound found, const TLocaleFormats& formats) {
    if (!found.Numeric && !found.Date) return;
    // Setting up the memo costs more than a few dates take to read.
    constexpr std::size_t MemoFrom = 64;
    std::optional<TDateMemo> dates;
    if (found.Date && cells.size() >= MemoFrom) dates.emplace(formats);
    for (TSortCell& cell : cells) {
        if (found.Numeric) {
            const auto number = ReadSortNumber(cell.Text, formats);
            cell.IsNumber = number.has_value();
            cell.Number = number.value_or(0);
        }
        if (found.Date) cell.Date = dates ? dates->Read(cell.Text) : ReadSortDateTime(cell.Text, formats);
    }
}

void ReadSortCells(std::span<TSortCell> cells, const TLocaleFormats& formats) {
    ReadSortValues(cells, DetectSortStyles(cells, formats), formats);
}

int CompareSortCells(const TSortCell& a, const TSortCell& b) {
    const auto sign = [](double x, double y) { return x < y ? -1 : (x > y ? 1 : 0); };
    switch (a.Style) {
    case TSortStyle::Numeric:
        if (!a.IsNumber || !b.IsNumber) return 0;
        return sign(a.Number, b.Number);
    case TSortStyle::Date:
        return sign(a.Date, b.Date);
    case TSortStyle::Alphabetic:
        break;
    }
    return CompareBytes(a.Text, b.Text);
}

TSortOrder ConsistentOrder(std::span<const TSortCell> cells) {
    bool anyEmpty = false;
    bool anyText = false;
    bool anyNumber = false;
    bool anyDate = false;
    double lowest = std::numeric_limits<double>::infinity();
    for (const TSortCell& cell : cells) {
        if (cell.Text.empty()) {
            anyEmpty = true;
            continue;
        }
        switch (cell.Style) {
        case TSortStyle::Alphabetic: anyText = true; break;
        case TSortStyle::Numeric:
            // An unreadable number ties with every cell: no order at all.
            if (!cell.IsNumber) return TSortOrder::None;
            anyNumber = true;
            lowest = std::min(lowest, cell.Number);
            break;
        case TSortStyle::Date:
            anyDate = true;
            lowest = std::min(lowest, cell.Date);
            break;
        }
    }
    if (int(anyText) + int(anyNumber) + int(anyDate) > 1) return TSortOrder::None;
    if (!anyNumber && !anyDate) return TSortOrder::Bytes;
    if (anyEmpty && !(lowest > 0)) return TSortOrder::None;
    return anyNumber ? TSortOrder::Numbers : TSortOrder::Dates;
}

}  // namespace tkm
