#include "base/termination_cleanup.h"
#include "grid/io/office_export.h"
#include "platform/core/libreoffice_converter.h"
#include "platform/clock.h"
#include "platform/ipc/local_instance_channel.h"
#include "platform/ipc/logind_power_control.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_tray_icon.h"
#include "platform/qt/system_locale.h"
#include "settings/ini_location.h"
#include "tasks/recovery_file.h"
#include "ui/app/main_window.h"
#include "ui/app_icon.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>

namespace {

// The socket the running program serves, named after the executable.
QString ChannelSocketPath(const char* executable) {
    const QString folder = tkm::UserRuntimeFolder();
    if (folder.isEmpty()) return {};
    return folder + "/" +
           QString::fromStdString(tkm::InstanceChannelName(tkm::InstanceServiceName(executable), tkm::InstanceTopic));
}

// --dde-execute MACRO: 0 when the running program took it, 1 when none runs.
int ExecuteInRunning(const QString& socketPath, const std::string& macro) {
    switch (tkm::SendTransaction(socketPath, macro)) {
    case tkm::TSendResult::Accepted: return 0;
    case tkm::TSendResult::NoInstance:
        std::fprintf(stderr, "taskmere: no running Taskmere to send the macro to\n");
        return 1;
    case tkm::TSendResult::Refused: break;
    }
    std::fprintf(stderr, "taskmere: the running Taskmere refused the macro (larger than %zu bytes?)\n",
                 tkm::MaxTransactionSize);
    return 3;
}

// --open-in-running FILE...: the files go to the running program as open
// lines; nothing when none runs, so the caller starts one with them.
std::optional<int> OpenInRunning(const QString& socketPath, int count, char** files) {
    std::string macro;
    for (int i = 0; i < count; ++i) {
        const std::string path = QFileInfo(QString::fromLocal8Bit(files[i])).absoluteFilePath().toStdString();
        // An open line can't carry these.
        if (path.find_first_of("\"\r\n") != std::string::npos) {
            std::fprintf(stderr, "taskmere: %s: a name with a double quote or a line break can't be handed over\n",
                         files[i]);
            return 2;
        }
        macro += "[Open(\"" + path + "\")]\r\n";
    }
    switch (tkm::SendTransaction(socketPath, macro)) {
    case tkm::TSendResult::Accepted: return 0;
    case tkm::TSendResult::NoInstance: return std::nullopt;
    case tkm::TSendResult::Refused: break;
    }
    std::fprintf(stderr, "taskmere: the running Taskmere refused the files\n");
    return 3;
}

}  // namespace

// The one place that builds the desktop services and hands them to the window.
int main(int argc, char** argv) {
    // A save cut short by SIGTERM or SIGHUP leaves no temporary file behind.
    tkm::InstallTerminationCleanup();
    const QString socketPath = ChannelSocketPath(argv[0]);
    int firstDocument = 1;
    if (argc >= 2 && std::strcmp(argv[1], "--dde-execute") == 0) {
        if (argc != 3) {
            std::fprintf(stderr, "usage: taskmere --dde-execute MACRO\n");
            return 2;
        }
        return ExecuteInRunning(socketPath, argv[2]);
    }
    if (argc >= 2 && std::strcmp(argv[1], "--open-in-running") == 0) {
        if (const auto exitCode = OpenInRunning(socketPath, argc - 2, argv + 2)) return *exitCode;
        firstDocument = 2;
    }

    QApplication app(argc, argv);
    // No display name: Qt would add it to every window title.
    QApplication::setApplicationName("Taskmere");
    QApplication::setWindowIcon(tkm::AppIcon());
    // The desktop matches the window to the menu entry, its name and its icon.
    QGuiApplication::setDesktopFileName("taskmere");

    tkm::QtDialogs dialogs;
    tkm::QtShell shell;
    tkm::SystemClock clock;
    tkm::TTrayIcon tray(tkm::AppIcon());
    tkm::TLogindPowerControl power(QDBusConnection::systemBus());
    tkm::QtPrinter printer;
    const std::string executableFolder = tkm::ExecutableFolder();
    tkm::TAppServices services{
        dialogs, shell, clock, tkm::SystemLocaleFormats(), tkm::DefaultIniFileName(), executableFolder,
        tkm::OfficeExportThrough(std::make_shared<tkm::TLibreOfficeConverter>()), &tray, &power, &printer,
        tkm::CanWriteFolder(executableFolder),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString()};
    services.RecoveryFolder = tkm::RecoveryFolderPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));

    QStringList documents = QApplication::arguments().mid(firstDocument);
    // Lives until the loop ends, however it ends: after Exit too, its
    // destruction stores the reopen list.
    tkm::TfrmMain window(services, documents);
    dialogs.SetParent(&window);
    tray.SetMainWindow(&window);

    // Another start of the program already serves the name: this one runs without it.
    tkm::TLocalInstanceChannel DDEMain(socketPath);
    if (!socketPath.isEmpty() && DDEMain.Listen() == tkm::TLocalInstanceChannel::TListen::Serving)
        DDEMain.OnExecute = [&window](const std::string& macro) { window.DDEMainExecuteMacro(macro); };

    window.show();
    // Ask for the keyboard at once, so menu shortcuts work from the first key
    // even where no window manager hands the new window the focus.
    window.activateWindow();
    // Asked over the window, once it is there to be restored into.
    QTimer::singleShot(0, &window, [&window] { window.OfferRecovery(); });
    return QApplication::exec();
}
