#include "base/termination_cleanup.h"
#include "grid/io/office_export.h"
#include "platform/core/libreoffice_converter.h"
#include "platform/clock.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/system_locale.h"
#include "settings/ini_location.h"
#include "ui/app/main_window.h"

#include <QApplication>

// The one place that builds the desktop services and hands them to the window.
int main(int argc, char** argv) {
    // A save cut short by SIGTERM or SIGHUP leaves no temporary file behind.
    tkm::InstallTerminationCleanup();
    QApplication app(argc, argv);
    // No display name: Qt would add it to every window title.
    QApplication::setApplicationName("Taskmere");

    tkm::QtDialogs dialogs;
    tkm::QtShell shell;
    tkm::SystemClock clock;
    const tkm::TAppServices services{dialogs, shell, clock, tkm::SystemLocaleFormats(),
                                      tkm::DefaultIniFileName(), tkm::ExecutableFolder(),
                                      tkm::OfficeExportThrough(std::make_shared<tkm::TLibreOfficeConverter>())};

    QStringList documents = QApplication::arguments();
    documents.removeFirst();
    // Lives until the loop ends, however it ends: after Exit too, its
    // destruction stores the reopen list.
    tkm::TfrmMain window(services, documents);
    dialogs.SetParent(&window);
    window.show();
    // Ask for the keyboard at once, so menu shortcuts work from the first key
    // even where no window manager hands the new window the focus.
    window.activateWindow();
    return QApplication::exec();
}
