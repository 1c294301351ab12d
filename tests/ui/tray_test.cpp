#include "ui/main_window_fixture.h"

#include "platform/fake/fake_power_control.h"
#include "platform/fake/fake_tray_icon.h"
#include "ui/app/reminder_commands.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace tkm {
namespace {

// The window beside a fake notification area and a recording power manager.
class TrayTest : public MainWindowTest {
protected:
    FakeTrayIcon tray;
    RecordingPowerControl power;
    QTemporaryDir folder;

    void SetUp() override { StartBesideTray(); }
    // The window goes before the tray and power manager it holds on to.
    void TearDown() override { window.reset(); }

    std::string Path(const char* name) { return QDir(folder.path()).filePath(name).toStdString(); }
    void StartBesideTray() {
        window.reset();
        window = std::make_unique<TfrmMain>(
            TAppServices{dialogs, shell, clock, formats, Path("TKM.ini"), "", {}, &tray, &power}, QStringList{});
        window->show();
        QCoreApplication::processEvents();
    }
    void Minimise() {
        window->showMinimized();
        QCoreApplication::processEvents();
    }
};

std::vector<std::string> Captions(const std::vector<TTrayMenuItem>& items) {
    std::vector<std::string> captions;
    for (const TTrayMenuItem& item : items) captions.push_back(item.Caption);
    return captions;
}

TEST_F(TrayTest, TheIconCarriesTheHintAndTheMenuOfPowerCommandsAndExit) {
    ASSERT_TRUE(tray.Shown);
    EXPECT_EQ(tray.Hint, "Taskmere");
    EXPECT_TRUE(tray.TaskbarButtonHidden);  // the icon stands in for it
    EXPECT_EQ(Captions(tray.Menu), (std::vector<std::string>{"&Click OFF", "Due &reminders", "", "E&xit"}));
    EXPECT_TRUE(tray.Menu[1].Checked);
    EXPECT_EQ(Captions(tray.Menu[0].Items),
              (std::vector<std::string>{"&Hibernate", "&Logoff", "&Reboot", "&Shutdown", "S&uspend"}));
    for (const char* item : {"Hibernate1", "Logoff1", "Reeboot1", "Shutdown1", "Suspend1"}) EXPECT_TRUE(tray.Choose(item));
    ASSERT_EQ(power.Requests.size(), 5u);
    const TPowerRequest expected[] = {TPowerRequest::Hibernate, TPowerRequest::EndSession, TPowerRequest::Reboot,
                                      TPowerRequest::PowerOff, TPowerRequest::Suspend};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_EQ(power.Requests[i].Request, expected[i]);
    window.reset();
    EXPECT_FALSE(tray.Shown);  // removed when the program ends
}

TEST_F(TrayTest, MinimisingHidesIntoTheTrayAndADoubleClickBringsTheWindowBackEditing) {
    Grid().CommitEditor();
    Store().SetCurrentCell(colResources, 1);
    Minimise();
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->isMinimized());  // it comes back as it was before
    EXPECT_FALSE(window->WindowShown());
    tray.Click();  // a single click on a hidden window does nothing
    EXPECT_FALSE(window->isVisible());

    tray.DoubleClick();
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->WindowShown());
    EXPECT_TRUE(Grid().EditorMode());
    EXPECT_EQ(Store().Col(), colResources);

    tray.Click();  // shown: only brought to the front
    EXPECT_TRUE(window->isVisible());
    tray.DoubleClick();  // and a double-click hides it again
    EXPECT_FALSE(window->isVisible());
    EXPECT_FALSE(window->WindowShown());
}

TEST_F(TrayTest, WithoutATrayTheWindowMinimisesAndIsNeverLostInAVanishedOne) {
    tray.Present = false;
    StartBesideTray();
    EXPECT_FALSE(tray.TaskbarButtonHidden);
    Minimise();
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->isMinimized());
    EXPECT_TRUE(window->WindowShown());

    window->showNormal();
    tray.SetPresent(true);
    EXPECT_TRUE(tray.TaskbarButtonHidden);
    Minimise();
    ASSERT_FALSE(window->isVisible());
    tray.SetPresent(false);  // the panel holding the icon quit
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(window->WindowShown());
    EXPECT_FALSE(tray.TaskbarButtonHidden);
}

TEST_F(TrayTest, BackFromTheTrayTheReopenListIsReadAgain) {
    dialogs.SaveChoices.push_back(TFileDialogResult{Path("a.tkm"), 1});
    window->aclFileSaveExecute();  // in the list, not yet stored
    ASSERT_EQ(window->mruMain().Entries().size(), 1u);
    Minimise();
    tray.DoubleClick();
    EXPECT_TRUE(window->mruMain().Entries().empty());
}

TEST_F(TrayTest, AShutdownAsksAboutUnsavedWorkBeforeLettingTheSystemGoOn) {
    Describe(1, "unsaved");
    window->SetModified(true);
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    dialogs.SaveChoices.push_back(TFileDialogResult{Path("kept.tkm"), 1});
    Minimise();  // hidden in the tray, the question still comes
    ASSERT_TRUE(power.OnShutdownPending);
    power.OnShutdownPending();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Do you want to save the changes you made to Untitled?");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(Path("kept.tkm"))));
    EXPECT_EQ(power.DelayReleases, 1);
}

TEST_F(TrayTest, ADueEntryIsNotifiedOnceAndTheNotificationLeadsToIt) {
    AddEntries(1);
    Describe(2, "Write report");
    Store().SetCellText(colDueDate, 2, "08/12/2026");  // the pinned today
    auto* reminders = window->findChild<TReminderCommands*>();
    ASSERT_NE(reminders, nullptr);
    reminders->Check();
    reminders->Check();
    EXPECT_EQ(tray.Messages, std::vector<std::string>{"Taskmere: Due today: Write report"});

    Grid().CommitEditor();
    Store().SetCurrentCell(colStatus, 1);
    Minimise();
    tray.ClickMessage();
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Store().Row(), 2);

    // Switched off, and still off after a restart.
    ASSERT_TRUE(tray.Choose("mnuReminders"));
    Describe(1, "Call Bob");
    Store().SetCellText(colDueDate, 1, "01/12/2026");
    reminders->Check();
    EXPECT_EQ(tray.Messages.size(), 1u);
    StartBesideTray();
    ASSERT_GE(tray.Menu.size(), 2u);
    EXPECT_EQ(tray.Menu[1].Caption, "Due &reminders");
    EXPECT_FALSE(tray.Menu[1].Checked);
}

}  // namespace
}  // namespace tkm
