#pragma once

#include "base/errors.h"

namespace tkm {

// Runs one step of a command. The grid's own, conversion and input/output
// failures end the step quietly, leaving the table as the step left it; any
// other failure (out of memory above all) goes on to the caller. True when the
// step ran to its end.
template <typename Step>
bool RunCommandStep(Step&& step) {
    try {
        step();
        return true;
    } catch (const EGridError&) {
    } catch (const EConvertError&) {
    } catch (const EInOutError&) {
    }
    return false;
}

}  // namespace tkm
