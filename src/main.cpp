#include "platform/clock.h"
#include "platform/qt/qt_dialogs.h"
#include "platform/qt/system_locale.h"
#include "settings/ini_location.h"
#include "ui/app/main_window.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName("Taskmere");
    QApplication::setApplicationDisplayName("Taskmere");

    tkm::QtDialogs dialogs;
    tkm::QtShell shell;
    tkm::SystemClock clock;
    const tkm::TAppServices services{dialogs, shell, clock, tkm::SystemLocaleFormats(),
                                      tkm::DefaultIniFileName(), tkm::ExecutableFolder()};

    QStringList documents = QApplication::arguments();
    documents.removeFirst();
    auto* window = new tkm::TfrmMain(services, documents);
    window->setAttribute(Qt::WA_DeleteOnClose);
    dialogs.SetParent(window);
    window->show();
    // Ask for the keyboard at once, so menu shortcuts work from the first key
    // even where no window manager hands the new window the focus.
    window->activateWindow();
    const int code = QApplication::exec();
    return code;
}
