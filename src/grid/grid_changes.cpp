#include "grid/grid_changes.h"

#include "grid/base_grid.h"

namespace tkm {

namespace {

std::size_t SavedRowBytes(const TSavedRow& row) {
    std::size_t bytes = sizeof row + row.Cells.capacity() * sizeof(std::string);
    for (const std::string& cell : row.Cells) bytes += cell.capacity();
    for (const auto& [col, object] : row.Objects) {
        bytes += sizeof col + sizeof object;
        for (const std::string& line : object.Lines) bytes += sizeof line + line.capacity();
    }
    return bytes;
}

struct TByteCounter {
    std::size_t operator()(const TCellTextChange& change) const { return change.OldText.capacity(); }
    std::size_t operator()(const TRowChange& change) const { return SavedRowBytes(change.Old); }
    std::size_t operator()(const TRowsInserted&) const { return 0; }
    std::size_t operator()(const TRowsRemoved& change) const {
        std::size_t bytes = 0;
        for (const TSavedRow& row : change.Rows) bytes += SavedRowBytes(row);
        return bytes;
    }
    std::size_t operator()(const TRowsPermuted& change) const {
        return change.Order.capacity() * sizeof(std::uint32_t);
    }
};

struct TReverter {
    TBaseGrid& Grid;

    void operator()(const TCellTextChange& change) const { Grid.SetCellText(change.Col, change.Row, change.OldText); }
    void operator()(const TRowChange& change) const { Grid.RestoreRow(change.Row, change.Old); }
    void operator()(const TRowsInserted& change) const { Grid.RemoveRows(change.Row, change.Count); }
    void operator()(const TRowsRemoved& change) const { Grid.RestoreRows(change.Row, change.Rows); }
    void operator()(const TRowsPermuted& change) const {
        std::vector<std::uint32_t> inverse(change.Order.size());
        for (std::size_t i = 0; i < change.Order.size(); ++i) inverse[change.Order[i]] = std::uint32_t(i);
        Grid.PermuteRows(change.First, inverse);
    }
};

}  // namespace

std::size_t ChangeBytes(const TGridChange& change) { return sizeof change + std::visit(TByteCounter{}, change); }

void RevertChange(TBaseGrid& grid, const TGridChange& change) { std::visit(TReverter{grid}, change); }

}  // namespace tkm
