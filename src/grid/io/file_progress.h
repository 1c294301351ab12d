#pragma once

#include <functional>

namespace tkm {

// Whole percentage of a long file operation.
using TFileProgressHandler = std::function<void(int percent)>;

// done / total as a whole percentage, halves rounded to even; 100 when total is 0.
int RoundedPercent(long long done, long long total);

// The stretch from `from` to `to` percent of a longer operation's progress;
// empty for an empty handler.
TFileProgressHandler ProgressPart(const TFileProgressHandler& whole, int from, int to);

// Passes a percentage on only when it differs from the last one passed, so a
// handler hears at most 101 times per operation.
class TProgressReporter {
public:
    TProgressReporter(const TFileProgressHandler& handler, long long total) : handler_(handler), total_(total) {}
    void Report(long long done) {
        if (!handler_) return;
        const int percent = RoundedPercent(done, total_);
        if (percent == last_) return;
        last_ = percent;
        handler_(percent);
    }

private:
    const TFileProgressHandler& handler_;
    long long total_;
    int last_ = -1;
};

}  // namespace tkm
