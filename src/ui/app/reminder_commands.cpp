#include "ui/app/reminder_commands.h"

#include "platform/clock.h"
#include "platform/notifier.h"
#include "platform/tray_icon.h"
#include "settings/ini_file.h"
#include "tasks/task_table.h"
#include "ui/app/command_guard.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/task_grid.h"

#include <QAction>

namespace tkm {

namespace {

constexpr int CheckIntervalMs = 60 * 1000;

}  // namespace

TReminderCommands::TReminderCommands(TParts parts, QObject* parent) : QObject(parent), parts_(std::move(parts)) {
    if (parts_.Notices) {
        parts_.Notices->OnActivated = [this](const std::string& token) { ShowEntry(token); };
        parts_.Notices->OnUnavailable = [this](const std::string& title, const std::string& text) {
            if (parts_.Tray) parts_.Tray->ShowMessage(title, text);
        };
    }
    if (parts_.Tray) parts_.Tray->OnMessageClicked = [this] { ShowEntry({}); };
    parts_.Switch.setCheckable(true);
    ShowSwitch();
    connect(&parts_.Switch, &QAction::triggered, this, [this] { Turn(); });
    parts_.Switch.setEnabled(true);
    connect(&timer_, &QTimer::timeout, this, [this] { Check(); });
    timer_.start(CheckIntervalMs);
}

TReminderCommands::~TReminderCommands() {
    if (parts_.Notices) {
        parts_.Notices->OnActivated = nullptr;
        parts_.Notices->OnUnavailable = nullptr;
    }
    if (parts_.Tray) parts_.Tray->OnMessageClicked = nullptr;
}

TTrayMenuItem TReminderCommands::MenuItem() {
    return TTrayMenuItem{
        "mnuReminders", tr("Due &reminders").toStdString(), [this] { Turn(); }, {}, true, reminders_.Enabled()};
}

void TReminderCommands::ShowSwitch() { parts_.Switch.setChecked(reminders_.Enabled()); }

void TReminderCommands::Check() {
    const auto reminder = reminders_.Check(parts_.Grid.Store(), parts_.TimeSource.Today(), parts_.Formats);
    if (!reminder) return;
    row_ = reminder->Row;
    const std::string text = CellToDisplay(reminder->Text).toStdString();
    if (parts_.Notices) parts_.Notices->Notify("Taskmere", text);
    else if (parts_.Tray) parts_.Tray->ShowMessage("Taskmere", text);
}

void TReminderCommands::Turn() {
    reminders_.SetEnabled(!reminders_.Enabled());
    ShowSwitch();
    if (parts_.Switched) parts_.Switched();
    // Written at once: the window reads its settings again each time it comes
    // back from the tray, and must find this choice there.
    if (parts_.IniFileName.empty()) return;
    ReportingStepFailures(parts_.DialogBoxes, [this] {
        TIniFile ini(parts_.IniFileName);
        reminders_.StoreTo(ini.Document(), parts_.IniSection);
        ini.Save();
    });
}

void TReminderCommands::ShowEntry(const std::string& activationToken) {
    parts_.ShowWindow(activationToken);
    TBaseGrid& store = parts_.Grid.Store();
    // The table may have changed since the notification.
    if (row_ < store.RowCount()) store.SetCurrentCell(colDescription, row_);
}

}  // namespace tkm
