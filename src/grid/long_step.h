#pragma once

#include "grid/io/file_progress.h"

#include <chrono>

namespace tkm {

// Where a long step over the list (a find, a sort, a page count) shows how far
// it has come: the window's status bar.
class TStepProgressView {
public:
    virtual void Start(bool mayCancel) = 0;
    // EAbort once the step was stopped, if it may be.
    virtual void Step(int percent) = 0;
    virtual void Stop() = 0;

protected:
    ~TStepProgressView() = default;
};

// One step's progress on a view, which is started only once the step has taken
// long enough to notice: a find in a short list does not flash the bar.
class TLongStep {
public:
    static constexpr std::chrono::milliseconds NoticeableTime{50};

    // No view: the handler does nothing.
    TLongStep(TStepProgressView* view, bool mayCancel, std::chrono::milliseconds showAfter = NoticeableTime);
    ~TLongStep();
    TLongStep(const TLongStep&) = delete;
    TLongStep& operator=(const TLongStep&) = delete;

    // What the step reports through; empty without a view.
    const TFileProgressHandler& Handler() const { return handler_; }
    // Shows the bar now, for a step whose first report may be far off.
    void Show();

private:
    void Step(int percent);

    TStepProgressView* view_;
    bool mayCancel_;
    std::chrono::steady_clock::time_point showFrom_;
    bool shown_ = false;
    TFileProgressHandler handler_;
};

}  // namespace tkm
