#include "grid/io/separator_detection.h"

#include <algorithm>
#include <array>

namespace tkm {

namespace {

constexpr std::array<char, 5> Candidates{',', ';', '#', '\t', '|'};

std::size_t CountAll(std::string_view text, char c) { return std::size_t(std::count(text.begin(), text.end(), c)); }

template <typename TCounter>
char Choose(std::string_view line1, std::string_view line2, TCounter count) {
    std::size_t best = 0;
    char chosen = 0;
    for (const char c : Candidates) {
        const std::size_t n = count(line1, c);
        if (n == count(line2, c) && n > best) {
            best = n;
            chosen = c;
        }
    }
    return chosen;
}

}  // namespace

std::size_t CountLone(std::string_view text, char c) {
    std::size_t count = 0;
    std::size_t start = 0;  // where the remaining text begins
    for (std::size_t i = text.find(c); i != std::string_view::npos; i = text.find(c, i + 1)) {
        const bool last = i + 1 == text.size();
        const bool lone = last || (text[i + 1] != c && (i == start || text[i - 1] != c));
        if (!lone) continue;
        ++count;
        start = i + 1;
    }
    return count;
}

char DetectSeparator(std::string_view line1, std::string_view line2) {
    if (const char c = Choose(line1, line2, CountLone)) return c;
    if (const char c = Choose(line1, line2, CountAll)) return c;
    return ',';
}

}  // namespace tkm
