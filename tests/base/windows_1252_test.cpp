#include "base/windows_1252.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

TEST(Windows1252, CellsThatAreNotUtf8AreShownAsWindowsText) {
    std::string buffer;
    EXPECT_EQ(ShownAsUtf8("caf\xC3\xA9", buffer), "caf\xC3\xA9") << "UTF-8 stays";
    EXPECT_EQ(ShownAsUtf8("caf\xE9", buffer), "caf\xC3\xA9");
    EXPECT_EQ(ShownAsUtf8("\x80 \x9A\x9F\x81", buffer), "\xE2\x82\xAC \xC5\xA1\xC5\xB8\xC2\x81") << "euro, s caron, Y diaeresis, an undefined byte";
    for (const char* invalid : {"\xC0\xAF", "\xE0\x80\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xC3", "a\xA9"})
        EXPECT_FALSE(IsValidUtf8(invalid)) << invalid;
    EXPECT_TRUE(IsValidUtf8("\xF0\x9F\x98\x80 \xE2\x82\xAC"));
}

}  // namespace
}  // namespace tkm
