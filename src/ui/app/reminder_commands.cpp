#include "ui/app/reminder_commands.h"

#include "platform/clock.h"
#include "platform/tray_icon.h"
#include "settings/ini_file.h"
#include "tasks/task_table.h"
#include "ui/app/command_guard.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/task_grid.h"

namespace tkm {

namespace {

constexpr int CheckIntervalMs = 60 * 1000;

}  // namespace

TReminderCommands::TReminderCommands(TParts parts, QObject* parent) : QObject(parent), parts_(std::move(parts)) {
    parts_.Tray.OnMessageClicked = [this] { ShowEntry(); };
    connect(&timer_, &QTimer::timeout, this, [this] { Check(); });
    timer_.start(CheckIntervalMs);
    // The first look once the documents of the command line are in.
    QTimer::singleShot(0, this, [this] { Check(); });
}

TReminderCommands::~TReminderCommands() { parts_.Tray.OnMessageClicked = nullptr; }

TTrayMenuItem TReminderCommands::MenuItem() {
    return TTrayMenuItem{"mnuReminders", "Due &reminders", [this] { Switch(); }, {}, true, reminders_.Enabled()};
}

void TReminderCommands::Check() {
    const auto reminder = reminders_.Check(parts_.Grid.Store(), parts_.TimeSource.Today(), parts_.Formats);
    if (!reminder) return;
    row_ = reminder->Row;
    parts_.Tray.ShowMessage("Taskmere", CellToDisplay(reminder->Text).toStdString());
}

void TReminderCommands::Switch() {
    reminders_.SetEnabled(!reminders_.Enabled());
    // Written at once: the window reads its settings again each time it comes
    // back from the tray, and must find this choice there.
    if (parts_.IniFileName.empty()) return;
    ReportingStepFailures(parts_.DialogBoxes, [this] {
        TIniFile ini(parts_.IniFileName);
        reminders_.StoreTo(ini.Document(), parts_.IniSection);
        ini.Save();
    });
}

void TReminderCommands::ShowEntry() {
    parts_.ShowWindow();
    TBaseGrid& store = parts_.Grid.Store();
    // The table may have changed since the notification.
    if (row_ < store.RowCount()) store.SetCurrentCell(colDescription, row_);
}

}  // namespace tkm
