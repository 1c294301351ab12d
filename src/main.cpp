#include "base/termination_cleanup.h"
#include "grid/io/office_export.h"
#include "platform/core/libreoffice_converter.h"
#include "platform/clock.h"
#include "platform/ipc/local_instance_channel.h"
#include "platform/ipc/desktop_notifier.h"
#include "platform/ipc/logind_power_control.h"
#include "platform/keychain/keychain_password_store.h"
#include "platform/program_arguments.h"
#include "platform/qt/desktop_calendar_accounts.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/qt_printer.h"
#include "platform/qt/qt_tray_icon.h"
#include "platform/qt/qt_window_activation.h"
#include "platform/qt/system_locale.h"
#include "settings/ini_location.h"
#include "tasks/open_macro.h"
#include "tasks/recovery_file.h"
#include "tasks/remote_address.h"
#include "tasks/task_table.h"
#include "ui/app/main_window.h"
#include "ui/accessible_widgets.h"
#include "ui/app/termination_watch.h"
#include "ui/app_icon.h"
#include "ui/ui_language.h"

#include <QApplication>
#include <QDBusConnection>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace {

// The socket the running program serves, named after the executable.
QString ChannelSocketPath(const char* executable) {
    const QString folder = tkm::UserRuntimeFolder();
    if (folder.isEmpty()) return {};
    return folder + "/" +
           QString::fromStdString(tkm::InstanceChannelName(tkm::InstanceServiceName(executable), tkm::InstanceTopic));
}

// The running program took the connection and then said nothing.
int ReportNoAnswer(const char* what) {
    std::fprintf(stderr, "taskmere: the running Taskmere did not answer within %d seconds; it may still %s when it is free\n",
                 tkm::SendAnswerTimeoutMs / 1000, what);
    return 3;
}

// --dde-execute MACRO: 0 when the running program took it, 1 when none runs.
int ExecuteInRunning(const QString& socketPath, const std::string& macro) {
    switch (tkm::SendTransaction(socketPath, macro)) {
    case tkm::TSendResult::Accepted: return 0;
    case tkm::TSendResult::NoInstance:
        std::fprintf(stderr, "taskmere: no running Taskmere to send the macro to\n");
        return 1;
    case tkm::TSendResult::NoAnswer: return ReportNoAnswer("run the macro");
    case tkm::TSendResult::Refused: break;
    }
    std::fprintf(stderr, "taskmere: the running Taskmere refused the macro (larger than %zu bytes?)\n",
                 tkm::MaxTransactionSize);
    return 3;
}

// The token the launcher gave this start, for the window it asks to come forward.
std::string ActivationToken() {
    for (const char* name : {"XDG_ACTIVATION_TOKEN", "DESKTOP_STARTUP_ID"}) {
        const char* token = std::getenv(name);
        // An activate line can't carry these.
        if (token && *token && !std::strpbrk(token, "\"\r\n")) return token;
    }
    return {};
}

// --open-in-running [FILE...]: the running program comes forward and opens
// the files; nothing when none runs, so the caller starts one with them.
std::optional<int> OpenInRunning(const QString& socketPath, const std::vector<std::string>& files) {
    std::string macro = tkm::ActivateMacroLine(ActivationToken());
    for (const std::string& file : files) {
        // A list on a server is named by its address, a file by its full path.
        const std::string path = tkm::IsRemoteListAddress(file)
                                     ? file
                                     : QFileInfo(QString::fromLocal8Bit(file.c_str())).absoluteFilePath().toStdString();
        // An open line can't carry these.
        if (path.find_first_of("\"\r\n") != std::string::npos) {
            std::fprintf(stderr, "taskmere: %s: a name with a double quote or a line break can't be handed over\n",
                         file.c_str());
            return 2;
        }
        macro += "[Open(\"" + path + "\")]\r\n";
    }
    switch (tkm::SendTransaction(socketPath, macro)) {
    case tkm::TSendResult::Accepted: return 0;
    case tkm::TSendResult::NoInstance: return std::nullopt;
    // Not a second window: the busy one may still open them.
    case tkm::TSendResult::NoAnswer: return ReportNoAnswer("open the files");
    case tkm::TSendResult::Refused: break;
    }
    std::fprintf(stderr, "taskmere: the running Taskmere refused the files\n");
    return 3;
}

std::vector<std::string> ArgumentsOf(const QStringList& arguments) {
    std::vector<std::string> args;
    for (const QString& argument : arguments.mid(1)) args.push_back(argument.toLocal8Bit().toStdString());
    return args;
}

}  // namespace

// The one place that builds the desktop services and hands them to the window.
int main(int argc, char** argv) {
    // A save cut short by SIGTERM or SIGHUP leaves no temporary file behind.
    tkm::InstallTerminationCleanup();
    // Read before Qt looks for a display: --help and --version need none.
    // Qt's own options are still in, so only these modes are taken from here.
    using TMode = tkm::TProgramRequest::TMode;
    const tkm::TProgramRequest request = tkm::ReadProgramArguments(std::vector<std::string>(argv + 1, argv + argc));
    if (request.Mode == TMode::Help) return std::fputs(tkm::ProgramUsage().c_str(), stdout) < 0;
    if (request.Mode == TMode::Version) return std::fputs(tkm::VersionLine("taskmere").c_str(), stdout) < 0;
    const QString socketPath = ChannelSocketPath(argv[0]);
    switch (request.Mode) {
    case TMode::DdeExecute: return ExecuteInRunning(socketPath, request.Macro);
    case TMode::OpenInRunning:
        if (const auto exitCode = OpenInRunning(socketPath, request.Documents)) return *exitCode;
        break;
    case TMode::BadUsage: std::fprintf(stderr, "%s\n", request.Error.c_str()); return 2;
    case TMode::Help:
    case TMode::Version:
    case TMode::Window:
    case TMode::UnknownOption: break;
    }

    QApplication app(argc, argv);
    const std::string executableFolder = tkm::ExecutableFolder();
    tkm::TUiLanguage language;
    language.Install(QLocale::system(), tkm::TUiLanguage::Folders(QString::fromStdString(executableFolder)));
    tkm::InstallAccessibleWidgets();
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
    const tkm::TLocaleFormats formats = tkm::SystemLocaleFormats();
    tkm::TAppServices services{
        dialogs, shell, clock, formats, tkm::DefaultIniFileName(), executableFolder,
        tkm::OfficeExportThrough(std::make_shared<tkm::TLibreOfficeConverter>(), tkm::TaskTable::SheetTyping(formats)),
        &tray, &power, &printer,
        tkm::CanWriteFolder(executableFolder),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString()};
    tkm::TDesktopNotifier notifier(QDBusConnection::sessionBus());
    services.Notices = &notifier;
    tkm::TQtWindowActivation activation;
    services.Activation = &activation;
    services.TimeZone = tkm::SystemTimeZoneName();
    services.RecoveryFolder = tkm::RecoveryFolderPath(std::getenv("XDG_STATE_HOME"), std::getenv("HOME"));
    tkm::TKeychainPasswordStore passwords;
    tkm::TDesktopCalendarAccounts accounts(passwords);
    services.Accounts = &accounts;

    // Qt has taken its own options out by now.
    const tkm::TProgramRequest started = tkm::ReadProgramArguments(ArgumentsOf(QApplication::arguments()));
    if (started.Mode == TMode::UnknownOption) {
        std::fprintf(stderr, "taskmere: %s\n", started.Error.c_str());
        return 2;
    }
    QStringList documents;
    for (const std::string& document : started.Documents) documents.push_back(QString::fromLocal8Bit(document.c_str()));
    // Lives until the loop ends, however it ends: after Exit too, its
    // destruction stores the reopen list. The documents open once it is on
    // screen, so that a long one shows its progress.
    tkm::TfrmMain window(services, {});
    dialogs.SetParent(&window);
    accounts.SetParent(&window);
    tray.SetMainWindow(&window);
    activation.SetMainWindow(&window);
    // From here on SIGTERM, SIGHUP and SIGINT keep the unsaved changes first.
    tkm::TTerminationWatch termination([&window] { window.KeepChangesForNextStart(); });

    // Another start of the program already serves the name: this one runs without it.
    tkm::TLocalInstanceChannel DDEMain(socketPath);
    if (!socketPath.isEmpty() && DDEMain.Listen() == tkm::TLocalInstanceChannel::TListen::Serving)
        DDEMain.OnExecute = [&window](const std::string& macro) { window.DDEMainExecuteMacro(macro); };

    window.show();
    // Ask for the keyboard at once, so menu shortcuts work from the first key
    // even where no window manager hands the new window the focus.
    window.activateWindow();
    // First in the loop, so another start's macro opens its documents after
    // these; a long load's progress holds the macro back until it is done.
    QTimer::singleShot(0, &window, [&window, &documents] {
        if (!documents.isEmpty()) window.OpenStartDocuments(documents);
        // Asked over the window, once it is there to be restored into.
        window.OfferRecovery();
    });
    return QApplication::exec();
}
