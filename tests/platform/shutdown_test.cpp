#include "platform/fake/fake_power_control.h"
#include "platform/shutdown.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(ShutdownTest, EachActionMakesItsRequestInteractivelyWhenAllowed) {
    const std::pair<TShutdownActionType, TPowerRequest> cases[] = {
        {aatPowerOff, TPowerRequest::PowerOff}, {aatShutdown, TPowerRequest::PowerOff},
        {aatReboot, TPowerRequest::Reboot},     {aatLogOff, TPowerRequest::EndSession},
        {aatSuspend, TPowerRequest::Suspend},   {aatHibernate, TPowerRequest::Hibernate}};
    for (const auto& [action, request] : cases) {
        RecordingPowerControl power;
        power.Answers[TPowerRequest::Reboot] = "challenge";  // allowed after a password
        TShutdown asdMain(power);
        asdMain.ActionType = action;
        EXPECT_TRUE(asdMain.Execute());
        ASSERT_EQ(power.Requests.size(), 1u);
        EXPECT_EQ(power.Requests[0].Request, request);
        EXPECT_TRUE(power.Requests[0].Interactive);
        EXPECT_EQ(power.DelayReleases, 0);  // the close question still comes first
    }
}

TEST(ShutdownTest, ARefusedOrUnansweredQueryEndsTheCommandWithoutARequest) {
    for (const char* answer : {"no", "na", ""}) {
        RecordingPowerControl power;
        power.Answers[TPowerRequest::Hibernate] = answer;
        TShutdown asdMain(power);
        asdMain.ActionType = aatHibernate;
        asdMain.Force = true;
        EXPECT_FALSE(asdMain.Execute());
        EXPECT_TRUE(power.Requests.empty());
        EXPECT_EQ(power.DelayReleases, 0);
    }
    RecordingPowerControl power;
    TShutdown forced(power);
    forced.Force = true;
    forced.Execute();
    EXPECT_EQ(power.DelayReleases, 1);
}

}  // namespace
}  // namespace tkm
