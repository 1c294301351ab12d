#include "grid/ascii_search.h"

#include <gtest/gtest.h>

#include <cctype>
#include <string>

namespace tkm {
namespace {

// The plain way: every place in turn, byte by byte.
std::size_t FirstPlace(std::string_view text, std::string_view pattern, bool matchCase, std::size_t from) {
    const auto same = [&](char a, char b) {
        return matchCase ? a == b : std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
    };
    if (pattern.empty()) return TAsciiSearch::NotFound;
    for (std::size_t at = from; at + pattern.size() <= text.size(); ++at) {
        std::size_t i = 0;
        while (i < pattern.size() && same(text[at + i], pattern[i])) ++i;
        if (i == pattern.size()) return at;
    }
    return TAsciiSearch::NotFound;
}

// Patterns of one to five bytes at every place of texts up to 50 bytes,
// across and at the ends of the sixteen-byte steps, from every start.
TEST(AsciiSearch, FindsWhatAPlainScanFindsAtEveryPlace) {
    for (const std::string pattern : {"e", "Re", "tAx", "invo", "rEPoR"}) {
        for (std::size_t length = 0; length <= 50; ++length) {
            for (std::size_t place = 0; place + pattern.size() <= length; place += 3) {
                std::string text(length, 'r');
                for (std::size_t i = 0; i < length; i += 7) text[i] = 'E';
                text.replace(place, pattern.size(), pattern);
                for (const bool matchCase : {false, true}) {
                    const TAsciiSearch search(pattern, matchCase);
                    for (std::size_t from = 0; from <= length; from += 5)
                        ASSERT_EQ(search.Find(text, from), FirstPlace(text, pattern, matchCase, from))
                            << pattern << " in " << text << " from " << from << (matchCase ? " with case" : "");
                }
            }
        }
    }
}

TEST(AsciiSearch, OnlyLettersFoldAndBytesBeyondAsciiNeverMatch) {
    const TAsciiSearch bracket("[1", false);
    EXPECT_EQ(bracket.Find("{1 and [1"), 7u);  // '{' differs from '[' by the case bit alone
    const TAsciiSearch at("@", false);
    EXPECT_EQ(at.Find("``````````````````````@"), 22u);
    // É in Windows-1252 (0xC9) and in UTF-8 (0xC3 0x89) hold the case bit's twins of 'i' and nothing else.
    EXPECT_EQ(TAsciiSearch("i", false).Find("\xC9\xC3\x89\xC9\xC9\xC9\xC9\xC9\xC9\xC9\xC9\xC9\xC9\xC9\xC9\xC9\xC9"),
              TAsciiSearch::NotFound);
    EXPECT_EQ(TAsciiSearch("Invoice", true).Find("INVOICE invoice Invoice"), 16u);
    EXPECT_EQ(TAsciiSearch("", false).Find("anything"), TAsciiSearch::NotFound);
    EXPECT_EQ(TAsciiSearch("long", false).Find("lon"), TAsciiSearch::NotFound);
    EXPECT_TRUE(TAsciiSearch::IsAscii("plain {text}~"));
    EXPECT_FALSE(TAsciiSearch::IsAscii("caf\xC3\xA9"));
}

}  // namespace
}  // namespace tkm
