#pragma once

#include "base/date_text.h"
#include "tasks/due_reminders.h"

#include <QObject>
#include <QTimer>

#include <functional>
#include <string>

class QAction;

namespace tkm {

class Clock;
class Dialogs;
class Notifier;
class TTaskGrid;
class TrayIcon;
struct TTrayMenuItem;

// Due reminders while the program runs: a look at the table at start-up and
// every minute, a desktop notification (the tray's balloon where the desktop
// has no notification service), and the switch in the Edit and tray menus.
class TReminderCommands final : public QObject {
    Q_OBJECT
public:
    struct TParts {
        Notifier* Notices;  // none: the tray's balloon only
        TrayIcon* Tray;     // none: no balloon either
        TTaskGrid& Grid;
        const Clock& TimeSource;
        TLocaleFormats Formats;
        Dialogs& DialogBoxes;
        // Brings the window forward, with the desktop's activation token.
        std::function<void(const std::string& activationToken)> ShowWindow;
        QAction& Switch;  // the window menu's "Due &reminders"
        // The switch was turned: the tray menu shows it afresh.
        std::function<void()> Switched;
        std::string IniFileName;
        std::string IniSection;  // the switch's own section
    };

    TReminderCommands(TParts parts, QObject* parent);
    ~TReminderCommands() override;

    // Loaded and stored with the window's other settings.
    TDueReminders& Reminders() { return reminders_; }
    // "Due &reminders", checked while they are on.
    TTrayMenuItem MenuItem();
    // The switch's mark as the settings have it.
    void ShowSwitch();
    // Reminds of what became due since the last look; the window looks
    // first when it is shown.
    void Check();

private:
    void Turn();
    void ShowEntry(const std::string& activationToken);

    TParts parts_;
    TDueReminders reminders_;
    QTimer timer_;
    int row_ = 1;  // where the last notification leads
};

}  // namespace tkm
