#include "ui/grid/grid_date_picker.h"

#include "platform/qt/system_locale.h"

#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionSpinBox>

#include <algorithm>

namespace tkm {

namespace {

bool IsModifierKey(int key) {
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Meta:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
    case Qt::Key_Super_L:
    case Qt::Key_Super_R: return true;
    default: return false;
    }
}

}  // namespace

TGridDatePicker::TGridDatePicker(TKind kind, const TLocaleFormats& formats, QWidget* parent)
    : QDateTimeEdit(kind == dtkDate ? QVariant(QDate(2000, 1, 1)) : QVariant(QTime(0, 0)),
                    kind == dtkDate ? QMetaType::QDate : QMetaType::QTime, parent),
      kind_(kind), formats_(formats) {
    setMinimumDate(QDate(TPickerTyping::FirstYear, 1, 1));
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ApplyFormats();
}

void TGridDatePicker::ApplyFormats() {
    setDisplayFormat(QtFormatFromPicture(kind_ == dtkDate ? formats_.ShortDateFormat : formats_.LongTimeFormat));
    typing_.emplace(Fields(), formats_);
    startOver_ = true;
}

std::vector<TPickerField> TGridDatePicker::Fields() const {
    const bool monthName = displayFormat().contains("MMM");
    const bool twelveHour = (displayedSections() & AmPmSection) != 0;
    std::vector<TPickerField> fields;
    for (int i = 0; i < sectionCount(); ++i) {
        switch (sectionAt(i)) {
        case DaySection: fields.push_back(TPickerField::Day); break;
        case MonthSection: fields.push_back(monthName ? TPickerField::MonthName : TPickerField::Month); break;
        case YearSection: fields.push_back(TPickerField::Year); break;
        case HourSection: fields.push_back(twelveHour ? TPickerField::Hour12 : TPickerField::Hour24); break;
        case MinuteSection: fields.push_back(TPickerField::Minute); break;
        case SecondSection: fields.push_back(TPickerField::Second); break;
        case AmPmSection: fields.push_back(TPickerField::AmPm); break;
        default: fields.push_back(TPickerField::Second); break;  // milliseconds: never in the pictures
        }
    }
    return fields;
}

TPickerValue TGridDatePicker::Value() const {
    const QDate d = date();
    const QTime t = time();
    if (kind_ == dtkDate) return {TDate{d.year(), d.month(), d.day()}, {}};
    return {{}, TTimeOfDay{t.hour(), t.minute(), t.second()}};
}

void TGridDatePicker::Show(const TPickerValue& value) {
    if (kind_ == dtkDate) setDate(QDate(value.Date.Year, value.Date.Month, value.Date.Day));
    else setTime(QTime(value.Time.Hour, value.Time.Minute, value.Time.Second));
}

void TGridDatePicker::SetValue(const TPickerValue& value) {
    Show(value);
    setCurrentSectionIndex(0);
    startOver_ = true;
}

std::string TGridDatePicker::Text() const {
    const TPickerValue value = Value();
    return kind_ == dtkDate ? FormatDate(value.Date, formats_.ShortDateFormat, formats_)
                            : FormatTime(value.Time, formats_.LongTimeFormat, formats_);
}

int TGridDatePicker::NeededWidth() const {
    // The style's field for the text at the present size tells what the frame
    // and the button take; the line edit in it keeps 2 pixels on each side and
    // room for the caret.
    QRect field;
    if (calendarPopup()) {
        QStyleOptionComboBox option;
        option.initFrom(this);
        option.editable = true;
        field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    } else {
        QStyleOptionSpinBox option;
        initStyleOption(&option);
        field = style()->subControlRect(QStyle::CC_SpinBox, &option, QStyle::SC_SpinBoxEditField, this);
    }
    const int chrome = width() - field.width();
    return std::max(minimumSizeHint().width(), chrome + fontMetrics().horizontalAdvance(text()) + 6);
}

void TGridDatePicker::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    const bool typed = !text.isEmpty() && text[0].isPrint() &&
                       !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (!typed) {
        // Shift on its way to a ":" or "/" leaves the field as it is.
        if (!IsModifierKey(event->key())) startOver_ = true;
        QDateTimeEdit::keyPressEvent(event);
        return;
    }
    const TPickerValue shown = Value();
    if (startOver_ || currentSectionIndex() != typing_->Field() || shown != typing_->Value())
        typing_->Start(shown, currentSectionIndex());
    startOver_ = false;
    for (const uint character : text.toUcs4()) {
        if (typing_->Type(QString::fromUcs4(reinterpret_cast<const char32_t*>(&character), 1).toStdString()))
            Show(typing_->Value());
    }
    setCurrentSectionIndex(typing_->Field());
    event->accept();
}

void TGridDatePicker::mousePressEvent(QMouseEvent* event) {
    startOver_ = true;
    QDateTimeEdit::mousePressEvent(event);
}

}  // namespace tkm
