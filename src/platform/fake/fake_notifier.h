#pragma once

#include "platform/notifier.h"

#include <string>
#include <vector>

namespace tkm {

// A notification service the test reads and clicks; Present says whether the desktop runs one.
class FakeNotifier final : public Notifier {
public:
    bool Present = true;
    std::vector<std::string> Notifications;  // "title: text"

    void Notify(const std::string& title, const std::string& text) override {
        if (!Present) {
            if (OnUnavailable) OnUnavailable(title, text);
            return;
        }
        Notifications.push_back(title + ": " + text);
    }
    void Activate(const std::string& token = {}) const {
        if (OnActivated) OnActivated(token);
    }
};

}  // namespace tkm
