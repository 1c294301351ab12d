#include "grid/long_step.h"
#include "support/recording_progress.h"

#include <gtest/gtest.h>

#include <string>

namespace tkm {
namespace {

using namespace std::chrono_literals;

using TRecordingView = test::TRecordingProgress;

TEST(LongStep, TheBarShowsOnlyOnceTheStepLastsAndGoesAwayHoweverItEnds) {
    TRecordingView view;
    {
        TLongStep quick(&view, true, 1h);
        quick.Handler()(10);
        quick.Handler()(90);
    }
    EXPECT_EQ(view.Calls, "") << "a short step does not flash the bar";

    {
        TLongStep slow(&view, true, 0ms);
        slow.Handler()(10);
        slow.Handler()(20);
    }
    EXPECT_EQ(view.Calls, "start(cancel) 10 20 stop");

    view.Calls.clear();
    view.StopAt = 30;
    EXPECT_THROW(
        {
            TLongStep stopped(&view, true, 0ms);
            stopped.Handler()(30);
        },
        EAbort);
    EXPECT_EQ(view.Calls, "start(cancel) 30 stop");

    view.Calls.clear();
    {
        TLongStep sort(&view, false, 1h);
        sort.Show();
        sort.Handler()(5);
    }
    EXPECT_EQ(view.Calls, "start 5 stop") << "shown at once, before a first report that may be far off";

    EXPECT_FALSE(TLongStep(nullptr, true).Handler()) << "no view, no handler to call";
}

}  // namespace
}  // namespace tkm
