#include "grid/column_choice_guard.h"

namespace tkm {

TColumnChoiceGuard::TColumnChoiceGuard(TBaseGrid& grid, TEditingSwitch setEditing)
    : grid_(grid), setEditing_(std::move(setEditing)) {
    setEditing_(false);
}

TColumnChoiceGuard::~TColumnChoiceGuard() {
    for (int col = 0; col < grid_.RealColCount(); ++col) grid_.UnhideColumn(col);
    setEditing_(true);
}

}  // namespace tkm
