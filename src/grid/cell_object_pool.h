#pragma once

#include "grid/cell_graphic.h"

#include <array>
#include <cstdint>
#include <map>
#include <utility>
#include <vector>

namespace tkm {

// The cell objects of one row: (real column, object) pairs sorted by column.
using TRowObjects = std::vector<std::pair<int, TCellGraphic>>;

// Interns row object sets so that a million rows with the same progress bar and
// comment marker share one stored set; a row holds only a 32-bit set id.
// Id 0 is the empty set.
class TCellObjectPool {
public:
    using TId = std::uint32_t;
    static constexpr TId None = 0;

    TCellObjectPool();

    const TCellGraphic* Find(TId set, int col) const;
    TId With(TId set, int col, const TCellGraphic& object);
    TId Without(TId set, int col);
    const TRowObjects& Objects(TId set) const { return sets_[set]; }
    std::size_t SetCount() const { return sets_.size(); }

    // Drops every set not in use; remap[old id] gives the new id.
    bool WantsSweep() const { return sets_.size() > 2 * sizeAfterSweep_ + 64; }
    std::vector<TId> Sweep(const std::vector<bool>& used);
    void Clear();

private:
    TId Intern(TRowObjects&& objects);

    struct TTransition {
        TId From = None;
        int Col = -1;
        TCellGraphic Object;
        TId To = None;
    };

    std::vector<TRowObjects> sets_;
    std::map<TRowObjects, TId> index_;
    std::array<TTransition, 4> recent_;
    std::size_t nextRecent_ = 0;
    std::size_t sizeAfterSweep_ = 1;
};

}  // namespace tkm
