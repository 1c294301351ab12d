#include "grid/edit_filters.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

// Types keys into an editor holding text with the caret at its end.
std::u16string Type(std::u16string text, std::u16string_view keys) {
    for (char16_t key : keys)
        if (NumberKeyVerdict(text, int(text.size()), 0, key) == TKeyVerdict::Accept) text += key;
    return text;
}

TEST(NumberKeys, OneDecimalSeparatorOfEitherKind) {
    EXPECT_EQ(Type(u"", u"1.5.2"), u"1.52");
    EXPECT_EQ(Type(u"", u"1,5.2"), u"1,52");
    EXPECT_EQ(Type(u"", u"12a3"), u"123");
    // replacing the selection that holds the separator may type another
    EXPECT_EQ(NumberKeyVerdict(u"1.5", 1, 1, u','), TKeyVerdict::Accept);
    EXPECT_EQ(NumberKeyVerdict(u"1.5", 2, 1, u','), TKeyVerdict::Ignore);
}

TEST(NumberKeys, MinusOnlyOnceAndOnlyFirst) {
    EXPECT_EQ(NumberKeyVerdict(u"5", 1, 0, u'-'), TKeyVerdict::Beep);
    EXPECT_EQ(NumberKeyVerdict(u"5", 0, 0, u'-'), TKeyVerdict::Accept);
    EXPECT_EQ(NumberKeyVerdict(u"-5", 0, 0, u'-'), TKeyVerdict::Beep);
    EXPECT_EQ(NumberKeyVerdict(u"-5", 0, 1, u'-'), TKeyVerdict::Accept);  // replaces the one there
    EXPECT_EQ(NumberKeyVerdict(u"5", 1, 0, u'x'), TKeyVerdict::Ignore);
    EXPECT_EQ(NumberKeyVerdict(u"5", 1, 0, u'\b'), TKeyVerdict::Accept);
}

TEST(NumberText, UsesTheLocaleSeparators) {
    EXPECT_TRUE(IsNumberText(u"12,5", ',', '.'));
    EXPECT_TRUE(IsNumberText(u"1.234.567,5", ',', '.'));
    EXPECT_TRUE(IsNumberText(u"-1,234.5", '.', ','));
    EXPECT_TRUE(IsNumberText(u"", '.', ','));
    EXPECT_FALSE(IsNumberText(u"abc", ',', '.'));
    EXPECT_FALSE(IsNumberText(u"1,5,5", ',', '.'));  // two decimal separators
    EXPECT_FALSE(IsNumberText(u"-1-", '.', ','));
    EXPECT_FALSE(IsNumberText(u".5", ',', '.'));  // thousands separator first
    EXPECT_FALSE(IsNumberText(u"1.2.3", ',', '.'));  // separators too close
    EXPECT_TRUE(IsNumberText(u"1.23.4", ',', '.'));   // three apart is enough
    EXPECT_FALSE(IsNumberText(u"12 5", '.', ','));
}

TEST(Paste, ReplacesTheSelectionAndSelectsWhatCameIn) {
    auto over = ComposePaste(u"abcdef", 1, 2, u"XYZ", 0);
    ASSERT_TRUE(over);
    EXPECT_EQ(over->Text, u"aXYZdef");
    EXPECT_EQ(over->SelStart, 1);
    EXPECT_EQ(over->SelLength, 3);
    auto at = ComposePaste(u"", 0, 0, u"line\r\nbreak", 0);
    ASSERT_TRUE(at);
    EXPECT_EQ(at->Text, u"line\r\nbreak");
    EXPECT_EQ(at->SelStart, 11);
    EXPECT_EQ(at->SelLength, 0);
}

TEST(Paste, RefusesWhatPassesTheLengthLimit) {
    EXPECT_FALSE(ComposePaste(u"", 0, 0, u"123456", 5));
    EXPECT_FALSE(ComposePaste(u"abc", 3, 0, u"def", 5));
    EXPECT_TRUE(ComposePaste(u"abc", 1, 2, u"def", 5));  // the selection makes room
    EXPECT_TRUE(ComposePaste(u"abc", 3, 0, std::u16string(100000, u'x'), 0));
}

}  // namespace
}  // namespace tkm
