#pragma once

#include "ipc/wait_for.h"
#include "support/temp_folder.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace tkm::test {

// Debian's interpreter, where python3-dbusmock is installed.
inline constexpr char MockPython[] = "/usr/bin/python3";

// A bus of the test's own with one of python-dbusmock's services on it. The
// real system and session buses are never reached: without a private bus
// the tests are skipped.
class MockBusTest : public ::testing::Test {
protected:
    TTempFolder folder;
    QProcess busDaemon;
    QProcess mock;
    QString address;
    QString mockService;
    QString mockPath;
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
        for (QProcess* process : {&mock, &busDaemon}) {
            process->kill();
            process->waitForFinished();
        }
    }

    // Starts a dbusmock template that serves service at path, with these parameters (JSON).
    void StartMock(const QString& templateName, const QString& service, const QString& path,
                   const QString& parameters = "{}") {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("DBUS_SESSION_BUS_ADDRESS", address);
        environment.insert("DBUS_SYSTEM_BUS_ADDRESS", address);
        mock.setProcessEnvironment(environment);
        mock.start(MockPython, {"-m", "dbusmock", "--template", templateName, "--session", "-l",
                                QString::fromStdString(folder.File("calls.log")), "-p", parameters});
        mockService = service;
        mockPath = path;
        ASSERT_TRUE(WaitFor([&] { return bus->interface()->isServiceRegistered(service).value(); }))
            << "the mock " << templateName.toStdString() << " did not start";
    }

    // What the mock was asked, in order: "PowerOff True", "CanReboot", ...
    std::vector<std::string> Calls() {
        QFile log(QString::fromStdString(folder.File("calls.log")));
        std::vector<std::string> calls;
        if (!log.open(QIODevice::ReadOnly)) return calls;
        for (const QByteArray& line : log.readAll().split('\n'))
            if (const auto blank = line.indexOf(' '); blank > 0) calls.push_back(line.mid(blank + 1).toStdString());
        return calls;
    }

    void CallMock(const QString& method, const QVariantList& arguments) {
        QDBusMessage call = QDBusMessage::createMethodCall(mockService, mockPath, "org.freedesktop.DBus.Mock", method);
        call.setArguments(arguments);
        ASSERT_EQ(bus->call(call).type(), QDBusMessage::ReplyMessage) << method.toStdString();
    }
};

}  // namespace tkm::test
