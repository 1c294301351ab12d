#include "grid/lookup_list.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(LookupList, MatchesTheFirstItemInListOrderIgnoringCase) {
    TLookupList list;
    list.Add("write report");
    list.Add("Write letter");
    ASSERT_NE(list.Match("WR"), nullptr);
    EXPECT_EQ(*list.Match("WR"), "write report");
    EXPECT_EQ(*list.Match("write l"), "Write letter");
    EXPECT_EQ(list.Match("x"), nullptr);
    EXPECT_EQ(list.Match(""), nullptr);  // an empty prefix matches nothing
    EXPECT_EQ(list.Match("write reports"), nullptr);
}

TEST(LookupList, HistoryKeepsOneSpellingOfEachText) {
    TLookupList list;
    list.Add("Call Ann");
    list.Add("CALL ANN");
    list.Add("");
    list.Add("");
    list.Add("Call");
    ASSERT_EQ(list.Items().size(), 3u);
    EXPECT_EQ(list.Items()[0], "Call Ann");
    EXPECT_EQ(list.Items()[1], "");
    list.Clear();
    EXPECT_TRUE(list.Items().empty());
}

TEST(LookupList, NonAsciiBytesCompareExactly) {
    TLookupList list;
    list.Add("\xc3\xa9t\xc3\xa9");  // "été" in UTF-8
    EXPECT_NE(list.Match("\xc3\xa9T"), nullptr);
    EXPECT_EQ(list.Match("\xc3\x89"), nullptr);  // "É": another byte sequence
}

}  // namespace
}  // namespace tkm
