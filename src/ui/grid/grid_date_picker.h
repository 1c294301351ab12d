#pragma once

#include "grid/picker_typing.h"

#include <QDateTimeEdit>

#include <optional>
#include <string>

namespace tkm {

// The date picker (with its drop-down calendar) and the time picker. Typed
// keys are read the way people write dates and times; arrows, the spin keys,
// the calendar and the mouse work as in any date edit.
class TGridDatePicker : public QDateTimeEdit {
    Q_OBJECT
public:
    enum TKind { dtkDate, dtkTime };

    TGridDatePicker(TKind kind, const TLocaleFormats& formats, QWidget* parent);

    TKind Kind() const { return kind_; }
    // The short date or long time picture of the formats; called again when they change.
    void ApplyFormats();
    TPickerValue Value() const;
    // Shows a value; typing starts over in the first field.
    void SetValue(const TPickerValue& value);
    // The value as cell text, in the short date or long time picture.
    std::string Text() const;
    // The width that shows the whole value beside the button.
    int NeededWidth() const;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    std::vector<TPickerField> Fields() const;
    void Show(const TPickerValue& value);

    const TKind kind_;
    const TLocaleFormats& formats_;
    std::optional<TPickerTyping> typing_;
    bool startOver_ = true;  // the caret or the value moved by other means than typing
};

}  // namespace tkm
