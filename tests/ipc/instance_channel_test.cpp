#include "ui/main_window_fixture.h"

#include "ipc/wait_for.h"
#include "platform/ipc/local_instance_channel.h"
#include "support/temp_folder.h"
#include "tasks/open_macro.h"

#include <QFile>
#include <QLocalSocket>
#include <QProcess>

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <filesystem>
#include <thread>
#include <vector>

namespace tkm {
namespace {

using test::WaitFor;

sockaddr_un UnixAddress(const QString& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.toLocal8Bit().constData(), sizeof(address.sun_path) - 1);
    return address;
}

// A running window serving the channel in a private socket folder, as the
// program serves $XDG_RUNTIME_DIR.
class InstanceChannelTest : public MainWindowTest {
protected:
    test::TTempFolder runtime;
    QString socketPath = QString::fromStdString(runtime.File("taskmere.ddemain"));

    // The program started as a second process, as a launcher with that token
    // in its environment would start it; its exit code.
    int RunSecondStart(const QStringList& arguments, const QString& startupId = {}) {
        QProcess second;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_ACTIVATION_TOKEN");
        environment.remove("DESKTOP_STARTUP_ID");
        if (!startupId.isEmpty()) environment.insert("DESKTOP_STARTUP_ID", startupId);
        environment.insert("XDG_RUNTIME_DIR", QString::fromStdString(runtime.Path().string()));
        // A second start that opens a window keeps its recovery files here too, not in the user's.
        environment.insert("XDG_STATE_HOME", QString::fromStdString(runtime.Path().string()));
        second.setProcessEnvironment(environment);
        second.start(TASKMERE_BINARY, arguments);
        // The window answers while the second start waits for it.
        EXPECT_TRUE(WaitFor([&] { return second.state() == QProcess::NotRunning; }));
        return second.exitCode();
    }
};

TEST_F(InstanceChannelTest, AMacroFromASecondStartOpensItsDocumentsInTurn) {
    const std::string b = runtime.File("b.tkm"), c = runtime.File("c.tkm");
    test::WriteBytes(b, "No,Entry Date,Status,Task Description\r\n1,,,from b\r\n");
    test::WriteBytes(c, "No,Entry Date,Status,Task Description\r\n1,,,from c\r\n");
    Describe(1, "unsaved");
    window->SetModified(true);
    dialogs.Answers.push_back(TConfirmAnswer::Yes);
    dialogs.SaveChoices.push_back(TFileDialogResult{runtime.File("kept.tkm"), 1});

    TLocalInstanceChannel DDEMain(socketPath);
    ASSERT_EQ(DDEMain.Listen(), TLocalInstanceChannel::TListen::Serving);
    DDEMain.OnExecute = [this](const std::string& macro) { window->DDEMainExecuteMacro(macro); };
    const QString macro = QString::fromStdString("[Open(\"" + b + "\")]\r\n[open(\"nothing\")]\r\n[Open(\"" + c + "\")]");
    EXPECT_EQ(RunSecondStart({"--dde-execute", macro}), 0);
    ASSERT_TRUE(WaitFor([&] { return window->windowTitle() == "c - Taskmere"; }));

    ASSERT_EQ(dialogs.Questions.size(), 1u);  // asked once, for the unsaved work
    EXPECT_EQ(dialogs.Questions[0].Text, "Do you want to save the changes to Untitled?");
    EXPECT_TRUE(QFile::exists(QString::fromStdString(runtime.File("kept.tkm"))));
    EXPECT_EQ(Cell(colDescription, 1), "from c");
    ASSERT_GE(window->mruMain().Entries().size(), 2u);
    EXPECT_EQ(window->mruMain().Entries()[1].Name, b);

    // Handed over by name from another folder: the path arrives whole.
    EXPECT_EQ(RunSecondStart({"--open-in-running", QString::fromStdString(b)}), 0);
    EXPECT_TRUE(WaitFor([&] { return window->windowTitle() == "b - Taskmere"; }));
    EXPECT_TRUE(dialogs.Errors.empty());
}

TEST_F(InstanceChannelTest, AStartWithNothingToOpenBringsTheRunningWindowForwardWithItsStartupId) {
    TLocalInstanceChannel DDEMain(socketPath);
    ASSERT_EQ(DDEMain.Listen(), TLocalInstanceChannel::TListen::Serving);
    std::vector<std::string> macros;
    DDEMain.OnExecute = [&](const std::string& macro) {
        macros.push_back(macro);
        window->DDEMainExecuteMacro(macro);
    };
    window->showMinimized();
    QCoreApplication::processEvents();
    EXPECT_EQ(RunSecondStart({"--open-in-running"}, "launcher-1_TIME42"), 0);
    ASSERT_TRUE(WaitFor([&] { return !macros.empty(); }));
    EXPECT_EQ(ActivateMacroToken(macros[0]), "launcher-1_TIME42");
    EXPECT_FALSE(window->isMinimized());
}

TEST_F(InstanceChannelTest, WithNoProgramServingTheMacroFailsWithExitCodeOne) {
    EXPECT_EQ(RunSecondStart({"--dde-execute", "[Open(\"x.tkm\")]"}), 1);
    EXPECT_EQ(RunSecondStart({"--dde-execute"}), 2);
}

TEST_F(InstanceChannelTest, OnlyItsOwnUserMayOpenTheSocket) {
    TLocalInstanceChannel DDEMain(socketPath);
    ASSERT_EQ(DDEMain.Listen(), TLocalInstanceChannel::TListen::Serving);
    struct stat status {};
    ASSERT_EQ(::stat(socketPath.toLocal8Bit().constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0600u);
    if (::geteuid() != 0) GTEST_SKIP() << "another user's process needs root to start: the mode is checked alone";

    // Only the socket's own mode stands in the other user's way.
    ::chmod(runtime.Path().c_str(), 0755);
    const pid_t child = ::fork();
    if (child == 0) {
        if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
        const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
        const sockaddr_un address = UnixAddress(socketPath);
        const bool connected = ::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
        ::_exit(connected ? 1 : errno == EACCES ? 0 : 3);
    }
    int childStatus = 0;
    ::waitpid(child, &childStatus, 0);
    EXPECT_EQ(WEXITSTATUS(childStatus), 0);  // 1: connected; 3: refused for another reason
}

TEST_F(InstanceChannelTest, ASocketLeftByACrashIsReplacedAndALiveOneKept) {
    // A bound socket nobody listens on, as a killed program leaves it.
    const int stale = ::socket(AF_UNIX, SOCK_STREAM, 0);
    const sockaddr_un address = UnixAddress(socketPath);
    ASSERT_EQ(::bind(stale, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ::close(stale);

    TLocalInstanceChannel first(socketPath);
    ASSERT_EQ(first.Listen(), TLocalInstanceChannel::TListen::Serving);
    TLocalInstanceChannel second(socketPath);
    EXPECT_EQ(second.Listen(), TLocalInstanceChannel::TListen::AnotherInstance);
    std::vector<std::string> macros;
    first.OnExecute = [&](const std::string& macro) { macros.push_back(macro); };
    QLocalSocket client;
    client.connectToServer(socketPath);
    client.write(QByteArray::fromStdString(EncodeTransaction("still served")));
    EXPECT_TRUE(WaitFor([&] { return macros.size() == 1; }));
}

TEST_F(InstanceChannelTest, OversizedAndGarbageTransactionsAreRefusedWithoutWaitingForThem) {
    TLocalInstanceChannel DDEMain(socketPath);
    ASSERT_EQ(DDEMain.Listen(), TLocalInstanceChannel::TListen::Serving);
    int executed = 0;
    DDEMain.OnExecute = [&](const std::string&) { ++executed; };
    // The answer comes on the header alone.
    for (const QByteArray& header :
         {QByteArray::fromStdString(EncodeTransaction(std::string(MaxTransactionSize + 1, '[')).substr(0, 4)),
          QByteArray("\xff\xfe garbage")}) {
        QLocalSocket client;
        client.connectToServer(socketPath);
        client.write(header);
        ASSERT_TRUE(WaitFor([&] { return client.bytesAvailable() > 0; }));
        EXPECT_EQ(client.read(1), QByteArray(1, TransactionRefused));
    }
    // Megabytes more are never read: the connection is dropped.
    QLocalSocket flood;
    flood.connectToServer(socketPath);
    flood.write(QByteArray(3 * 1024 * 1024, '\xff'));
    EXPECT_TRUE(WaitFor([&] { return flood.state() == QLocalSocket::UnconnectedState; }));
    QCoreApplication::processEvents();
    EXPECT_EQ(executed, 0);
}

// A window busy with a long step answers late: the sender says so instead
// of calling the macro refused, as the window may still run it. A program
// that hangs up without a word has refused it.
TEST_F(InstanceChannelTest, ABusyProgramIsToldApartFromOneThatRefused) {
    TLocalInstanceChannel DDEMain(socketPath);
    ASSERT_EQ(DDEMain.Listen(), TLocalInstanceChannel::TListen::Serving);
    std::vector<std::string> macros;
    DDEMain.OnExecute = [&](const std::string& macro) { macros.push_back(macro); };
    // This thread is the busy window: nothing serves the channel while it sends.
    EXPECT_EQ(SendTransaction(socketPath, "[Open(\"late.tkm\")]", 300), TSendResult::NoAnswer);
    EXPECT_TRUE(WaitFor([&] { return !macros.empty(); }));

    const QString hangUpPath = QString::fromStdString(runtime.File("hangs-up"));
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const sockaddr_un address = UnixAddress(hangUpPath);
    ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
    ASSERT_EQ(::listen(server, 1), 0);
    std::thread hangUp([server] { ::close(::accept(server, nullptr, nullptr)); });
    EXPECT_EQ(SendTransaction(hangUpPath, "[Open(\"x.tkm\")]", 5000), TSendResult::Refused);
    hangUp.join();
    ::close(server);
}

int OpenDescriptors() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) ++count;
    return count;
}

// Clients that connect and say nothing cost the program a few descriptors
// however many they are (5,000 once left none for Open and Save), and the
// channel serves again once they are gone.
TEST_F(InstanceChannelTest, ClientsThatHoldTheirConnectionsTakeOnlyAFewDescriptors) {
    TLocalInstanceChannel DDEMain(socketPath);
    ASSERT_EQ(DDEMain.Listen(), TLocalInstanceChannel::TListen::Serving);
    std::vector<std::string> macros;
    DDEMain.OnExecute = [&](const std::string& macro) { macros.push_back(macro); };
    const int before = OpenDescriptors();
    const sockaddr_un address = UnixAddress(socketPath);
    std::vector<int> clients;
    for (int i = 0; i < 300; ++i) {
        const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        // The system's queue, once full, refuses the rest.
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0)
            clients.push_back(fd);
        else
            ::close(fd);
        QCoreApplication::processEvents();
    }
    QCoreApplication::processEvents(QEventLoop::AllEvents, 200);
    // 16 served and about as many taken from the system's queue.
    EXPECT_LE(OpenDescriptors() - before - int(clients.size()), 40);

    for (const int fd : clients) ::close(fd);
    EXPECT_TRUE(WaitFor([&] { return OpenDescriptors() <= before; }));
    QLocalSocket client;
    client.connectToServer(socketPath);
    client.write(QByteArray::fromStdString(EncodeTransaction("still served")));
    EXPECT_TRUE(WaitFor([&] { return macros.size() == 1; }));
}

}  // namespace
}  // namespace tkm
