#pragma once

#include "grid/cell_matcher.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tkm {

// A stored cell text the window shows in other words, such as a status in
// the user's language: a search looks for what the user reads as well as for
// what the file holds.
struct TShownWord {
    int RealCol = 0;
    bool Heading = false;  // in the fixed rows, else in the data rows
    std::string Stored;
    std::string Shown;
};

// The shown words a search text finds.
class TShownWordMatches {
public:
    TShownWordMatches(std::span<const TShownWord> words, TCellMatcher& matcher);

    bool Empty() const { return found_.empty(); }
    // Whether the cell holds one of them.
    bool Matches(int realCol, bool heading, std::string_view cell) const;

private:
    std::vector<const TShownWord*> found_;
};

}  // namespace tkm
