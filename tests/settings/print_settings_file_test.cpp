#include "settings/print_settings_file.h"

#include "base/errors.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace tkm {
namespace {

using test::ReadBytes;
using test::TTempFolder;
using test::WriteBytes;

// Every stored field away from its default, a title of two lines among them.
TPrintSettings Unusual() {
    TPrintSettings s = TPrintSettings::TaskGrid();
    s.ColumnSpacing = 7;
    s.RowSpacing = 8;
    s.TitleSpacing = 9;
    s.FixedHeight = 11;
    s.FixedWidth = 12;
    s.Centered = false;
    s.NoAutoSize = true;
    s.UseFixedHeight = true;
    s.UseFixedWidth = true;
    s.RepeatFixedCols = true;
    s.Borders = pbAroundHorizontal;
    s.BorderStyle = psDashDotDot;
    s.Date = ppTopLeft;
    s.Time = ppBottomCenter;
    s.DateFormat = "yyyy-mm-dd";
    s.FooterSize = 150;
    s.HeaderSize = 160;
    s.LeftSize = 25;
    s.RightSize = 30;
    s.FitToPage = fpShrink;
    s.Font = {"Courier New", 12, 1 | 2, RGBColor(0, 0, 128)};
    s.HeaderFont = {"Times New Roman", 14, 4, clWindowText};
    s.FooterFont = {"Arial", 8, 8, RGBColor(255, 0, 0)};
    s.PageNumSep = " of ";
    s.PagePrefix = "Page";
    s.PageSuffix = ".";
    s.Orientation = TPrintOrientation::Portrait;
    s.TitleLines = {"Weekly plan", "Kitchen"};
    return s;
}

TEST(PrintSettingsFile, SavedSettingsLoadBackIdenticalWithTheKeysInTheirOrder) {
    const TTempFolder folder;
    const TPrintSettings saved = Unusual();
    SavePrintSettingsFile(saved, folder.File("plan.ini"));
    const std::string text = ReadBytes(folder.File("plan.ini"));
    EXPECT_EQ(text.rfind("[PRINTSETTINGS]\r\nColumnSpacing=7\r\nRowSpacing=8\r\nTitleSpacing=9\r\n", 0), 0u);
    EXPECT_NE(text.find("Centered=N\r\nNoAutoSize=Y\r\n"), std::string::npos);
    EXPECT_NE(text.find("FontName=Courier New\r\nFontSize=12\r\nFontStyle=3\r\nFontColor=8388608\r\n"),
              std::string::npos);
    EXPECT_NE(text.find("PageNumSep=\" of \"\r\n"), std::string::npos);
    EXPECT_NE(text.find("Orientation=0\r\nTitleLines=Weekly plan\\nKitchen\\n\r\n"), std::string::npos);
    EXPECT_EQ(text.find("JobName"), std::string::npos);

    TPrintSettings loaded;  // fonts plain, so the style bits added are the saved ones
    loaded.PrintGraphics = saved.PrintGraphics;
    loaded.JobName = saved.JobName;
    LoadPrintSettingsFile(folder.File("plan.ini"), loaded);
    EXPECT_EQ(loaded, saved);

    // Saved again over itself: the same text.
    SavePrintSettingsFile(loaded, folder.File("plan.ini"));
    EXPECT_EQ(ReadBytes(folder.File("plan.ini")), text);
}

TEST(PrintSettingsFile, AHandWrittenFileGetsTheFileDefaultsAndItsOutOfRangeRules) {
    const TTempFolder folder;
    WriteBytes(folder.File("hand.ini"),
               "[PrintSettings]\nBorders=9\nBorderStyle=2\nFitToPage=-1\nOrientation=5\nDate=7\nTitle=3\n"
               "NoAutoSize=y\nHeaderFontStyle=2\nTitleLines=One\\nTwo\n");
    TPrintSettings s = Unusual();
    s.HeaderFont.Styles = 1;
    LoadPrintSettingsFile(folder.File("hand.ini"), s);
    EXPECT_TRUE(s.Centered);  // missing: "Y"
    EXPECT_FALSE(s.NoAutoSize);  // only exactly "Y" is true
    EXPECT_FALSE(s.UseFixedWidth);
    EXPECT_EQ(s.ColumnSpacing, 20);
    EXPECT_EQ(s.LeftSize, 100);
    EXPECT_EQ(s.Borders, pbAroundHorizontal);  // out of range: unchanged
    EXPECT_EQ(s.BorderStyle, psDot);
    EXPECT_EQ(s.FitToPage, fpShrink);
    EXPECT_EQ(s.Orientation, TPrintOrientation::Portrait);
    EXPECT_EQ(s.Date, ppNone);  // a position out of range is none
    EXPECT_EQ(s.Title, ppTopCenter);
    EXPECT_EQ(s.Time, ppNone);  // missing
    EXPECT_EQ(s.HeaderFont.Styles, 1 | 2);  // styles are only added
    EXPECT_EQ(s.Font, (TPrintFont{"Arial", 10, 1 | 2, 0}));
    EXPECT_EQ(s.DateFormat, "");
    EXPECT_EQ(s.TitleLines, (std::vector<std::string>{"One", "Two"}));

    EXPECT_THROW(LoadPrintSettingsFile(folder.File("missing.ini"), s), EGridFileError);
}

// Values no form could give: before, a font size of 2147483647 overflowed the
// print layout and a bare CR loaded into a text that could not be saved again.
TEST(PrintSettingsFile, AHostileFileLoadsAsSettingsThatPrintAndSaveAgain) {
    const TTempFolder folder;
    WriteBytes(folder.File("hostile.ini"),
               "[PRINTSETTINGS]\nFontSize=2147483647\nHeaderFontSize=-12\nFooterFontSize=0\nLeftSize=-5\n"
               "ColumnSpacing=99999999\nRowSpacing=0x7fffffff\nPageNumSep=of\r/\nTitleLines=One\rTwo\\n\n"
               "FontName=Arial\r\r\n");
    TPrintSettings s = TPrintSettings::TaskGrid();
    LoadPrintSettingsFile(folder.File("hostile.ini"), s);
    EXPECT_EQ(s.Font.PointSize, 1000);
    EXPECT_EQ(s.HeaderFont.PointSize, 1);
    EXPECT_EQ(s.FooterFont.PointSize, 1);
    EXPECT_EQ(s.LeftSize, 0);
    EXPECT_EQ(s.ColumnSpacing, 10000);
    EXPECT_EQ(s.RowSpacing, 10000);
    EXPECT_EQ(s.PageNumSep, "of /");
    EXPECT_EQ(s.TitleLines, std::vector<std::string>{"One Two"});
    EXPECT_EQ(s.Font.Family, "Arial ");

    SavePrintSettingsFile(s, folder.File("hostile.ini"));
    TPrintSettings reloaded = TPrintSettings::TaskGrid();
    LoadPrintSettingsFile(folder.File("hostile.ini"), reloaded);
    EXPECT_EQ(reloaded, s);
}

std::string LoadFailure(const std::string& fileName) {
    TPrintSettings s = TPrintSettings::TaskGrid();
    try {
        LoadPrintSettingsFile(fileName, s);
    } catch (const EGridFileError& e) {
        return e.FullMessage();
    }
    return "loaded";
}

TEST(PrintSettingsFile, WhatIsNotARegularFileIsRefusedAsSuch) {
    const TTempFolder folder;
    const std::string fifo = folder.File("pipe.ini");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& name : {fifo, folder.Path().string(), std::string("/dev/null")})
        EXPECT_EQ(LoadFailure(name), "Cannot open file " + name + ": not a regular file");
    const std::string missing = folder.File("missing.ini");
    EXPECT_EQ(LoadFailure(missing), "Cannot open file " + missing + ": No such file");
}

TEST(PrintSettingsFile, OnlyANameWithoutAnyDotChosenWithTheIniFilterGetsTheExtension) {
    EXPECT_EQ(WithIniExtension("/home/u/plan", 1), "/home/u/plan.ini");
    EXPECT_EQ(WithIniExtension("/home/u/plan", 2), "/home/u/plan");
    EXPECT_EQ(WithIniExtension("/home/u/plan.cfg", 1), "/home/u/plan.cfg");
    EXPECT_EQ(WithIniExtension("/home/u.v/plan", 1), "/home/u.v/plan.ini");
}

}  // namespace
}  // namespace tkm
