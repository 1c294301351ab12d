#pragma once

#include "grid/base_grid.h"

#include <functional>

namespace tkm {

// Keeps in-place editing off while a print or an export works on the columns
// the user chose, and shows every column and switches editing on again
// however the command ends, failures included.
class TColumnChoiceGuard {
public:
    using TEditingSwitch = std::function<void(bool enabled)>;

    TColumnChoiceGuard(TBaseGrid& grid, TEditingSwitch setEditing);
    ~TColumnChoiceGuard();
    TColumnChoiceGuard(const TColumnChoiceGuard&) = delete;
    TColumnChoiceGuard& operator=(const TColumnChoiceGuard&) = delete;

private:
    TBaseGrid& grid_;
    TEditingSwitch setEditing_;
};

}  // namespace tkm
