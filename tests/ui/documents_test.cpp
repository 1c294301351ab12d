#include "ui/main_window_fixture.h"

#include "support/temp_folder.h"
#include "ui/grid/inplace_edit.h"

#include <QCloseEvent>
#include <QPushButton>
#include <QDir>
#include <QFocusEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShowEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QtTest/qtestspontaneevent.h>

#include <fstream>
#include <sstream>

namespace tkm {
namespace {

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The window's document commands: the session's own cases are in the core tests.
class DocumentsTest : public MainWindowTest {
protected:
    QTemporaryDir folder;
    std::string Path(const char* name) { return QDir(folder.path()).filePath(name).toStdString(); }
    void SaveUntitledAs(const std::string& path) {
        dialogs.SaveChoices.push_back(TFileDialogResult{path, 1});
        window->aclFileSaveExecute();
    }
    // A window keeping its INI file in the test's folder.
    void StartWithIniFile() {
        window.reset();
        window = std::make_unique<TfrmMain>(TAppServices{dialogs, shell, clock, formats, Path("TKM.ini"), ""},
                                            QStringList{});
        window->show();
        QCoreApplication::processEvents();
    }
    bool Close() {
        QCloseEvent closing;
        QCoreApplication::sendEvent(window.get(), &closing);
        return closing.isAccepted();
    }
};

TEST_F(DocumentsTest, SaveNamesTheWindowAndDocumentsSurviveARestart) {
    Describe(1, "Call \"Ann\", then Bob");
    Store().SetCellText(colComment, 1, "line one\r\nline two");
    window->SetModified(true);
    SaveUntitledAs(Path("list.tkm"));
    EXPECT_EQ(window->windowTitle(), "list - Taskmere");
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "");
    Start({QString::fromStdString(Path("list.tkm"))});
    EXPECT_EQ(window->windowTitle(), "list - Taskmere");
    EXPECT_FALSE(window->Modified());
    EXPECT_EQ(Cell(colDescription, 1), "Call \"Ann\", then Bob");
    EXPECT_EQ(Cell(colComment, 1), "line one\r\nline two");
    EXPECT_NE(Store().CellObject(colProgress, 1), nullptr);
}

TEST_F(DocumentsTest, AFailedSaveIsReportedAndTheStatusBarKeepsModified) {
    window->SetModified(true);
    SaveUntitledAs(Path("no/such/folder/x.tkm"));
    ASSERT_EQ(dialogs.Errors.size(), 1u);
    EXPECT_NE(dialogs.Errors[0].find("Cannot Create file " + Path("no/such/folder/x.tkm")), std::string::npos);
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "Modified");
    EXPECT_TRUE(Grid().EditingEnabled());
}

TEST_F(DocumentsTest, CloseQuestionAndTheReopenListInTheIniFile) {
    StartWithIniFile();
    Describe(1, "x");
    window->SetModified(true);
    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_FALSE(Close());
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    dialogs.SaveChoices.push_back(std::nullopt);  // a cancelled save keeps the work on screen
    EXPECT_FALSE(Close());
    EXPECT_EQ(Cell(colDescription, 1), "x");
    SaveUntitledAs(Path("a.tkm"));
    window->SetModified(true);
    dialogs.Answers.push_back(TConfirmAnswer::No);
    EXPECT_TRUE(Close());
    const std::string text = ReadAll(Path("TKM.ini"));
    EXPECT_NE(text.find("[TKM]\r\nFormVersion=0"), std::string::npos) << text;
    EXPECT_NE(text.find("[TKM\\TfrmMain.mruMain]\r\nItem_0=" + Path("a.tkm")), std::string::npos) << text;
}

// The size the user gave the window and a widened column come back; a first
// start is wide enough for every column the screen has room for.
TEST_F(DocumentsTest, TheWindowAndItsColumnsComeBackAfterARestart) {
    StartWithIniFile();
    const QSize screen = QGuiApplication::primaryScreen()->availableGeometry().size();
    EXPECT_GE(window->width(), std::min(screen.width(), 1692));  // 14 columns and their lines
    window->resize(620, 380);
    Store().SetColWidth(Store().RealToDisplay(colDescription), 333);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Close());
    EXPECT_NE(ReadAll(Path("TKM.ini")).find("[TKM\\TfrmMain.Window]"), std::string::npos);
    StartWithIniFile();
    EXPECT_EQ(window->size(), QSize(620, 380));
    EXPECT_EQ(Store().ColWidth(Store().RealToDisplay(colDescription)), 333);
    EXPECT_EQ(Store().ColWidth(Store().RealToDisplay(colComment)), TaskTable::Widths[colComment]);
}

// A first start is as wide as its columns need where the screen allows, with
// a document named or without, and by the widths stored without a place.
TEST_F(DocumentsTest, AFirstStartIsAsWideAsItsColumnsNeed) {
    const int available = QGuiApplication::primaryScreen()->availableGeometry().width();
    SaveUntitledAs(Path("list.tkm"));
    const int untitled = window->width();
    EXPECT_EQ(untitled, std::min(available, 1692 + 20));
    Start({QString::fromStdString(Path("list.tkm"))});
    EXPECT_EQ(window->width(), untitled);

    std::ofstream ini(Path("TKM.ini"), std::ios::binary);
    ini << "[TKM]\r\nFormVersion=0\r\n[TKM\\TfrmMain.Window]\r\n";
    for (int col = 0; col < TaskColumnCount; ++col)
        ini << "Column" << col << "=40\r\n";
    ini.close();
    StartWithIniFile();
    EXPECT_EQ(Store().ColWidth(colDescription), 40);
    // Each column and its line, the grid's scroll bar and margin.
    EXPECT_EQ(window->width(), std::min(available, TaskColumnCount * 41 + 20));
}

// A maximised window comes back maximised and keeps the size it had before,
// for when it is restored.
TEST_F(DocumentsTest, AMaximisedWindowComesBackMaximisedWithItsNormalSize) {
    StartWithIniFile();
    window->setGeometry(40, 50, 640, 400);
    QCoreApplication::processEvents();
    window->showMaximized();
    QCoreApplication::processEvents();
    ASSERT_TRUE(window->isMaximized());
    EXPECT_TRUE(Close());
    const std::string ini = ReadAll(Path("TKM.ini"));
    EXPECT_NE(ini.find("Maximized=1"), std::string::npos) << ini;
    EXPECT_NE(ini.find("Width=640\r\nHeight=400"), std::string::npos) << ini;
    StartWithIniFile();
    EXPECT_TRUE(window->isMaximized());
    window->showNormal();
    QCoreApplication::processEvents();
    EXPECT_EQ(window->size(), QSize(640, 400));
    EXPECT_TRUE(Close());
    EXPECT_NE(ReadAll(Path("TKM.ini")).find("Maximized=0"), std::string::npos);
}

// A place on a screen that is gone (a second monitor unplugged) would leave
// the window out of reach: it comes back onto the screen there is, its size kept.
TEST_F(DocumentsTest, APlaceOnAScreenThatIsGoneComesBackOntoTheScreen) {
    StartWithIniFile();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    window->setGeometry(screen.right() + 1500, screen.top() + 20, 600, 350);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Close());
    EXPECT_NE(ReadAll(Path("TKM.ini")).find("Left=" + std::to_string(screen.right() + 1500)), std::string::npos);
    StartWithIniFile();
    EXPECT_EQ(window->size(), QSize(600, 350));
    EXPECT_TRUE(screen.contains(window->geometry())) << window->geometry().x() << "," << window->geometry().y();
}

TEST_F(DocumentsTest, AReopenedListClosesWithoutAQuestion) {
    StartWithIniFile();
    Describe(1, "x");
    SaveUntitledAs(Path("a.tkm"));
    window->aclNewFileExecute();
    window->mruMainClick(Path("a.tkm"));
    QCoreApplication::processEvents();
    EXPECT_EQ(Cell(colDescription, 1), "x");
    EXPECT_EQ(window->StatusPanelText(TStatusPanel::Modified), "");
    EXPECT_TRUE(Close());
    EXPECT_TRUE(dialogs.Questions.empty());
}

TEST_F(DocumentsTest, TextStillBeingTypedIsAskedAboutOnClose) {
    ASSERT_TRUE(Grid().EditorMode());
    QTest::keyClicks(Grid().InplaceEditor(), "Call Ann");
    dialogs.Answers.push_back(TConfirmAnswer::Cancel);
    EXPECT_FALSE(Close());
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Do you want to save the changes you made to Untitled?");
    EXPECT_EQ(Cell(colDescription, 1), "Call Ann");
}

TEST_F(DocumentsTest, ExitStoresTheReopenListWhenTheWindowGoes) {
    StartWithIniFile();
    SaveUntitledAs(Path("a.tkm"));
    window->SetModified(true);
    window->aclCloseExecute();  // no close event, no question
    // Exit asked the application's loop to end. A loop takes that request here,
    // or every modal dialog of the later tests would return at once.
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
    window.reset();
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_NE(ReadAll(Path("TKM.ini")).find("Item_0=" + Path("a.tkm")), std::string::npos);
}

TEST_F(DocumentsTest, OnlyTheProgramShowingTheWindowReloadsTheReopenList) {
    StartWithIniFile();
    SaveUntitledAs(Path("a.tkm"));  // not stored yet
    QShowEvent restored;  // the desktop brings a minimised window back
    QSpontaneKeyEvent::setSpontaneous(&restored);
    QCoreApplication::instance()->notify(window.get(), &restored);  // sendEvent would clear the mark
    ASSERT_EQ(window->mruMain().Entries().size(), 1u);
    window->hide();  // as to the tray and back: the stored list, still empty
    window->show();
    EXPECT_TRUE(window->mruMain().Entries().empty());
}

TEST_F(DocumentsTest, AWindowGoingWithTypedTextInItsEditorCallsNothingBack) {
    QTest::keyClicks(Grid().InplaceEditor(), "half typed");
    window.reset();
    SUCCEED();  // the sanitizers watch this path
}

// Each way in leaves the editor open on a table it never saw before; the window
// then losing the keyboard is no edit.
TEST_F(DocumentsTest, LosingTheKeyboardAfterAnOpenLeavesTheListUnchanged) {
    const std::string home = Path("home.tkm");
    const std::string other = Path("other.tkm");
    test::WriteBytes(home, "No,Entry Date,Status,Task Description\r\n1,,,at home\r\n");
    test::WriteBytes(other, "No,Entry Date,Status,Task Description\r\n1,,,elsewhere\r\n");
    Start({QString::fromStdString(home)});
    const auto loseKeyboard = [&](const char* after) {
        QCoreApplication::processEvents();  // the queued F2
        ASSERT_TRUE(Grid().EditorMode()) << after;
        QFocusEvent out(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QCoreApplication::sendEvent(Grid().InplaceEditor(), &out);
        EXPECT_FALSE(window->Modified()) << after;
    };
    window->DDEMainExecuteMacro("[Open(\"" + other + "\")]");
    ASSERT_TRUE(QTest::qWaitFor([&] { return window->windowTitle() == "other - Taskmere"; }, 2000));
    loseKeyboard("another instance's open");
    dialogs.OpenChoices.push_back(TFileDialogResult{home, 1});
    window->aclOpenExecute();
    loseKeyboard("File > Open");
    window->aclNewFileExecute();
    loseKeyboard("New");
}

// A long load shows its progress in the status bar; the table takes no input
// meanwhile, and Escape or Cancel stops it with the list as it was.
TEST_F(DocumentsTest, ALongLoadShowsItsProgressAndStopsWithTheListAsItWas) {
    const std::string list = Path("long.tkm");
    std::string lines = "No,Entry Date,Status,Task Description\r\n";
    for (int i = 1; i <= 500; ++i) lines += std::to_string(i) + ",,,entry " + std::to_string(i) + "\r\n";
    test::WriteBytes(list, lines);
    Describe(1, "unsaved work");
    window->SetModified(true);
    auto* progress = window->findChild<QWidget*>("stbProgress");
    auto* cancel = window->findChild<QPushButton*>("stbProgressCancel");
    ASSERT_TRUE(progress && cancel);
    EXPECT_FALSE(progress->isVisible());
    for (const bool byKey : {true, false}) {
        bool shown = false;
        QTimer::singleShot(0, window.get(), [&] {
            shown = progress->isVisible() && cancel->isVisible();
            if (byKey) QTest::keyClick(Grid().viewport(), Qt::Key_Escape);
            else QTest::mouseClick(cancel, Qt::LeftButton);
        });
        dialogs.Answers.push_back(TConfirmAnswer::No);  // the unsaved work is not saved first
        dialogs.OpenChoices.push_back(TFileDialogResult{list, 1});
        window->aclOpenExecute();
        EXPECT_TRUE(shown) << byKey;
        EXPECT_FALSE(progress->isVisible()) << byKey;
        EXPECT_EQ(Cell(colDescription, 1), "unsaved work") << byKey;
        EXPECT_EQ(Store().RowCount(), 2) << byKey;
        EXPECT_TRUE(window->Modified()) << byKey;
        EXPECT_TRUE(dialogs.Errors.empty()) << byKey;
    }
    dialogs.Answers.push_back(TConfirmAnswer::No);
    dialogs.OpenChoices.push_back(TFileDialogResult{list, 1});
    window->aclOpenExecute();
    EXPECT_EQ(Store().RowCount(), 501);
    EXPECT_EQ(window->windowTitle(), "long - Taskmere");
}

// A document named on the command line opens once the window is on screen, so
// a long one shows its progress there; the history starts from the list as loaded.
TEST_F(DocumentsTest, ADocumentNamedAtTheStartOpensInTheShownWindowWithItsProgress) {
    const std::string list = Path("named.tkm");
    std::string lines = "No,Entry Date,Status,Task Description\r\n";
    for (int i = 1; i <= 300; ++i) lines += std::to_string(i) + ",,,entry " + std::to_string(i) + "\r\n";
    test::WriteBytes(list, lines);
    auto* progress = window->findChild<QWidget*>("stbProgress");
    ASSERT_TRUE(progress);
    bool shownWhileLoading = false;
    QTimer::singleShot(0, window.get(), [&] { shownWhileLoading = window->isVisible() && progress->isVisible(); });
    window->OpenStartDocuments({QString::fromStdString(list)});
    EXPECT_TRUE(shownWhileLoading);
    EXPECT_EQ(Store().RowCount(), 301);
    EXPECT_EQ(window->windowTitle(), "named - Taskmere");
    EXPECT_FALSE(Grid().History().CanUndo());
    EXPECT_FALSE(window->Modified());
    ASSERT_EQ(window->mruMain().Entries().size(), 1u);
}

}  // namespace
}  // namespace tkm
