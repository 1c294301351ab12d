#pragma once

#include <cstddef>
#include <string_view>

namespace tkm {

// Occurrences of c that stand alone: not next to another c, counted from left
// to right with the text up to each counted one dropped.
std::size_t CountLone(std::string_view text, char c);

// The separator of a file judged from its first two lines (second empty when
// the file has one line): the candidate found equally often in both, lone
// occurrences first, then all occurrences; the comma when neither decides.
char DetectSeparator(std::string_view line1, std::string_view line2);

}  // namespace tkm
