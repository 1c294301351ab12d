#pragma once

#include <functional>

namespace tkm {

// A cell's horizontal alignment. The task grid leaves every cell left-aligned;
// the exports still honour another answer of the owner's hook.
enum class TAlignment { Left, Right, Center };

// The owner's alignment hook, asked per displayed column and row; an empty one
// means every cell is left-aligned.
using TAlignmentEvent = std::function<TAlignment(int displayCol, int row)>;

}  // namespace tkm
