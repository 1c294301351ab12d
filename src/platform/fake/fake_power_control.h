#pragma once

#include "platform/power_control.h"

#include <map>
#include <vector>

namespace tkm {

// Records the requests instead of making them; answers Can from a table ("yes" when not set).
class RecordingPowerControl final : public PowerControl {
public:
    struct TRequest {
        TPowerRequest Request;
        bool Interactive;
    };

    std::map<TPowerRequest, std::string> Answers;
    std::vector<TRequest> Requests;
    int DelayReleases = 0;

    std::string Can(TPowerRequest request) override {
        const auto found = Answers.find(request);
        return found == Answers.end() ? "yes" : found->second;
    }
    bool Request(TPowerRequest request, bool interactive) override {
        Requests.push_back({request, interactive});
        return true;
    }
    void ReleaseShutdownDelay() override { ++DelayReleases; }
};

}  // namespace tkm
