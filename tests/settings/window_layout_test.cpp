#include "settings/window_layout.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

const std::string Section = "TKM\\TfrmMain.Window";

TEST(WindowLayout, WhatIsStoredComesBack) {
    TWindowLayout layout;
    layout.Place = TWindowLayout::TPlace{-8, 30, 1700, 900};
    layout.Maximized = true;
    layout.ColumnWidths = {40, 0, 120};
    TIniDocument ini;
    layout.StoreTo(ini, Section);
    TWindowLayout read;
    read.LoadFrom(TIniDocument::Parse(ini.Text()), Section);
    EXPECT_EQ(read.Place, layout.Place);
    EXPECT_TRUE(read.Maximized);
    EXPECT_EQ(read.ColumnWidths, layout.ColumnWidths);

    // A window stored without a place, as a first start leaves it, forgets the old one.
    layout.Place.reset();
    layout.StoreTo(ini, Section);
    read.LoadFrom(ini, Section);
    EXPECT_FALSE(read.Place);
}

// A hand-edited or damaged file: the values no window can have are left out.
TEST(WindowLayout, ImpossibleValuesAreNotTaken) {
    TWindowLayout layout;
    layout.LoadFrom(TIniDocument::Parse("[TKM\\TfrmMain.Window]\r\nLeft=10\r\nTop=10\r\nWidth=0\r\nHeight=400\r\n"
                                        "Column0=2\r\nColumn1=abc\r\nColumn2=90000\r\nColumn3=77\r\n"),
                    Section);
    EXPECT_FALSE(layout.Place);
    EXPECT_EQ(layout.ColumnWidths, (std::vector<int>{0, 0, 0, 77}));
    layout.LoadFrom(TIniDocument::Parse("[TKM\\TfrmMain.Window]\r\nLeft=10\r\nWidth=500\r\nHeight=400\r\n"), Section);
    EXPECT_FALSE(layout.Place);  // no Top
    layout.LoadFrom(TIniDocument(), Section);
    EXPECT_FALSE(layout.Place);
    EXPECT_FALSE(layout.Maximized);
    EXPECT_TRUE(layout.ColumnWidths.empty());
}

}  // namespace
}  // namespace tkm
