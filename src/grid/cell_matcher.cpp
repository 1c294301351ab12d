#include "grid/cell_matcher.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace tkm {

namespace {

constexpr unsigned char Utf8LatinLead = 0xC3;

// U+00E0..U+00FE but U+00F7, as the second byte after 0xC3.
constexpr bool IsLowerLatinTail(unsigned char c) { return c >= 0xA0 && c <= 0xBE && c != 0xB7; }
constexpr unsigned char LatinTailCaseOffset = 0x20;

constexpr std::array<unsigned char, 256> AsciiUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[std::size_t(c)] = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
    return table;
}
constexpr std::array<unsigned char, 256> AsciiUpper = AsciiUpperTable();

constexpr std::uint64_t LowBits = 0x0101010101010101ull;
constexpr std::uint64_t HighBits = 0x8080808080808080ull;
constexpr std::uint64_t CaseBits = 0x2020202020202020ull;

// The upper-case byte at `at`; a Latin tail folds only right after its lead byte.
inline unsigned char FoldedAt(const unsigned char* text, std::size_t at) {
    const unsigned char c = text[at];
    if (IsLowerLatinTail(c)) return at > 0 && text[at - 1] == Utf8LatinLead ? c - LatinTailCaseOffset : c;
    return AsciiUpper[c];
}

bool IsLineTag(std::string_view text, std::size_t at) {
    if (text.size() - at < 4 || text[at] != '<' || text[at + 3] != '>') return false;
    const unsigned char a = AsciiUpper[static_cast<unsigned char>(text[at + 1])];
    const unsigned char b = AsciiUpper[static_cast<unsigned char>(text[at + 2])];
    return (a == 'B' || a == 'H') && b == 'R';
}

}  // namespace

void AnsiUpperCaseInPlace(std::string& text) {
    // Folding never makes or changes a lead byte, so each byte still sees its original predecessor.
    auto* bytes = reinterpret_cast<unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size(); ++i) bytes[i] = FoldedAt(bytes, i);
}

std::string AnsiUpperCase(std::string_view text) {
    std::string upper(text);
    AnsiUpperCaseInPlace(upper);
    return upper;
}

void StripHtmlTags(std::string_view text, std::string& out) {
    // Line tags first: a tag spanning a "<BR>" is removed whole, up to the next ">" after it.
    std::string lines;
    lines.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (IsLineTag(text, i)) {
            lines += "\r\n";
            i += 4;
        } else {
            lines += text[i++];
        }
    }
    out.clear();
    for (std::size_t i = 0; i < lines.size();) {
        const std::size_t open = lines.find('<', i);
        const std::size_t close = open == std::string::npos ? open : lines.find('>', open + 1);
        if (close == std::string::npos) {
            out.append(lines, i);
            break;
        }
        out.append(lines, i, open - i);
        i = close + 1;
    }
}

TCellMatcher::TCellMatcher(std::string_view text, TFindOptions options)
    : pattern_(text), matchCase_(options.Has(TFindOption::MatchCase)),
      wholeCell_(options.Has(TFindOption::WholeCellText)), atStart_(options.Has(TFindOption::MatchAtStart)),
      ignoreHtml_(options.Has(TFindOption::IgnoreHtmlTags)) {
    if (!matchCase_) AnsiUpperCaseInPlace(pattern_);
    if (pattern_.empty()) return;
    const unsigned char first = static_cast<unsigned char>(pattern_[0]);
    firstWithCaseBit_ = LowBits * (first | 0x20u);
    for (int c = 0; c < 256; ++c) {
        const auto byte = static_cast<unsigned char>(c);
        mayStartMatch_[std::size_t(c)] =
            AsciiUpper[byte] == first || (IsLowerLatinTail(byte) && byte - LatinTailCaseOffset == first);
    }
}

bool TCellMatcher::Matches(std::string_view cell) {
    if (pattern_.empty()) return false;
    // Without a "<" there is no tag to strip.
    if (!ignoreHtml_ || cell.find('<') == std::string_view::npos)
        return matchCase_ ? MatchesExactBytes(cell) : MatchesFolded(cell);
    upper_.assign(cell);
    if (!matchCase_) AnsiUpperCaseInPlace(upper_);
    StripHtmlTags(upper_, stripped_);
    return MatchesExactBytes(stripped_);
}

bool TCellMatcher::MatchesExactBytes(std::string_view cell) const {
    if (wholeCell_) return cell == pattern_;
    if (atStart_) return cell.starts_with(pattern_);
    return cell.find(pattern_) != std::string_view::npos;
}

bool TCellMatcher::FoldedEqualAt(const unsigned char* cell, std::size_t at) const {
    const auto* pattern = reinterpret_cast<const unsigned char*>(pattern_.data());
    for (std::size_t i = 0; i < pattern_.size(); ++i)
        if (FoldedAt(cell, at + i) != pattern[i]) return false;
    return true;
}

bool TCellMatcher::MatchesFolded(std::string_view cell) const {
    const std::size_t size = pattern_.size();
    if (cell.size() < size || (wholeCell_ && cell.size() != size)) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(cell.data());
    if (wholeCell_ || atStart_) return FoldedEqualAt(bytes, 0);
    const std::size_t last = cell.size() - size;
    std::size_t at = 0;
    // Eight bytes at a time: a byte can start a match only if it equals the
    // pattern's first byte once bit 5 (the case bit of both ASCII letters and
    // Latin tails) is set in both.
    for (; at + sizeof(std::uint64_t) <= cell.size() && at <= last; at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        const std::uint64_t diff = (word | CaseBits) ^ firstWithCaseBit_;
        for (std::uint64_t zeros = (diff - LowBits) & ~diff & HighBits; zeros; zeros &= zeros - 1) {
            const std::size_t candidate = at + std::size_t(std::countr_zero(zeros)) / 8;
            if (candidate <= last && FoldedEqualAt(bytes, candidate)) return true;
        }
    }
    for (; at <= last; ++at)
        if (mayStartMatch_[bytes[at]] && FoldedEqualAt(bytes, at)) return true;
    return false;
}

}  // namespace tkm
