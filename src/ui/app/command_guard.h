#pragma once

#include "base/errors.h"
#include "platform/dialogs.h"

#include <utility>

namespace tkm {

// Command handlers run their steps through these. A step ends on the grid's,
// conversion and input/output errors, silently or in the error box; anything
// else (out of memory, a defect) goes on to the application's own handling.
template <typename TStep>
void IgnoringStepFailures(TStep&& step) {
    (void)StepFailure(std::forward<TStep>(step));
}

template <typename TStep>
void ReportingStepFailures(Dialogs& dialogs, TStep&& step) {
    if (const auto message = StepFailure(std::forward<TStep>(step))) dialogs.ShowError(*message);
}

}  // namespace tkm
