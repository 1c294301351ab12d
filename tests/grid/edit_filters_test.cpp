#include "grid/edit_filters.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

// Types keys into an editor holding text with the caret at its end.
std::u16string Type(std::u16string text, std::u16string_view keys, char thousand = ',') {
    for (char16_t key : keys)
        if (NumberKeyVerdict(text, int(text.size()), 0, key, thousand) == TKeyVerdict::Accept) text += key;
    return text;
}

TEST(NumberKeys, SeparatorsAreKeptForTheWholeTextToJudge) {
    EXPECT_EQ(Type(u"", u"1,234.5"), u"1,234.5");
    EXPECT_EQ(Type(u"", u"1.5.2"), u"1.5.2");
    EXPECT_EQ(Type(u"", u"12a3"), u"123");
    EXPECT_EQ(Type(u"", u"1 234,5", ' '), u"1 234,5");
    EXPECT_EQ(Type(u"", u"1 234,5"), u"1234,5");  // a blank is no separator where it is not the locale's
}

TEST(NumberKeys, MinusOnlyOnceAndOnlyFirst) {
    EXPECT_EQ(NumberKeyVerdict(u"5", 1, 0, u'-', ','), TKeyVerdict::Beep);
    EXPECT_EQ(NumberKeyVerdict(u"5", 0, 0, u'-', ','), TKeyVerdict::Accept);
    EXPECT_EQ(NumberKeyVerdict(u"-5", 0, 0, u'-', ','), TKeyVerdict::Beep);
    EXPECT_EQ(NumberKeyVerdict(u"-5", 0, 1, u'-', ','), TKeyVerdict::Accept);  // replaces the one there
    EXPECT_EQ(NumberKeyVerdict(u"5", 1, 0, u'x', ','), TKeyVerdict::Ignore);
    EXPECT_EQ(NumberKeyVerdict(u"5", 1, 0, u'\b', ','), TKeyVerdict::Accept);
}

TEST(NumberText, GroupsInThreesAndOneDecimalSeparatorOfTheLocale) {
    const auto us = [](std::u16string_view t) { return ReadNumberText(t, '.', ','); };
    const auto german = [](std::u16string_view t) { return ReadNumberText(t, ',', '.'); };
    for (const auto* text : {u"1,234.5", u"1234.5", u"-1,234,567.25", u"0.00", u".5", u"5.", u""})
        EXPECT_EQ(us(text), TNumberText::Number);
    for (const auto* text : {u"1.234,56", u"1234,56", u"12,5", u"1.234.567,5", u"-0,5"})
        EXPECT_EQ(german(text), TNumberText::Number);
    // what typing on could still finish
    EXPECT_EQ(us(u"1,2"), TNumberText::Unfinished);
    EXPECT_EQ(us(u"-"), TNumberText::Unfinished);
    EXPECT_EQ(german(u"1.5"), TNumberText::Unfinished);
    // never one number
    for (const auto* text : {u"1,2,3.4.5", u"1.5.2", u"1,2345", u"12345,678", u",5", u"-1-", u"abc", u"1.234,5,6"})
        EXPECT_EQ(us(text), TNumberText::NotANumber);
    EXPECT_EQ(german(u"1,5,5"), TNumberText::NotANumber);
    EXPECT_EQ(german(u".5"), TNumberText::NotANumber);
    EXPECT_EQ(german(u"1.23.4"), TNumberText::NotANumber);
    EXPECT_EQ(ReadNumberText(u"12 5", '.', ','), TNumberText::NotANumber);
    EXPECT_EQ(ReadNumberText(u"1\u202f234,5", ',', ' '), TNumberText::Number);
}

TEST(NumberText, TheCellKeepsItWithoutGrouping) {
    EXPECT_EQ(WithoutGrouping(u"1,234.5", ','), u"1234.5");
    EXPECT_EQ(WithoutGrouping(u"1.234,56", '.'), u"1234,56");
    EXPECT_EQ(WithoutGrouping(u"-1\u00a0234,5", ' '), u"-1234,5");
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
