#pragma once

#include "grid/cell_object_pool.h"
#include "grid/object_slot.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

namespace tkm {

class TBaseGrid;

// A row as it was: every text, its cell objects, its key and its height.
struct TSavedRow {
    std::vector<std::string> Cells;
    TRowObjects Objects;
    std::uint32_t Key = 0;
    std::uint16_t Height = 0;  // as the grid stores it: 0 is the default
};

// Each change holds only what is needed to go back: the old state it replaced.
struct TCellTextChange {
    int Col = 0;
    int Row = 0;
    std::string OldText;
};
struct TRowChange {
    int Row = 0;
    TSavedRow Old;
};
struct TRowsInserted {
    int Row = 0;
    int Count = 0;
};
struct TRowsRemoved {
    int Row = 0;
    std::vector<TSavedRow> Rows;
};
// New row First+i was old row First+Order[i].
struct TRowsPermuted {
    int First = 0;
    std::vector<std::uint32_t> Order;
};

using TGridChange = std::variant<TCellTextChange, TRowChange, TRowsInserted, TRowsRemoved, TRowsPermuted>;

// Memory a change holds, for the bound on the history.
std::size_t ChangeBytes(const TGridChange& change);

// Puts back the state the change replaced. The grid reports what this does to
// its sink as usual, which is how the reverse of a change is recorded.
void RevertChange(TBaseGrid& grid, const TGridChange& change);

// Hears every change to a grid's cells and rows before it is made.
class TGridChangeSink {
public:
    virtual ~TGridChangeSink() = default;
    virtual void Record(TGridChange&& change) = 0;
    // The grid's rows were replaced whole: what was recorded no longer applies.
    virtual void RowsReplaced() = 0;
};

// The grid's sink.
using TGridChangeSinkSlot = TObjectSlot<TGridChangeSink>;

}  // namespace tkm
