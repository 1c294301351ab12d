#include "ipc/wait_for.h"
#include "platform/ipc/logind_power_control.h"
#include "platform/shutdown.h"
#include "support/temp_folder.h"

#include <QCoreApplication>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include <gtest/gtest.h>

namespace tkm {
namespace {

using test::WaitFor;

// Debian's interpreter, where python3-dbusmock is installed.
const char MockPython[] = "/usr/bin/python3";

// A bus of the test's own with python-dbusmock's logind on it. The real
// logind is never reached: without a private bus the tests are skipped.
class MockLogindTest : public ::testing::Test {
protected:
    test::TTempFolder folder;
    QProcess busDaemon;
    QProcess logind;
    QString address;
    std::optional<QDBusConnection> bus;

    void SetUp() override {
        const QString daemon = QStandardPaths::findExecutable("dbus-daemon");
        if (daemon.isEmpty() || QProcess::execute(MockPython, {"-c", "import dbusmock"}) != 0)
            GTEST_SKIP() << "needs dbus-daemon and python3-dbusmock (scripts/deps.sh installs them)";
        busDaemon.start(daemon, {"--session", "--nofork", "--print-address=1"});
        ASSERT_TRUE(busDaemon.waitForReadyRead(10000)) << "the private bus did not start";
        address = QString::fromLocal8Bit(busDaemon.readLine()).trimmed();
        ASSERT_TRUE(address.startsWith("unix:") && !address.contains("/run/dbus")) << address.toStdString();
        bus = QDBusConnection::connectToBus(address, "tkm-private-bus");
        ASSERT_TRUE(bus->isConnected());
    }

    void TearDown() override {
        if (bus) QDBusConnection::disconnectFromBus("tkm-private-bus");
        for (QProcess* process : {&logind, &busDaemon}) {
            process->kill();
            process->waitForFinished();
        }
    }

    // Starts the mock logind with these answers ("{}" for "yes" to every Can...).
    void StartLogind(const QString& parameters) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", address);
        logind.setProcessEnvironment(environment);
        logind.start(MockPython, {"-m", "dbusmock", "--template", "logind", "--session", "-l",
                                  QString::fromStdString(folder.File("calls.log")), "-p", parameters});
        ASSERT_TRUE(WaitFor([&] { return bus->interface()->isServiceRegistered("org.freedesktop.login1").value(); }))
            << "the mock logind did not start";
    }

    // What logind was asked, in order: "PowerOff True", "CanReboot", ...
    std::vector<std::string> Calls() {
        QFile log(QString::fromStdString(folder.File("calls.log")));
        std::vector<std::string> calls;
        if (!log.open(QIODevice::ReadOnly)) return calls;
        for (const QByteArray& line : log.readAll().split('\n'))
            if (const auto blank = line.indexOf(' '); blank > 0) calls.push_back(line.mid(blank + 1).toStdString());
        return calls;
    }

    void CallMock(const QString& method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall("org.freedesktop.login1", "/org/freedesktop/login1",
                                                           "org.freedesktop.DBus.Mock", method);
        call.setArguments(arguments);
        ASSERT_EQ(bus->call(call).type(), QDBusMessage::ReplyMessage) << method.toStdString();
    }

    void EmitPrepareForShutdown(bool starting) {
        CallMock("EmitSignal", {"org.freedesktop.login1.Manager", "PrepareForShutdown", "b",
                                QVariantList{QVariant::fromValue(QDBusVariant(starting))}});
    }
};

bool Has(const std::vector<std::string>& calls, const std::string& call) {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
}

TEST_F(MockLogindTest, AllowedCommandsReachLogindAskingForAPasswordIfNeeded) {
    StartLogind(R"({"CanReboot": "challenge"})");
    TLogindPowerControl power(*bus);
    TShutdown asdMain(power);
    for (const TShutdownActionType action : {aatShutdown, aatReboot, aatSuspend, aatHibernate}) {
        asdMain.ActionType = action;
        EXPECT_TRUE(asdMain.Execute());
    }
    const std::vector<std::string> expected{"CanPowerOff", "PowerOff True", "CanReboot",    "Reboot True",
                                            "CanSuspend",  "Suspend True",  "CanHibernate", "Hibernate True"};
    ASSERT_TRUE(WaitFor([&] { return Calls().size() >= expected.size() + 1; }));
    const std::vector<std::string> calls = Calls();
    EXPECT_EQ(std::vector<std::string>(calls.begin() + 1, calls.end()), expected);
}

TEST_F(MockLogindTest, NothingIsAskedOfLogindThatItSaysTheUserMayNotDo) {
    StartLogind(R"({"CanPowerOff": "no", "CanReboot": "na", "CanSuspend": "no", "CanHibernate": "no"})");
    TLogindPowerControl power(*bus);
    TShutdown asdMain(power);
    for (const TShutdownActionType action : {aatPowerOff, aatShutdown, aatReboot, aatSuspend, aatHibernate}) {
        asdMain.ActionType = action;
        EXPECT_FALSE(asdMain.Execute());
    }
    power.Can(TPowerRequest::PowerOff);  // answered only after anything sent before it
    for (const std::string& call : Calls()) EXPECT_TRUE(call.starts_with("Can") || call.starts_with("Inhibit")) << call;
}

TEST_F(MockLogindTest, LogOffEndsTheSessionTheProgramRunsIn) {
    StartLogind("{}");
    CallMock("AddSession", {"c7", "seat0", 1000u, "tester", true});
    CallMock("AddMethod", {"org.freedesktop.login1.Manager", "GetSession", "s", "o",
                           R"(ret = "/org/freedesktop/login1/session/c7")"});
    TLogindPowerControl power(*bus);
    TShutdown asdMain(power);
    asdMain.ActionType = aatLogOff;
    EXPECT_TRUE(asdMain.Execute());
    ASSERT_TRUE(WaitFor([&] { return Has(Calls(), R"(TerminateSession "c7")"); }));
    EXPECT_TRUE(Has(Calls(), R"(GetSession "auto")"));
}

TEST_F(MockLogindTest, AShutdownWaitsUntilTheProgramLetsItGo) {
    StartLogind("{}");
    TLogindPowerControl power(*bus);
    ASSERT_TRUE(power.HoldsShutdownDelay());
    ASSERT_FALSE(Calls().empty());
    EXPECT_TRUE(Calls()[0].starts_with(R"(Inhibit "shutdown" "Taskmere")")) << Calls()[0];
    EXPECT_TRUE(Calls()[0].ends_with(R"("delay")")) << Calls()[0];

    int pending = 0;
    power.OnShutdownPending = [&] {
        ++pending;
        power.ReleaseShutdownDelay();
    };
    EmitPrepareForShutdown(true);
    ASSERT_TRUE(WaitFor([&] { return pending == 1; }));
    EXPECT_FALSE(power.HoldsShutdownDelay());
    EmitPrepareForShutdown(false);  // called off: the next one is held too
    EXPECT_TRUE(WaitFor([&] { return power.HoldsShutdownDelay(); }));
}

}  // namespace
}  // namespace tkm
