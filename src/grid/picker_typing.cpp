#include "grid/picker_typing.h"

#include <algorithm>
#include <cctype>

namespace tkm {

namespace {

bool IsNumeric(TPickerField field) { return field != TPickerField::MonthName && field != TPickerField::AmPm; }

int Largest(TPickerField field) {
    switch (field) {
    case TPickerField::Day: return 31;
    case TPickerField::Month:
    case TPickerField::MonthName:
    case TPickerField::Hour12: return 12;
    case TPickerField::Hour24: return 23;
    case TPickerField::Minute:
    case TPickerField::Second: return 59;
    case TPickerField::Year: return 9999;
    case TPickerField::AmPm: break;
    }
    return 0;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Case does not matter for ASCII letters; other characters must be equal.
bool BeginsWith(std::string_view name, std::string_view prefix) {
    if (prefix.empty() || name.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(name[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    return true;
}

int ToNumber(std::string_view digits) {
    int value = 0;
    for (char c : digits) value = value * 10 + (c - '0');
    return value;
}

}  // namespace

TPickerTyping::TPickerTyping(std::vector<TPickerField> fields, const TLocaleFormats& formats)
    : fields_(std::move(fields)), formats_(formats) {}

void TPickerTyping::Start(const TPickerValue& value, int field) {
    value_ = value;
    field_ = std::clamp(field, 0, std::max(0, int(fields_.size()) - 1));
    typed_.clear();
}

TPickerValue TPickerTyping::Value() const {
    TPickerValue shown = value_;
    TDate& date = shown.Date;
    date.Year = std::clamp(date.Year, FirstYear, 9999);
    date.Month = std::clamp(date.Month, 1, 12);
    date.Day = std::max(date.Day, 1);
    while (!date.IsValid()) --date.Day;
    return shown;
}

bool TPickerTyping::Type(std::string_view character) {
    if (character.empty() || fields_.empty()) return false;
    const auto first = static_cast<unsigned char>(character[0]);
    if (IsDigit(char(first))) return TypeDigit(first - '0');
    if (first >= 0x80 || std::isalpha(first)) return TypeLetter(character);
    // A separator ends the field that has been typed into.
    if (first < ' ' || typed_.empty()) return false;
    return MoveOn();
}

bool TPickerTyping::MoveOn() {
    if (field_ + 1 >= int(fields_.size())) return false;
    ++field_;
    typed_.clear();
    return true;
}

bool TPickerTyping::IsFull() const {
    const TPickerField field = fields_[std::size_t(field_)];
    if (field == TPickerField::AmPm || (field == TPickerField::MonthName && !IsDigit(typed_[0]))) return true;
    if (field == TPickerField::Year) return typed_.size() >= 4;
    return typed_.size() >= 2 || ToNumber(typed_) * 10 > Largest(field);
}

bool TPickerTyping::TypeDigit(int digit) {
    if (!typed_.empty() && IsFull() && !MoveOn()) return false;
    if (!IsNumeric(fields_[std::size_t(field_)]) && fields_[std::size_t(field_)] != TPickerField::MonthName)
        return false;
    typed_ += char('0' + digit);
    SetTyped(ToNumber(typed_));
    return true;
}

void TPickerTyping::SetTyped(int number) {
    TDate& date = value_.Date;
    TTimeOfDay& time = value_.Time;
    const bool firstDigit = typed_.size() == 1;
    switch (fields_[std::size_t(field_)]) {
    case TPickerField::Day: date.Day = number; break;
    case TPickerField::Month:
    case TPickerField::MonthName: date.Month = number; break;
    case TPickerField::Year: date.Year = typed_.size() <= 2 ? number + (number < 50 ? 2000 : 1900) : number; break;
    case TPickerField::Hour24: time.Hour = number; break;
    case TPickerField::Hour12: time.Hour = number % 12 + (time.Hour >= 12 ? 12 : 0); break;
    case TPickerField::Minute: time.Minute = number; break;
    case TPickerField::Second: time.Second = number; break;
    case TPickerField::AmPm: break;
    }
    if (firstDigit) ClearSmallerUnits();
}

void TPickerTyping::ClearSmallerUnits() {
    switch (fields_[std::size_t(field_)]) {
    case TPickerField::Hour24:
    case TPickerField::Hour12: value_.Time.Minute = 0; [[fallthrough]];
    case TPickerField::Minute: value_.Time.Second = 0; break;
    default: break;
    }
}

int TPickerTyping::FieldOf(TPickerField kind) const {
    const auto it = std::find(fields_.begin(), fields_.end(), kind);
    return it == fields_.end() ? -1 : int(it - fields_.begin());
}

bool TPickerTyping::TypeLetter(std::string_view character) {
    TPickerField field = fields_[std::size_t(field_)];
    if (IsNumeric(field)) {
        // "3:15 pm": a letter goes to the month name or the AM/PM marker.
        const int named = std::max(FieldOf(TPickerField::MonthName), FieldOf(TPickerField::AmPm));
        if (named < 0) return false;
        const int savedField = field_;
        const std::string savedTyped = typed_;
        field_ = named;
        typed_.clear();
        if (TypeLetter(character)) return true;
        field_ = savedField;
        typed_ = savedTyped;
        return false;
    }
    if (field == TPickerField::MonthName && !typed_.empty() && IsDigit(typed_[0])) return false;
    // The longer name typed so far, or else a new one from this letter.
    for (const std::string& candidate : {typed_ + std::string(character), std::string(character)}) {
        if (field == TPickerField::AmPm) {
            const bool am = BeginsWith(formats_.TimeAMString, candidate);
            const bool pm = BeginsWith(formats_.TimePMString, candidate);
            if (!am && !pm) continue;
            value_.Time.Hour = value_.Time.Hour % 12 + (am ? 0 : 12);
            typed_ = candidate;
            return true;
        }
        for (int m = 0; m < 12; ++m) {
            if (BeginsWith(formats_.LongMonthNames[std::size_t(m)], candidate) ||
                BeginsWith(formats_.ShortMonthNames[std::size_t(m)], candidate)) {
                value_.Date.Month = m + 1;
                typed_ = candidate;
                return true;
            }
        }
    }
    return false;
}

}  // namespace tkm
