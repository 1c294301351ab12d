#pragma once

#include "base/errors.h"
#include "grid/long_step.h"

#include <string>
#include <vector>

namespace tkm::test {

// A progress view that writes down its calls as the status bar gets them, and
// stops the step (EAbort) when it reaches `StopAt` percent or more.
class TRecordingProgress : public TStepProgressView {
public:
    void Start(bool mayCancel) override { Calls += mayCancel ? "start(cancel) " : "start "; }
    void Step(int percent) override {
        Calls += std::to_string(percent) + " ";
        Percents.push_back(percent);
        if (StopAt >= 0 && percent >= StopAt) throw EAbort();
    }
    void Stop() override { Calls += "stop"; }

    std::string Calls;
    std::vector<int> Percents;
    int StopAt = -1;
};

}  // namespace tkm::test
