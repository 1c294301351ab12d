#include "ipc/mock_bus.h"
#include "platform/ipc/desktop_notifier.h"

#include <QCoreApplication>
#include <QDBusVariant>
#include <QDeadlineTimer>

#include <gtest/gtest.h>

#include <algorithm>

namespace tkm {
namespace {

using test::WaitFor;

// python-dbusmock's notification daemon on a private session bus.
class MockNotificationsTest : public test::MockBusTest {
protected:
    void StartDaemon() {
        StartMock("notification_daemon", "org.freedesktop.Notifications", "/org/freedesktop/Notifications");
    }
    void Emit(const QString& signal, const QString& signature, const QVariantList& arguments) {
        QVariantList wrapped;
        for (const QVariant& argument : arguments) wrapped.push_back(QVariant::fromValue(QDBusVariant(argument)));
        CallMock("EmitSignal", {"org.freedesktop.Notifications", signal, signature, wrapped});
    }
    // The mock's answers reach the notifier.
    static void Settle() {
        const QDeadlineTimer deadline(500);
        while (!deadline.hasExpired()) QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
    std::vector<std::string> Notifies() {
        std::vector<std::string> calls = Calls();
        std::erase_if(calls, [](const std::string& call) { return !call.starts_with("Notify "); });
        return calls;
    }
};

TEST_F(MockNotificationsTest, WithoutANotificationServiceTheTextsGoToTheFallback) {
    TDesktopNotifier notifier(*bus);
    std::string fallback;
    notifier.OnUnavailable = [&](const std::string& title, const std::string& text) { fallback = title + ": " + text; };
    notifier.Notify("Taskmere", "Due today: Write report");
    ASSERT_TRUE(WaitFor([&] { return !fallback.empty(); }));
    EXPECT_EQ(fallback, "Taskmere: Due today: Write report");
}

TEST_F(MockNotificationsTest, ANotificationReplacesTheLastAndItsDefaultActionActivatesWithTheToken) {
    StartDaemon();
    TDesktopNotifier notifier(*bus);
    bool unavailable = false;
    notifier.OnUnavailable = [&](const std::string&, const std::string&) { unavailable = true; };
    std::vector<std::string> activations;
    notifier.OnActivated = [&](const std::string& token) { activations.push_back(token); };

    notifier.Notify("Taskmere", "Due today: Write report");
    ASSERT_TRUE(WaitFor([&] { return Notifies().size() == 1; }));
    EXPECT_EQ(Notifies()[0].rfind(R"(Notify "Taskmere" 0 "taskmere" "Taskmere" "Due today: Write report" )", 0), 0u)
        << Notifies()[0];
    EXPECT_NE(Notifies()[0].find(R"("default")"), std::string::npos) << Notifies()[0];
    Settle();  // the id comes back before the next one replaces it
    notifier.Notify("Taskmere", "2 entries are overdue");
    ASSERT_TRUE(WaitFor([&] { return Notifies().size() == 2; }));
    EXPECT_EQ(Notifies()[1].rfind(R"(Notify "Taskmere" 1 )", 0), 0u) << Notifies()[1];

    Emit("ActionInvoked", "us", {7u, "default"});  // another program's notification
    Emit("ActivationToken", "us", {1u, "token-1"});
    Emit("ActionInvoked", "us", {1u, "default"});
    ASSERT_TRUE(WaitFor([&] { return !activations.empty(); }));
    EXPECT_EQ(activations, std::vector<std::string>{"token-1"});
    EXPECT_FALSE(unavailable);

    Emit("NotificationClosed", "uu", {1u, 2u});
    Emit("ActionInvoked", "us", {1u, "default"});  // a closed one leads nowhere
    Settle();
    notifier.Notify("Taskmere", "Overdue by 3 days: Call Bob");
    ASSERT_TRUE(WaitFor([&] { return Notifies().size() == 3; }));
    EXPECT_EQ(Notifies()[2].rfind(R"(Notify "Taskmere" 0 )", 0), 0u) << "a new one, the last was closed: " << Notifies()[2];
    Settle();
    Emit("ActionInvoked", "us", {2u, "default"});
    ASSERT_TRUE(WaitFor([&] { return activations.size() == 2; }));
    EXPECT_EQ(activations, (std::vector<std::string>{"token-1", ""})) << "no token left over for the next";
}

}  // namespace
}  // namespace tkm
