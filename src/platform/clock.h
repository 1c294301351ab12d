#pragma once

#include "base/date_text.h"

namespace tkm {

// Today and now, asked for instead of reading the system clock, so tests pin them.
class Clock {
public:
    virtual ~Clock() = default;
    virtual TDate Today() const = 0;
    virtual TTimeOfDay Now() const = 0;
};

class SystemClock final : public Clock {
public:
    TDate Today() const override;
    TTimeOfDay Now() const override;
};

}  // namespace tkm
