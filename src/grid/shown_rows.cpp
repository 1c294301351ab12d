#include "grid/shown_rows.h"

#include <algorithm>

namespace tkm {

int TShownRows::IndexOf(int row) const {
    if (row <= 0) return 0;
    return int(std::lower_bound(rows_.begin(), rows_.end(), std::uint32_t(row)) - rows_.begin());
}

}  // namespace tkm
