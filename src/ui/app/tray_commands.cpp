#include "ui/app/tray_commands.h"

#include "platform/tray_icon.h"
#include "platform/window_activation.h"
#include "ui/grid/task_grid.h"

#include <QCoreApplication>
#include <QMainWindow>

namespace tkm {

TTrayCommands::TTrayCommands(TrayIcon* tray, PowerControl* power, TWindowParts window)
    : tray_(tray), power_(power), window_(std::move(window)) {
    if (power_) {
        asdMain_.emplace(*power_);
        power_->OnShutdownPending = [this] { ShutdownPending(); };
    }
    if (!tray_) return;
    tray_->OnClick = [this] { ticnMainClick(); };
    tray_->OnDoubleClick = [this] { ticnMainDblClick(); };
    tray_->OnAvailabilityChanged = [this](bool available) { AvailabilityChanged(available); };
    UpdateMenu();
    tray_->SetTaskbarButtonHidden(tray_->Available());
}

void TTrayCommands::UpdateMenu() {
    if (tray_) tray_->Show("Taskmere", pmTray());
}

TTrayCommands::~TTrayCommands() {
    if (power_) power_->OnShutdownPending = nullptr;
    if (!tray_) return;
    tray_->Hide();
    tray_->OnClick = nullptr;
    tray_->OnDoubleClick = nullptr;
    tray_->OnAvailabilityChanged = nullptr;
}

namespace {

std::string Caption(const char* text) { return QCoreApplication::translate("Tray", text).toStdString(); }

}  // namespace

std::vector<TTrayMenuItem> TTrayCommands::pmTray() {
    const auto power = [this](const char* name, const char* caption, TShutdownActionType action) {
        return TTrayMenuItem{name, Caption(caption), [this, action] { RunPowerAction(action); }, {}};
    };
    std::vector<TTrayMenuItem> items{
        TTrayMenuItem{"mnuClickOff", Caption(QT_TRANSLATE_NOOP("Tray", "&Click OFF")), {},
                      {power("Hibernate1", QT_TRANSLATE_NOOP("Tray", "&Hibernate"), aatHibernate),
                       power("Logoff1", QT_TRANSLATE_NOOP("Tray", "&Logoff"), aatLogOff),
                       power("Reeboot1", QT_TRANSLATE_NOOP("Tray", "&Reboot"), aatReboot),
                       power("Shutdown1", QT_TRANSLATE_NOOP("Tray", "&Shutdown"), aatShutdown),
                       power("Suspend1", QT_TRANSLATE_NOOP("Tray", "S&uspend"), aatSuspend)}}};
    if (window_.Options)
        for (TTrayMenuItem& option : window_.Options()) items.push_back(std::move(option));
    items.push_back(TTrayMenuItem{});
    items.push_back(TTrayMenuItem{"Exit1", Caption(QT_TRANSLATE_NOOP("Tray", "E&xit")), window_.Exit, {}});
    return items;
}

void TTrayCommands::WindowMinimised() {
    // Hidden without an icon to bring it back, the window would be lost.
    if (tray_ && tray_->Available()) HideWindow();
}

void TTrayCommands::HideWindow() {
    QMainWindow& window = window_.Window;
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.hide();
    windowShown_ = false;
}

void TTrayCommands::ShowWindow(const std::string& activationToken) {
    QMainWindow& window = window_.Window;
    if (window.isMinimized()) window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    // The window system forgets the hint while the window is hidden.
    if (tray_) tray_->SetTaskbarButtonHidden(tray_->Available());
    window.show();
    window.raise();
    if (window_.Activation) window_.Activation->Activate(activationToken);
    else window.activateWindow();
    windowShown_ = true;
}

void TTrayCommands::ticnMainClick() {
    if (!windowShown_) return;
    window_.Window.raise();
    window_.Window.activateWindow();
}

void TTrayCommands::ticnMainDblClick() {
    if (windowShown_) {
        HideWindow();
        return;
    }
    ShowWindow();
    TBaseGrid& store = window_.Grid.Store();
    store.SetCurrentCell(store.Col(), store.Row());
    window_.Grid.StartEditing();
}

void TTrayCommands::AvailabilityChanged(bool available) {
    // The tray went away with the window in it: bring the window back.
    if (!available && !windowShown_) ShowWindow();
    else tray_->SetTaskbarButtonHidden(available);
}

void TTrayCommands::RunPowerAction(TShutdownActionType action) {
    if (!asdMain_) return;
    asdMain_->ActionType = action;
    asdMain_->Execute();
}

void TTrayCommands::ShutdownPending() {
    // The close question protects unsaved work; a closed window ends the program.
    if (window_.Window.close()) QCoreApplication::quit();
    power_->ReleaseShutdownDelay();
}

}  // namespace tkm
