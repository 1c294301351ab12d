#include "grid/long_step.h"

namespace tkm {

TLongStep::TLongStep(TStepProgressView* view, bool mayCancel, std::chrono::milliseconds showAfter)
    : view_(view), mayCancel_(mayCancel), showFrom_(std::chrono::steady_clock::now() + showAfter) {
    if (view_) handler_ = [this](int percent) { Step(percent); };
}

TLongStep::~TLongStep() {
    if (shown_) view_->Stop();
}

void TLongStep::Show() {
    if (shown_ || !view_) return;
    shown_ = true;
    view_->Start(mayCancel_);
}

void TLongStep::Step(int percent) {
    if (!shown_ && std::chrono::steady_clock::now() >= showFrom_) Show();
    if (shown_) view_->Step(percent);
}

}  // namespace tkm
