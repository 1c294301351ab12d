#include "base/translatable.h"

#include "base/errors.h"

#include <gtest/gtest.h>

#include <string>

namespace tkm {
namespace {

TEST(FillTextTest, PutsTheArgumentsWhereTheirNumbersStandInAnyOrder) {
    EXPECT_EQ(FillText("Save the %1 shown? No saves all %2.", {"3 entries", "5 entries"}),
              "Save the 3 entries shown? No saves all 5 entries.");
    EXPECT_EQ(FillText("%2 vor %1", {"a", "b"}), "b vor a");
    EXPECT_EQ(FillText("%1%1", {"x"}), "xx");
    // An argument holding a placeholder is not filled again.
    EXPECT_EQ(FillText("%1 and %2", {"%2", "b"}), "%2 and b");
}

TEST(FillTextTest, LeavesAPercentWithoutItsArgumentAsItIs) {
    EXPECT_EQ(FillText("100% done", {}), "100% done");
    EXPECT_EQ(FillText("%3 of %1", {"a"}), "%3 of a");
    EXPECT_EQ(FillText("ends in %", {"a"}), "ends in %");
    EXPECT_EQ(FillText("%0 %a", {"a"}), "%0 %a");
}

// The window's translator is installed for the test only: every other test,
// and tkm, get the English texts as written.
class TranslatorTest : public ::testing::Test {
protected:
    static std::string Shouting(const char* context, const char* text) {
        return std::string(context) + ":" + std::string(text) + "!";
    }
    void TearDown() override { SetTextTranslator(nullptr); }
};

TEST_F(TranslatorTest, CoreMessagesAreEnglishUntilATranslatorIsInstalled) {
    EXPECT_EQ(CannotOpenFileText("/tmp/a.tkm"), "Cannot open file /tmp/a.tkm");
    SetTextTranslator(&Shouting);
    EXPECT_EQ(CannotOpenFileText("/tmp/a.tkm"), "Files:Cannot open file /tmp/a.tkm!");
    SetTextTranslator(nullptr);
    EXPECT_EQ(CannotCreateFileText("b"), "Cannot Create file b");
}

}  // namespace
}  // namespace tkm
