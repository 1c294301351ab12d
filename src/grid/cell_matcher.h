#pragma once

#include "grid/ascii_search.h"
#include "grid/find_options.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace tkm {

// Upper case as the Windows ANSI code page had it, on UTF-8 bytes: ASCII
// letters and every letter pair of Windows-1252 (à..þ but ÷, š, ž, œ, ÿ).
// Every other byte, valid UTF-8 or not, stays; the length never changes.
std::string AnsiUpperCase(std::string_view text);
void AnsiUpperCaseInPlace(std::string& text);

// "<BR>" and "<HR>" (any case) become CR LF, then every "<...>" goes; a "<"
// without a ">" after it keeps the rest.
void StripHtmlTags(std::string_view text, std::string& out);

// Whether one cell's text holds the search text, under the search options
// (case, whole cell, at the start, HTML tags). A search text with letters
// beyond ASCII is looked for in the cell as the grid shows it (Windows-1252
// where the cell is not UTF-8). Case-insensitive tests fold the cell as they
// read it, so the common path never copies a cell.
class TCellMatcher {
public:
    TCellMatcher(std::string_view text, TFindOptions options);

    // An empty search text matches nothing.
    bool MatchesNothing() const { return pattern_.empty(); }
    bool Matches(std::string_view cell);

private:
    bool MatchesExactBytes(std::string_view cell) const;
    bool MatchesFolded(std::string_view cell) const;
    bool FoldedEqualAt(const unsigned char* cell, std::size_t at, std::size_t size) const;

    std::string pattern_;  // upper case unless the case must match
    bool matchCase_;
    bool wholeCell_;
    bool atStart_;
    bool ignoreHtml_;
    bool readShownText_ = false;
    bool wordScan_ = true;
    std::array<bool, 256> mayStartMatch_{};  // cell bytes that fold to the pattern's first byte
    std::uint64_t firstWithCaseBit_ = 0;     // that byte with bit 5 set, in every byte of a word
    std::optional<TAsciiSearch> asciiSearch_;  // a case-insensitive ASCII text anywhere in a cell
    std::string shown_;  // a Windows-1252 cell in UTF-8
    std::string upper_;  // the IgnoreHtmlTags path only
    std::string stripped_;
};

}  // namespace tkm
