#include "tasks/open_macro.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using Paths = std::vector<std::string>;

// The documents a macro opens when every open succeeds.
Paths Opened(std::string_view macro) {
    Paths opened;
    RunOpenMacro(macro, [&](const std::string& path) {
        opened.push_back(path);
        return TDocumentOutcome{};
    });
    return opened;
}

TEST(OpenMacroTest, OnlyExactOpenLinesWithAQuoteNameADocument) {
    EXPECT_EQ(Opened(R"([Open("/lists/home.tkm")])"), Paths{"/lists/home.tkm"});
    EXPECT_EQ(Opened(R"([open("/lists/home.tkm")])"), Paths{});   // the command is case-sensitive
    EXPECT_EQ(Opened(R"( [Open("/lists/home.tkm")])"), Paths{});  // at the first character only
    EXPECT_EQ(Opened("[Open(/lists/a.tkm)]"), Paths{});            // no quotes
    EXPECT_EQ(Opened(""), Paths{});
    EXPECT_EQ(Opened("\r\n\n"), Paths{});
    // No closing quote: the whole rest of the line.
    EXPECT_EQ(Opened(R"([Open("/lists/my list.tkm)])"), Paths{"/lists/my list.tkm)]"});
    // Only the first pair of quotes counts.
    EXPECT_EQ(Opened(R"([Open("a.tkm","b.tkm")])"), Paths{"a.tkm"});
    EXPECT_EQ(Opened(R"([Open("")])"), Paths{""});
}

TEST(OpenMacroTest, AnActivateLineCarriesItsTokenAndOpensNothing) {
    const std::string macro = ActivateMacroLine("gnome-shell/Taskmere-1_TIME42") + "[Open(\"a.tkm\")]\r\n";
    EXPECT_EQ(ActivateMacroToken(macro), "gnome-shell/Taskmere-1_TIME42");
    EXPECT_EQ(Opened(macro), Paths{"a.tkm"});
    EXPECT_EQ(ActivateMacroToken(ActivateMacroLine("")), "");
    EXPECT_EQ(ActivateMacroToken("[Open(\"a.tkm\")]"), std::nullopt) << "a plain open brings nothing forward";
}

TEST(OpenMacroTest, LinesSplitAtEveryKindOfLineBreak) {
    EXPECT_EQ(Opened("[Open(\"a\")]\r\n[Open(\"b\")]\n[Open(\"c\")]\r[Open(\"d\")]\r\n"),
              (Paths{"a", "b", "c", "d"}));
    EXPECT_EQ(MacroLines("x\r\n\r\ny"), (Paths{"x", "", "y"}));
    EXPECT_EQ(MacroLines("x\n"), Paths{"x"});
}

TEST(OpenMacroTest, ACancelOrAFailureEndsTheRemainingLines) {
    for (const auto kind : {TDocumentOutcome::Cancelled, TDocumentOutcome::Failed}) {
        Paths opened;
        const TDocumentOutcome outcome =
            RunOpenMacro("[Open(\"a\")]\nskipped\n[Open(\"b\")]\n[Open(\"c\")]", [&](const std::string& path) {
                opened.push_back(path);
                return path == "b" ? TDocumentOutcome{kind, "why"} : TDocumentOutcome{};
            });
        EXPECT_EQ(opened, (Paths{"a", "b"}));
        EXPECT_EQ(outcome.Kind, kind);
    }
}

}  // namespace
}  // namespace tkm
