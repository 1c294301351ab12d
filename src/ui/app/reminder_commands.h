#pragma once

#include "base/date_text.h"
#include "tasks/due_reminders.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

namespace tkm {

class Clock;
class Dialogs;
class TTaskGrid;
class TrayIcon;
struct TTrayMenuItem;

// Due reminders while the program runs: a look at the table every minute, a
// desktop notification from the tray icon, and the tray menu's switch.
class TReminderCommands final : public QObject {
    Q_OBJECT
public:
    struct TParts {
        TrayIcon& Tray;
        TTaskGrid& Grid;
        const Clock& TimeSource;
        TLocaleFormats Formats;
        Dialogs& DialogBoxes;
        std::function<void()> ShowWindow;
        std::string IniFileName;
        std::string IniSection;  // the switch's own section
    };

    TReminderCommands(TParts parts, QObject* parent);
    ~TReminderCommands() override;

    // Loaded and stored with the window's other settings.
    TDueReminders& Reminders() { return reminders_; }
    // "Due &reminders", checked while they are on.
    TTrayMenuItem MenuItem();
    // Reminds of what became due since the last look.
    void Check();

private:
    void Switch();
    void ShowEntry();

    TParts parts_;
    TDueReminders reminders_;
    QTimer timer_;
    int row_ = 1;  // where the last notification leads
};

}  // namespace tkm
