#include "ui/main_window_fixture.h"

#include "ipc/wait_for.h"
#include "support/temp_folder.h"
#include "tasks/recovery_folder.h"
#include "tasks/task_document.h"
#include "ui/grid/inplace_edit.h"

#include <QTest>
#include <QTimer>

#include <filesystem>

namespace tkm {
namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

constexpr auto Idle = 1000ms;

// The window keeping its changes in a folder of the test's, after a pause of a second.
class RecoveryTest : public MainWindowTest {
protected:
    test::TTempFolder folder;

    void SetUp() override { StartRecovering(); }

    void StartRecovering() {
        window.reset();
        TAppServices services{dialogs, shell, clock, formats, "", ""};
        services.RecoveryFolder = folder.Path().string();
        services.RecoveryIdleTime = Idle;
        window = std::make_unique<TfrmMain>(services, QStringList{});
        window->show();
        QCoreApplication::processEvents();
    }
    std::string RecoveryFile() const { return window->RecoveryFileName(); }
    bool Written() const { return fs::exists(RecoveryFile()); }
    void Change(const std::string& description) {
        Describe(1, description);
        window->SetModified(true);
    }
    std::optional<TRecoveryRecord> RecordIn(const std::string& path) const {
        const std::string bytes = test::ReadBytes(path);
        const auto content = ReadRecoveryContent(bytes);
        if (!content) return std::nullopt;
        return content->Record;
    }
    // What a run that was killed leaves behind.
    void LeaveOrphan(const std::string& id, const std::string& documentName, TTimeOfDay written,
                     const std::string& description) {
        TBaseGrid table = EmptyTaskDocument();
        table.SetCellText(colDescription, 1, description);
        WriteRecoveryFile(folder.File(RecoveryNames::Unsaved(id)), {documentName, {2026, 12, 8}, written}, table);
    }
};

TEST_F(RecoveryTest, ChangesAreWrittenOnlyAfterAPauseNeverWhileTheUserTypes) {
    ASSERT_FALSE(RecoveryFile().empty());
    Change("Call Ann");
    // Committed changes and keys typed into the editor, each sooner than the pause.
    for (int i = 0; i < 6; ++i) {
        QTest::qWait(150);
        Change("Call Ann " + std::to_string(i));
    }
    Grid().ShowInplaceEditor();
    for (int i = 0; i < 6; ++i) {
        QTest::qWait(150);
        QTest::keyClick(Grid().InplaceEditor(), Qt::Key_X);
    }
    EXPECT_FALSE(Written());
    ASSERT_TRUE(test::WaitFor([&] { return Written() && RecordIn(RecoveryFile()); }));
    // The text in the editor is in the table as it is typed, so it is kept too.
    const std::string bytes = test::ReadBytes(RecoveryFile());
    EXPECT_EQ(TaskDocumentFromText(ReadRecoveryContent(bytes)->Table).GetCellText(colDescription, 1),
              "Call Ann 5xxxxxx");
    EXPECT_EQ(RecordIn(RecoveryFile())->DocumentName, "Untitled");
}

TEST_F(RecoveryTest, SaveNewAndACleanEndRemoveTheFile) {
    Change("Call Ann");
    ASSERT_TRUE(test::WaitFor([&] { return Written(); }));
    dialogs.SaveChoices.push_back(TFileDialogResult{folder.File("list.tkm"), 1});
    window->aclFileSaveExecute();
    // At once, or when a write still under way is done.
    EXPECT_TRUE(test::WaitFor([&] { return !Written(); }));

    Change("Call Bob");
    ASSERT_TRUE(test::WaitFor([&] { return Written(); }));
    EXPECT_EQ(RecordIn(RecoveryFile())->DocumentName, folder.File("list.tkm"));
    dialogs.Answers.push_back(TConfirmAnswer::No);
    window->aclNewFileExecute();
    EXPECT_TRUE(test::WaitFor([&] { return !Written(); }));

    Change("Call Cy");
    ASSERT_TRUE(test::WaitFor([&] { return Written(); }));
    const std::string file = RecoveryFile();
    window.reset();
    // Neither the file nor the lock beside it is left; the saved document is.
    EXPECT_FALSE(fs::exists(file));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST_F(RecoveryTest, NewestFirstYesOpensTheChangesModifiedUnderTheirNameNoKeepsThemAside) {
    LeaveOrphan("70001", "Untitled", {16, 0, 0}, "Call Bob");
    LeaveOrphan("70002", "/home/ann/list.tkm", {17, 5, 7}, "Call Ann");
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->OfferRecovery();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text,
              "Taskmere was not closed properly. Restore the unsaved changes of list from 08/12/2026 17:05:07?");
    EXPECT_EQ(window->windowTitle(), "list - Taskmere");
    EXPECT_EQ(window->DocumentFileName(), "/home/ann/list.tkm");
    EXPECT_TRUE(window->Modified());
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "Modified");
    EXPECT_EQ(Cell(colDescription, 1), "Call Ann");
    // The restored changes are this run's own file until they are saved.
    EXPECT_EQ(RecordIn(RecoveryFile())->DocumentName, "/home/ann/list.tkm");
    EXPECT_FALSE(fs::exists(folder.File(RecoveryNames::Unsaved("70002"))));

    // The older one waits for the next start, where No keeps it aside.
    window.reset();
    dialogs.Questions.clear();
    StartRecovering();
    dialogs.Answers.push_back(TConfirmAnswer::No);
    window->OfferRecovery();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_NE(dialogs.Questions[0].Text.find("changes of Untitled from"), std::string::npos);
    EXPECT_EQ(Cell(colDescription, 1), "");
    EXPECT_FALSE(window->Modified());
    EXPECT_TRUE(fs::exists(folder.File(RecoveryNames::Declined(RecoveryNames::Unsaved("70001"), {2026, 12, 8}))));
}

// A termination signal or a session that lets nothing be asked ends the
// program a moment after typing: what was typed is kept at once, not after
// the pause, and even a clean end afterwards leaves it for the next start.
TEST_F(RecoveryTest, EndingWithoutTheCloseQuestionKeepsWhatWasJustTypedForTheNextStart) {
    const auto typeAndKeep = [&](const char* text) {
        Grid().ShowInplaceEditor();
        QTest::keyClicks(Grid().InplaceEditor(), text);
        window->KeepChangesForNextStart();
    };
    // Once anything changes afterwards, the end is as clean as ever again.
    typeAndKeep("Call Bob");
    ASSERT_TRUE(RecordIn(RecoveryFile()));
    Change("Call Cy");
    std::string file = RecoveryFile();
    window.reset();
    EXPECT_FALSE(fs::exists(file));

    StartRecovering();
    typeAndKeep("Call Ann");
    file = RecoveryFile();
    window.reset();
    EXPECT_TRUE(fs::exists(file));
    StartRecovering();
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->OfferRecovery();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(Cell(colDescription, 1), "Call Ann");

    // Exit asks nothing either.
    Grid().ShowInplaceEditor();
    QTest::keyClicks(Grid().InplaceEditor(), "Call Dee");
    window->aclCloseExecute();
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });  // the loop takes Exit's request
    QCoreApplication::exec();
    window.reset();
    dialogs.Questions.clear();
    StartRecovering();
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    window->OfferRecovery();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(Cell(colDescription, 1), "Call AnnCall Dee");
}

TEST_F(RecoveryTest, TheEndOfTheDesktopSessionAsksWhereItMayAndOtherwiseKeepsTheChanges) {
    int asked = 0;
    const auto mayAsk = [&](bool allowed) {
        return [&asked, allowed] {
            ++asked;
            return allowed;
        };
    };
    // Nothing to save: the session is not made to wait.
    EXPECT_TRUE(window->MaySessionEnd(mayAsk(true)));
    EXPECT_EQ(asked, 0);

    Change("Call Ann");
    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_FALSE(window->MaySessionEnd(mayAsk(true)));
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_FALSE(Written());

    EXPECT_TRUE(window->MaySessionEnd(mayAsk(false)));
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_TRUE(Written());
}

}  // namespace
}  // namespace tkm
