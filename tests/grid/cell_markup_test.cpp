#include "grid/cell_markup.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using Lines = std::vector<TMarkupLine>;

TEST(CellMarkup, WhichTextsAreMarkup) {
    EXPECT_TRUE(IsMarkupText("<B>urgent</B>"));
    EXPECT_TRUE(IsMarkupText("<I>maybe"));
    EXPECT_TRUE(IsMarkupText("a</font>"));
    EXPECT_FALSE(IsMarkupText("<b>lower case opening only"));
    EXPECT_FALSE(IsMarkupText("x < y and <U>"));
    EXPECT_FALSE(IsMarkupText("=<B>formula</B>"));
    EXPECT_FALSE(IsMarkupText(""));
}

TEST(CellMarkup, StylesNestAndCombine) {
    EXPECT_EQ(ParseMarkup("a <B>bold <i>both</I></b> <U>u</U><S>s</S>"),
              (Lines{{{"a ", 0, clNone},
                      {"bold ", fsBold, clNone},
                      {"both", fsBold | fsItalic, clNone},
                      {" ", 0, clNone},
                      {"u", fsUnderline, clNone},
                      {"s", fsStrikeOut, clNone}}}));
    EXPECT_EQ(ParseMarkup("<B><B>x</B>y</B>z</B>"),
              (Lines{{{"xy", fsBold, clNone}, {"z", 0, clNone}}}))
        << "a stray closing tag closes nothing";
    EXPECT_EQ(ParseMarkup("<STRONG>a</STRONG><EM>b</EM><STRIKE>c</STRIKE>"),
              (Lines{{{"a", fsBold, clNone}, {"b", fsItalic, clNone}, {"c", fsStrikeOut, clNone}}}));
}

TEST(CellMarkup, FontColoursStackAndReadEveryForm) {
    EXPECT_EQ(ParseMarkup("<FONT COLOR=\"#FF8000\">o<font color=clBlue>b</font>o</FONT>n"),
              (Lines{{{"o", 0, RGBColor(255, 128, 0)},
                      {"b", 0, RGBColor(0, 0, 255)},
                      {"o", 0, RGBColor(255, 128, 0)},
                      {"n", 0, clNone}}}));
    EXPECT_EQ(ParseMarkup("<FONT face='Arial' color = red>r</FONT>")[0][0].Color, RGBColor(255, 0, 0));
    EXPECT_EQ(ParseMarkup("<FONT COLOR=00FF00>g</FONT>")[0][0].Color, RGBColor(0, 255, 0));
    EXPECT_EQ(ParseMarkup("<FONT COLOR=\"#12\">k</FONT>")[0][0].Color, clNone) << "unreadable: unchanged";
    EXPECT_EQ(ParseMarkup("<FONT SIZE=2>k</FONT>")[0][0].Color, clNone);
}

TEST(CellMarkup, BreaksEntitiesAndWhatIsNoTag) {
    EXPECT_EQ(ParseMarkup("one<BR>two<br/>three</B>"),
              (Lines{{{"one", 0, clNone}}, {{"two", 0, clNone}}, {{"three", 0, clNone}}}));
    EXPECT_EQ(ParseMarkup("a\r\nb\nc</B>"), (Lines{{{"a b c", 0, clNone}}})) << "only <BR> breaks a line";
    EXPECT_EQ(ParseMarkup("&lt;B&gt; &amp; &quot;&#233;&#xE9;&euro;&nbsp;</B>")[0][0].Text,
              "<B> & \"\xC3\xA9\xC3\xA9\xE2\x82\xAC\xC2\xA0");
    EXPECT_EQ(ParseMarkup("&bogus; &amp &#0; &#xD800;</B>")[0][0].Text, "&bogus; &amp &#0; &#xD800;");
    EXPECT_EQ(ParseMarkup("x < 3, <3 and <B unclosed")[0][0].Text, "x < 3, <3 and <B unclosed");
    EXPECT_EQ(ParseMarkup("<P ALIGN=\"a>b\">text</P>"), (Lines{{{"text", 0, clNone}}}))
        << "unknown tags are left out, a quoted > included";
    EXPECT_EQ(ParseMarkup("</B>"), (Lines{{}}));
}

}  // namespace
}  // namespace tkm
