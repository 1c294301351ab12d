#include "ui/main_window_fixture.h"

#include "support/temp_folder.h"
#include "tasks/open_macro.h"

#include <QDialog>
#include <QTest>

namespace tkm {
namespace {

TEST_F(MainWindowTest, AnOpenMacroWaitsUntilTheUsersDialogIsClosed) {
    test::TTempFolder folder;
    const std::string b = folder.File("b.tkm");
    test::WriteBytes(b, "No,Entry Date,Status,Task Description\r\n1,,,from b\r\n");
    QDialog chooser(window.get());  // as the Open dialog would be
    chooser.setModal(true);
    chooser.show();
    window->DDEMainExecuteMacro("[Open(\"" + b + "\")]");
    QTest::qWait(300);
    EXPECT_EQ(window->windowTitle(), "Untitled - Taskmere");
    chooser.hide();
    EXPECT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "b - Taskmere"; }, 2000));
}

TEST_F(MainWindowTest, AStartFromTheMenuBringsTheWindowForwardEvenUnderADialog) {
    window->showMinimized();
    QCoreApplication::processEvents();
    window->DDEMainExecuteMacro(ActivateMacroLine(""));
    EXPECT_FALSE(window->isMinimized());

    window->hide();  // as in the tray
    QDialog question(window.get());
    question.setModal(true);
    question.show();
    window->DDEMainExecuteMacro(ActivateMacroLine("startup-id_TIME42"));
    EXPECT_TRUE(window->isVisible());
}

}  // namespace
}  // namespace tkm
