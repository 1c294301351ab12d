#pragma once

#include <functional>

namespace tkm {

enum class TCellAlignment { Left, Right, Center };

// The owner's say on how a cell is aligned, by display column and row; without
// one every cell is left-aligned.
using TAlignmentHook = std::function<TCellAlignment(int displayCol, int row)>;

inline TCellAlignment AlignmentOf(const TAlignmentHook& hook, int displayCol, int row) {
    return hook ? hook(displayCol, row) : TCellAlignment::Left;
}

}  // namespace tkm
