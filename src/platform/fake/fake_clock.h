#pragma once

#include "platform/clock.h"

namespace tkm {

class FixedClock final : public Clock {
public:
    FixedClock(TDate today, TTimeOfDay now) : today_(today), now_(now) {}
    TDate Today() const override { return today_; }
    TTimeOfDay Now() const override { return now_; }
    void Set(TDate today, TTimeOfDay now) {
        today_ = today;
        now_ = now;
    }

private:
    TDate today_;
    TTimeOfDay now_;
};

}  // namespace tkm
