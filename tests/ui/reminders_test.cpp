#include "ui/main_window_fixture.h"

#include "platform/fake/fake_notifier.h"
#include "platform/fake/fake_tray_icon.h"
#include "support/temp_folder.h"

#include <QAction>

namespace tkm {
namespace {

// The window with the desktop's notifications, with or without a tray.
class RemindersTest : public MainWindowTest {
protected:
    FakeNotifier notices;
    FakeTrayIcon tray;
    test::TTempFolder folder;

    void SetUp() override {}
    void TearDown() override { window.reset(); }

    // Starts on a list whose one entry is due on the pinned today.
    void StartOnDueList(TrayIcon* trayIcon) {
        const std::string list = folder.File("due.tkm");
        test::WriteBytes(list, "No,Entry Date,Status,Task Description,Priority,Due Date\r\n"
                               "1,01/12/2026,Not Started,Write report,Normal,08/12/2026\r\n");
        window.reset();
        TAppServices services{dialogs, shell, clock, formats, folder.File("TKM.ini"), "", {}, trayIcon};
        services.Notices = &notices;
        window = std::make_unique<TfrmMain>(services, QStringList{QString::fromStdString(list)});
        window->show();
        QCoreApplication::processEvents();
    }
};

TEST_F(RemindersTest, WithoutATrayTheFirstReminderComesAtStartUpAndLeadsToItsEntry) {
    StartOnDueList(nullptr);
    EXPECT_EQ(notices.Notifications, std::vector<std::string>{"Taskmere: Due today: Write report"});

    Store().SetCurrentCell(colStatus, 1);
    window->showMinimized();
    QCoreApplication::processEvents();
    notices.Activate("token");
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(Store().Col(), colDescription);

    // The switch is in the Edit menu, and stays off after a restart.
    QAction* reminders = window->Action("aclReminders");
    ASSERT_TRUE(reminders->isEnabled());
    EXPECT_TRUE(reminders->isChecked());
    reminders->trigger();
    EXPECT_FALSE(reminders->isChecked());
    StartOnDueList(nullptr);
    EXPECT_EQ(notices.Notifications.size(), 1u);
    EXPECT_FALSE(window->Action("aclReminders")->isChecked());
}

TEST_F(RemindersTest, WhereNoNotificationServiceRunsTheTrayShowsItAndBothSwitchesAgree) {
    notices.Present = false;
    StartOnDueList(&tray);
    EXPECT_EQ(tray.Messages, std::vector<std::string>{"Taskmere: Due today: Write report"});
    window->Action("aclReminders")->trigger();
    ASSERT_GE(tray.Menu.size(), 2u);
    EXPECT_EQ(tray.Menu[1].Name, "mnuReminders");
    EXPECT_FALSE(tray.Menu[1].Checked);
    ASSERT_TRUE(tray.Choose("mnuReminders"));
    EXPECT_TRUE(window->Action("aclReminders")->isChecked());
}

}  // namespace
}  // namespace tkm
