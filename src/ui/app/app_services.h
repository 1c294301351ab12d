#pragma once

#include "base/date_text.h"
#include "grid/io/export_formats.h"

#include <chrono>
#include <string>

namespace tkm {

class CalendarAccounts;
class Clock;
class Dialogs;
class Notifier;
class PowerControl;
class Printer;
class Shell;
class TrayIcon;
class WindowActivation;

// The desktop services the main window reaches everything through, so tests
// can put fakes in their place.
struct TAppServices {
    Dialogs& DialogBoxes;
    Shell& DesktopShell;
    const Clock& TimeSource;
    TLocaleFormats Formats;
    std::string IniFileName;      // TKM.ini
    std::string ExecutableFolder;  // where the file dialogs start while it can be written
    TOfficeExport OfficeExport = {};  // the office server's exports; none without one
    // None: the desktop has no notification area, or no power manager.
    TrayIcon* Tray = nullptr;
    PowerControl* Power = nullptr;
    // None: nothing prints, the preview still shows the pages.
    Printer* Printers = nullptr;
    bool ExecutableFolderWritable = true;
    std::string DocumentsFolder = {};  // where the dialogs start otherwise, for an untitled document
    // Where unsaved changes are kept against a crash; empty: they are not.
    std::string RecoveryFolder = {};
    // The desktop's notifications; none: the tray's balloons only.
    Notifier* Notices = nullptr;
    // The focus on the desktop's terms; none: Qt's own request.
    WindowActivation* Activation = nullptr;
    // The pause in the user's work after which the changes are kept.
    std::chrono::milliseconds RecoveryIdleTime = std::chrono::seconds(30);
    // The desktop's time zone by name, for iCalendar files; empty: floating times.
    std::string TimeZone = {};
    // The accounts of lists on CalDAV servers; none: no remote lists.
    CalendarAccounts* Accounts = nullptr;
};

}  // namespace tkm
