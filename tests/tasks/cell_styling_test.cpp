#include "tasks/cell_styling.h"

#include "task_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace tkm {
namespace {

using namespace tkm::testing;

constexpr TCellStyle Plain{clWindow, clWindowText, 0};
constexpr TCellStyle OverdueHigh{TaskColors::OverdueBackground, TaskColors::Red, fsBold};

// Row 1 overdue and high, row 2 not started and due later; the header row holds
// the same words as row 1, as a header line read from a file may.
TBaseGrid StyledTable() {
    const TLocaleFormats f = DayFirst();
    TBaseGrid grid = TableOf({{"a", "In Progress", "High", DaysFromToday(-1, f)},
                              {"b", "Not Started", "Normal", DaysFromToday(3, f)}});
    grid.SetCellText(colStatus, 0, "In Progress");
    grid.SetCellText(colPriority, 0, "High");
    grid.SetCellText(colDueDate, 0, DaysFromToday(-1, f));
    return grid;
}

TEST(CellStyler, FixedCellsArePreparedWithButtonFaceAndTheActiveHeaderIsBold) {
    TBaseGrid grid = StyledTable();
    grid.SetFixedCols(1);
    grid.SetCurrentCell(colDescription, 1);
    const TLocaleFormats f = DayFirst();
    const TCellStyler styler(grid, {.Today = PinnedToday, .Formats = f});
    EXPECT_EQ(styler.ScreenStyle(colStatus, 0), (TCellStyle{clBtnFace, clWindowText, 0}));
    EXPECT_EQ(styler.ScreenStyle(colDescription, 0), (TCellStyle{clBtnFace, clWindowText, fsBold, true}));
    // A fixed column of an entry starts from button face, then takes its row's rules.
    EXPECT_EQ(styler.ScreenStyle(0, 2), (TCellStyle{clBtnFace, TaskColors::Teal, 0}));
    EXPECT_EQ(styler.ScreenStyle(0, 1), OverdueHigh);
}

TEST(CellStyler, DataCellsStartFromTheWindowColourThenTakeTheirRowsRules) {
    const TBaseGrid grid = StyledTable();
    const TLocaleFormats f = DayFirst();
    const TCellStyler styler(grid, {.Today = PinnedToday, .Formats = f});
    // Rows in turn, then back: each row is read afresh, not taken from the one before.
    EXPECT_EQ(styler.ScreenStyle(colResources, 1), OverdueHigh);
    EXPECT_EQ(styler.ScreenStyle(colResources, 2), (TCellStyle{clWindow, TaskColors::Teal, 0}));
    EXPECT_EQ(styler.ScreenStyle(colNo, 1), OverdueHigh);
    EXPECT_EQ(styler.ScreenStyle(colResources, 3), Plain);  // below the table

    const TCellStyler otherDay(grid, {.Today = {2026, 12, 1}, .Formats = f});
    EXPECT_EQ(otherDay.ScreenStyle(colResources, 1), (TCellStyle{TaskColors::HighBackground, clWindowText, fsBold}));
}

TEST(CellStyler, PrintedCellsTakeTheRulesOnlyWithColourPrintingOn) {
    TBaseGrid grid = StyledTable();
    grid.SetCurrentCell(colStatus, 1);
    const TLocaleFormats f = DayFirst();
    const TCellStyler off(grid, {.Today = PinnedToday, .Formats = f, .ColorPrinting = false});
    const TCellStyler on(grid, {.Today = PinnedToday, .Formats = f, .ColorPrinting = true});
    const auto printed = [](const TCellStyler& styler, int row, TCellStyle prepared = Plain) {
        styler.ApplyPrintRules(row, prepared);
        return prepared;
    };
    for (int row : {0, 1, 2}) EXPECT_EQ(printed(off, row), Plain) << row;
    // The header prints in the table font on the window colour, like any cell.
    EXPECT_EQ(printed(on, 0), Plain);
    EXPECT_EQ(printed(on, 1), OverdueHigh);
    EXPECT_EQ(printed(on, 2), (TCellStyle{clWindow, TaskColors::Teal, 0}));
    // The rules change only what they name: a not-started entry keeps the
    // table font's italic; without colour printing nothing changes.
    const TCellStyle italicBlue{clWindow, RGBColor(0, 0, 0xFF), fsItalic};
    EXPECT_EQ(printed(on, 2, italicBlue), (TCellStyle{clWindow, TaskColors::Teal, fsItalic}));
    for (int row : {0, 1, 2}) EXPECT_EQ(printed(off, row, italicBlue), italicBlue) << row;
}

TEST(CellStyler, AGridWithoutTheTaskColumnsKeepsThePreparedLook) {
    TBaseGrid grid(3, 3);
    grid.SetFixedCols(0);
    grid.SetCellText(2, 1, "Completed");
    const TLocaleFormats f = DayFirst();
    const TCellStyler styler(grid, {.Today = PinnedToday, .Formats = f});
    EXPECT_EQ(styler.ScreenStyle(2, 1), Plain);
    TCellStyle printed = Plain;
    styler.ApplyPrintRules(1, printed);
    EXPECT_EQ(printed, Plain);
}

// Hue in degrees; greys have none.
double HueOf(TColor c) {
    const double r = RedOf(c), g = GreenOf(c), b = BlueOf(c);
    const double high = std::max({r, g, b}), low = std::min({r, g, b});
    if (high == low) return -1;
    const double span = high - low;
    const double h = high == r ? std::fmod((g - b) / span, 6.0) : high == g ? (b - r) / span + 2 : (r - g) / span + 4;
    return h < 0 ? h * 60 + 360 : h * 60;
}

TEST(CellStyler, OnADarkWindowEveryRowIsDrawnInTwinsOfTheSameHueThatStayReadable) {
    for (const TaskColors::TColorTwin& twin : TaskColors::DarkTwins) {
        const double light = HueOf(twin.Light), dark = HueOf(twin.Dark);
        EXPECT_EQ(light < 0, dark < 0);
        if (light >= 0) EXPECT_LT(std::abs(light - dark), 6.0) << std::hex << twin.Light;
    }
    const TLocaleFormats f = DayFirst();
    std::vector<TEntry> entries;
    for (const std::string_view status : TaskTable::StatusVocabulary)
        for (const std::string_view priority : TaskTable::PriorityVocabulary)
            for (const long long due : {-1, 0, 2})
                entries.push_back({"x", std::string(status), std::string(priority), DaysFromToday(due, f)});
    const TBaseGrid grid = TableOf(entries);
    const TCellStyler light(grid, {.Today = PinnedToday, .Formats = f});
    const TCellStyler dark(grid, {.Today = PinnedToday, .Formats = f, .DarkWindow = true});
    for (const TColor window : {RGBColor(0, 0, 0), RGBColor(0x2A, 0x2A, 0x2A), RGBColor(0x40, 0x40, 0x40)}) {
        TColorScheme scheme;
        scheme.SetRole(TSystemColor::Window, window);
        scheme.SetRole(TSystemColor::WindowText, clWhite);
        ASSERT_TRUE(scheme.IsDark());
        for (int row = 1; row < grid.RowCount(); ++row) {
            const TCellStyle look = scheme.Resolve(dark.ScreenStyle(colDescription, row));
            EXPECT_GE(ContrastRatio(look.FontColor, look.Brush), 4.5) << row << " on " << std::hex << window;
            // A row with a background of its own keeps standing out from the window.
            if (light.ScreenStyle(colDescription, row).Brush != clWindow) EXPECT_NE(look.Brush, window) << row;
            EXPECT_EQ(look.FontStyles, light.ScreenStyle(colDescription, row).FontStyles);
        }
    }
    // Paper keeps the light colours whatever the screen is.
    TCellStyle printed = Plain;
    dark.ApplyPrintRules(1, printed);
    EXPECT_EQ(printed, (TCellStyle{TaskColors::OverdueBackground, TaskColors::Teal, fsBold}));
    EXPECT_FALSE(TColorScheme::Classic().IsDark());
}

}  // namespace
}  // namespace tkm
