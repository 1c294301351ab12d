#include "ipc/mock_bus.h"
#include "platform/ipc/logind_power_control.h"
#include "platform/shutdown.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusVariant>

#include <gtest/gtest.h>

namespace tkm {
namespace {

using test::WaitFor;

// The mock logind on a private bus.
class MockLogindTest : public test::MockBusTest {
protected:
    // Starts the mock logind with these answers ("{}" for "yes" to every Can...).
    void StartLogind(const QString& parameters) {
        StartMock("logind", "org.freedesktop.login1", "/org/freedesktop/login1", parameters);
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
