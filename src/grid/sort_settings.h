#pragma once

namespace tkm {

enum class TSortDirection { sdAscending, sdDescending };

// How the grid sorts: the column, the direction, and the header row that shows
// the indicator and takes the sort clicks.
struct TSortSettings {
    int Column = 0;  // real column
    TSortDirection Direction = TSortDirection::sdAscending;
    bool Show = true;
    int Row = 0;
};

}  // namespace tkm
