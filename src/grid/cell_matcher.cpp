#include "grid/cell_matcher.h"

#include "base/windows_1252.h"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <cstring>
#include <utility>

namespace tkm {

namespace {

// Every letter pair of Windows-1252 in UTF-8. Two bytes each: U+00E0..U+00FE
// (but U+00F7) after 0xC3 become U+00C0..U+00DE; after 0xC5, s, z and oe with
// caron or ligature (U+0161, U+017E, U+0153) lose one from their tail byte;
// y with diaeresis (0xC3 0xBF) becomes U+0178 (0xC5 0xB8), the one pair whose
// lead byte changes.
constexpr unsigned char LatinLead = 0xC3;
constexpr unsigned char LatinExtendedLead = 0xC5;
constexpr unsigned char SmallYDiaeresisTail = 0xBF;
constexpr unsigned char CapitalYDiaeresisTail = 0xB8;

constexpr bool IsLowerLatinTail(unsigned char c) { return c >= 0xA0 && c <= 0xBE && c != 0xB7; }
constexpr bool IsLowerExtendedTail(unsigned char c) { return c == 0xA1 || c == 0xBE || c == 0x93; }

constexpr std::array<unsigned char, 256> AsciiUpperTable() {
    std::array<unsigned char, 256> table{};
    for (int c = 0; c < 256; ++c) table[std::size_t(c)] = (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c;
    return table;
}
constexpr std::array<unsigned char, 256> AsciiUpper = AsciiUpperTable();

constexpr std::uint64_t LowBits = 0x0101010101010101ull;
constexpr std::uint64_t HighBits = 0x8080808080808080ull;
constexpr std::uint64_t CaseBits = 0x2020202020202020ull;

// The upper-case form of a two-byte character, or the character itself.
constexpr std::pair<unsigned char, unsigned char> UpperPair(unsigned char lead, unsigned char tail) {
    if (lead == LatinLead && IsLowerLatinTail(tail)) return {lead, tail - 0x20};
    if (lead == LatinLead && tail == SmallYDiaeresisTail) return {LatinExtendedLead, CapitalYDiaeresisTail};
    if (lead == LatinExtendedLead && IsLowerExtendedTail(tail)) return {lead, tail - 1};
    return {lead, tail};
}

// The upper-case byte at `at` of a text of `size` bytes: a lead byte may
// depend on its tail and a tail on its lead.
inline unsigned char FoldedAt(const unsigned char* text, std::size_t at, std::size_t size) {
    const unsigned char c = text[at];
    if (c < 0x80) return AsciiUpper[c];
    if (c == LatinLead) return at + 1 < size ? UpperPair(c, text[at + 1]).first : c;
    return at > 0 ? UpperPair(text[at - 1], c).second : c;
}

bool IsLineTag(std::string_view text, std::size_t at) {
    if (text.size() - at < 4 || text[at] != '<' || text[at + 3] != '>') return false;
    const unsigned char a = AsciiUpper[static_cast<unsigned char>(text[at + 1])];
    const unsigned char b = AsciiUpper[static_cast<unsigned char>(text[at + 2])];
    return (a == 'B' || a == 'H') && b == 'R';
}

}  // namespace

void AnsiUpperCaseInPlace(std::string& text) {
    auto* bytes = reinterpret_cast<unsigned char*>(text.data());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (bytes[i] < 0x80) {
            bytes[i] = AsciiUpper[bytes[i]];
        } else if (i + 1 < text.size()) {
            // Both bytes of a pair at once: the lead may change with the tail.
            const auto [lead, tail] = UpperPair(bytes[i], bytes[i + 1]);
            if (lead != bytes[i] || tail != bytes[i + 1]) {
                bytes[i] = lead;
                bytes[++i] = tail;
            }
        }
    }
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
    // A typed text is UTF-8: it is looked for in the cells as they are shown. A
    // pattern of other bytes is looked for in the bytes.
    readShownText_ = IsValidUtf8(pattern_) && std::any_of(pattern_.begin(), pattern_.end(), [](char c) {
                         return static_cast<unsigned char>(c) >= 0x80;
                     });
    if (!matchCase_ && !wholeCell_ && !atStart_ && TAsciiSearch::IsAscii(text)) asciiSearch_.emplace(text, false);
    if (!matchCase_) AnsiUpperCaseInPlace(pattern_);
    if (pattern_.empty()) return;
    const unsigned char first = static_cast<unsigned char>(pattern_[0]);
    firstWithCaseBit_ = LowBits * (first | 0x20u);
    // A capital y with diaeresis also starts where a small one does, on another lead byte.
    wordScan_ = matchCase_ || !pattern_.starts_with("\xC5\xB8");
    for (int c = 0; c < 256; ++c)
        mayStartMatch_[std::size_t(c)] = c < 0x80 ? AsciiUpper[std::size_t(c)] == first : first >= 0x80;
}

bool TCellMatcher::Matches(std::string_view cell) {
    if (pattern_.empty()) return false;
    if (readShownText_) cell = ShownAsUtf8(cell, shown_);
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

bool TCellMatcher::FoldedEqualAt(const unsigned char* cell, std::size_t at, std::size_t size) const {
    const auto* pattern = reinterpret_cast<const unsigned char*>(pattern_.data());
    for (std::size_t i = 0; i < pattern_.size(); ++i)
        if (FoldedAt(cell, at + i, size) != pattern[i]) return false;
    return true;
}

bool TCellMatcher::MatchesFolded(std::string_view cell) const {
    if (asciiSearch_) return asciiSearch_->Find(cell) != TAsciiSearch::NotFound;
    const std::size_t size = pattern_.size();
    if (cell.size() < size || (wholeCell_ && cell.size() != size)) return false;
    const auto* bytes = reinterpret_cast<const unsigned char*>(cell.data());
    if (wholeCell_ || atStart_) return FoldedEqualAt(bytes, 0, cell.size());
    const std::size_t last = cell.size() - size;
    std::size_t at = 0;
    // Eight bytes at a time: a byte can start a match only if it equals the
    // pattern's first byte once bit 5 (the case bit of ASCII letters; lead
    // bytes keep it) is set in both.
    for (; wordScan_ && at + sizeof(std::uint64_t) <= cell.size() && at <= last; at += sizeof(std::uint64_t)) {
        std::uint64_t word;
        std::memcpy(&word, bytes + at, sizeof word);
        const std::uint64_t diff = (word | CaseBits) ^ firstWithCaseBit_;
        for (std::uint64_t zeros = (diff - LowBits) & ~diff & HighBits; zeros; zeros &= zeros - 1) {
            const std::size_t candidate = at + std::size_t(std::countr_zero(zeros)) / 8;
            if (candidate <= last && FoldedEqualAt(bytes, candidate, cell.size())) return true;
        }
    }
    for (; at <= last; ++at)
        if (mayStartMatch_[bytes[at]] && FoldedEqualAt(bytes, at, cell.size())) return true;
    return false;
}

}  // namespace tkm
