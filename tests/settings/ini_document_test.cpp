#include "settings/ini_document.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tkm {
namespace {

TEST(IniDocumentReading, NamesIgnoreCaseAndValuesLoseBlanksAndQuotes) {
    const TIniDocument ini = TIniDocument::Parse(
        "; settings\n[Main]\n  Path =  /home/ann/list.tkm  \r\nquoted=\"  two blanks  \"\nsingle='x'\n"
        "unmatched=\"x'\nempty=\nkey=first\nKEY=second\n[main]\nkey=other section\n");
    EXPECT_EQ(ini.ReadString("MAIN", "path", "-"), "/home/ann/list.tkm");
    EXPECT_EQ(ini.ReadString("main", "quoted", "-"), "  two blanks  ");
    EXPECT_EQ(ini.ReadString("main", "single", "-"), "x");
    EXPECT_EQ(ini.ReadString("main", "unmatched", "-"), "\"x'");
    EXPECT_EQ(ini.ReadString("main", "empty", "-"), "");
    EXPECT_EQ(ini.ReadString("main", "key", "-"), "first");
    EXPECT_EQ(ini.ReadString("main", "missing", "fallback"), "fallback");
    EXPECT_EQ(ini.ReadString("other", "key", "fallback"), "fallback");
    EXPECT_TRUE(ini.SectionExists("MaIn"));
}

TEST(IniDocumentReading, Integers) {
    const TIniDocument ini = TIniDocument::Parse(
        "[n]\na=42\nb=-7\nc=0x1F\nd=$ff\ne=12abc\nf=99999999999\ng=--5\nh=\ni=-2147483648\nj= +3 \n");
    EXPECT_EQ(ini.ReadInteger("n", "a", 0), 42);
    EXPECT_EQ(ini.ReadInteger("n", "b", 0), -7);
    EXPECT_EQ(ini.ReadInteger("n", "c", 0), 31);
    EXPECT_EQ(ini.ReadInteger("n", "d", 0), 255);
    for (const char* bad : {"e", "f", "g", "h", "missing"}) EXPECT_EQ(ini.ReadInteger("n", bad, -1), -1) << bad;
    EXPECT_EQ(ini.ReadInteger("n", "i", 0), -2147483647 - 1);
    EXPECT_EQ(ini.ReadInteger("n", "j", 0), 3);
}

TEST(IniDocumentWriting, NewSectionsAreSetOffByABlankLine) {
    TIniDocument ini;
    ini.WriteInteger("TKM", "FormVersion", 0);
    ini.WriteString("TKM\\TfrmMain.mruMain", "Item_0", "/lists/home.tkm");
    ini.WriteString("TKM\\TfrmMain.mruMain", "Item_1", "/lists/work.tkm");
    EXPECT_EQ(ini.Text(),
              "[TKM]\r\nFormVersion=0\r\n\r\n[TKM\\TfrmMain.mruMain]\r\nItem_0=/lists/home.tkm\r\nItem_1=/lists/work.tkm\r\n");
    EXPECT_TRUE(ini.Modified());
}

TEST(IniDocumentWriting, ChangesKeepTheRestOfTheFile) {
    TIniDocument ini = TIniDocument::Parse("; mine\r\n[a]\r\nx=1\r\n; note\r\n\r\n[b]\r\ny=2\r\n\r\n[c]\r\nz=3\r\n");
    EXPECT_FALSE(ini.Modified());
    ini.WriteString("A", "X", "one");
    ini.WriteString("a", "w", "new");
    ini.DeleteKey("c", "z");
    ini.DeleteKey("c", "nothing");
    ini.EraseSection("B");
    EXPECT_EQ(ini.Text(), "; mine\r\n[a]\r\nX=one\r\n; note\r\nw=new\r\n\r\n[c]\r\n");
}

TEST(IniDocumentWriting, ValuesComeBackUnchanged) {
    TIniDocument ini;
    for (const std::string value : {"\"quoted\"", "'single'", " lead", "trail ", "\"", "'a\"", "x=y", "", "\xff"}) {
        ini.WriteString("s", "k", value);
        EXPECT_EQ(TIniDocument::Parse(ini.Text()).ReadString("s", "k", "-"), value) << ini.Text();
    }
    EXPECT_EQ(ini.Text().find("\"\"quoted\"\""), std::string::npos);  // the last write replaced the first
}

TEST(IniDocumentWriting, RefusesWhatALineCannotHold) {
    TIniDocument ini;
    EXPECT_THROW(ini.WriteString("s", "k", "two\nlines"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("s", "a=b", "v"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("s]", "k", "v"), std::invalid_argument);
    EXPECT_THROW(ini.WriteString("s", "", "v"), std::invalid_argument);
    EXPECT_EQ(ini.Text(), "");
}

}  // namespace
}  // namespace tkm
