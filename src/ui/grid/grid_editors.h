#pragma once

#include "base/date_text.h"
#include "grid/editor_type.h"

#include <QElapsedTimer>
#include <QObject>
#include <QSpinBox>

#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;

namespace tkm {

class Clock;
class TGridDatePicker;

// The progress editor: Page Up and Page Down step by one, Home and End jump to
// the bounds. A whole number typed past the bounds stays as typed until the
// value is taken.
class TGridSpin : public QSpinBox {
    Q_OBJECT
public:
    explicit TGridSpin(QWidget* parent);
    QLineEdit* TextBox() const { return lineEdit(); }
    // The typed value, brought into the bounds with a beep where it lies outside.
    int TakeValue();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    QValidator::State validate(QString& input, int& pos) const override;

private:
    std::optional<long long> TypedNumber() const;
};

// Where and with what a separate editor opens.
struct TEditorStart {
    std::string Value;      // the cell's text as the owner gave it; not used by the spin editor
    long long Integer = 0;  // the spin editor's value
    QRect Rect;
    QColor Background;
};

// The grid's separate in-place controls, one of each kind, shown one at a time
// over the current cell. They report the keys the grid acts on and the loss of
// the focus; what those mean for the cell is the grid's business.
class TGridEditors : public QObject {
    Q_OBJECT
public:
    TGridEditors(QWidget* viewport, const QFont& font, const TLocaleFormats& formats);

    static bool IsSeparate(TEditorType kind);

    // Filled by the grid's owner before the list opens.
    std::vector<std::string>& ComboItems() { return comboItems_; }
    void SetSpinBounds(int minimum, int maximum);
    // Called after the locale formats change.
    void ApplyFormats();

    void Open(TEditorType kind, const TEditorStart& start, const Clock& clock);
    // Hands the character typed on the grid that opened the editor to the spin
    // editor or the picker; the list takes no typing.
    void TypeFirstKey(const QString& text);
    // The value for the cell: the spin's number, the chosen item, the date or time.
    std::string Text();
    void Close();
    void Place(const QRect& rect);
    bool HasFocus() const;

    QWidget* Active() const { return active_; }
    TGridSpin* Spin() const { return spin_; }
    QComboBox* Combo() const { return combo_; }
    TGridDatePicker* DatePicker() const { return date_; }
    TGridDatePicker* TimePicker() const { return time_; }

signals:
    // Enter, Escape, Tab, Backtab; Up and Down from the spin editor; Left and
    // Right from the list.
    void GridKey(QKeyEvent* event);
    void FocusLost();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool IsGridKey(int key) const;
    // F4, Alt+Down and Alt+Up drop the calendar, as in a list.
    static bool IsDropKey(const QKeyEvent& key);
    void OpenCalendar();
    int NeededWidth() const;
    void SelectEqualItem();
    void ReadPicker(const Clock& clock);
    void FitDropWidth();
    void Paint(QWidget* control, const QColor& background);

    const TLocaleFormats& formats_;
    TGridSpin* spin_;
    QComboBox* combo_;
    TGridDatePicker* date_;
    TGridDatePicker* time_;
    QWidget* active_ = nullptr;
    TEditorType kind_ = TEditorType::Normal;
    std::vector<std::string> comboItems_;
    std::string startValue_;
    QElapsedTimer dropped_;
    QRect cellRect_;
};

}  // namespace tkm
