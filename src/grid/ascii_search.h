#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tkm {

// Looks for a text of ASCII bytes, with or without regard to the case of its
// letters, sixteen bytes at a time. A byte beyond ASCII never matches one of
// the text's, so the case of other letters never needs folding.
class TAsciiSearch {
public:
    static constexpr std::size_t NotFound = std::string_view::npos;

    static bool IsAscii(std::string_view text);

    // `pattern` must be ASCII.
    TAsciiSearch(std::string_view pattern, bool matchCase);

    std::size_t Size() const { return lower_.size(); }
    // Where the first match at or after `from` starts; NotFound when there is
    // none, and always for an empty pattern.
    std::size_t Find(std::string_view text, std::size_t from = 0) const;

private:
    bool EqualAt(const unsigned char* bytes) const;

    std::string lower_;     // letters in lower case unless the case must match
    std::string caseBits_;  // 0x20 at a letter whose case does not matter, else 0
};

}  // namespace tkm
