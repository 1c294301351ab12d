#pragma once

#include "base/date_text.h"
#include "ui/dialogs/help_dialog.h"

class QCalendarWidget;
class QLabel;
class QPushButton;

namespace tkm {

class TGridDatePicker;

// The calendar window: a month calendar, a date to go to and a way back to
// today. It reads and changes nothing in the list.
class TfrmCalendar : public THelpDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 20;

    TfrmCalendar(const TDate& today, const TLocaleFormats& formats, QWidget* parent = nullptr);

    TGridDatePicker* dtedCalendar() const { return dtedCalendar_; }
    QCalendarWidget* mthCalCalendar() const { return mthCalCalendar_; }
    QPushButton* Button1() const { return button1_; }
    QPushButton* Button2() const { return button2_; }
    QPushButton* btnOk() const { return btnOk_; }

    void Button1Click();
    void Button2Click();

protected:
    // Esc reaches the window before any of its controls and acts as OK.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const TLocaleFormats formats_;
    const TDate today_;
    TGridDatePicker* dtedCalendar_ = nullptr;
    QCalendarWidget* mthCalCalendar_ = nullptr;
    QPushButton* button1_ = nullptr;
    QPushButton* button2_ = nullptr;
    QPushButton* btnOk_ = nullptr;
};

}  // namespace tkm
