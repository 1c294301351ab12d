#pragma once

#include <cstdint>
#include <vector>

namespace tkm {

// The rows a filtered view shows, in table order: maps a shown row's place
// among the shown rows to its row in the table and back, as the display/real
// map does for columns.
class TShownRows {
public:
    // `rows` ascending, each a row of the table.
    void Assign(std::vector<std::uint32_t> rows) { rows_ = std::move(rows); }
    const std::vector<std::uint32_t>& Rows() const { return rows_; }

    int Count() const { return int(rows_.size()); }
    // The table row of the index-th shown row.
    int RowAt(int index) const { return int(rows_[std::size_t(index)]); }
    // How many shown rows come before `row`: its own index when shown, else
    // the index of the next shown row.
    int IndexOf(int row) const;

private:
    std::vector<std::uint32_t> rows_;
};

}  // namespace tkm
