#pragma once

#include <cstddef>
#include <string_view>

namespace tkm {

// A cell's text printed line by line: CR LF, LF and CR each end a line, and
// the line they end is the text before them.
template <typename TOnLine>
void ForEachLine(std::string_view text, TOnLine onLine) {
    for (;;) {
        const std::size_t end = text.find_first_of("\r\n");
        onLine(text.substr(0, end));
        if (end == std::string_view::npos) return;
        const std::size_t next = text.compare(end, 2, "\r\n") == 0 ? end + 2 : end + 1;
        text.remove_prefix(next);
    }
}

inline int LineCount(std::string_view text) {
    int lines = 0;
    ForEachLine(text, [&](std::string_view) { ++lines; });
    return lines;
}

inline bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

}  // namespace tkm
