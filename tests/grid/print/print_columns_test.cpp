#include "base/translatable.h"
#include "grid/print/print_engine.h"
#include "print_test_support.h"
#include "tasks/cell_styling.h"
#include "tasks/task_list_print.h"
#include "tasks/task_table.h"
#include "tasks/task_test_support.h"

namespace tkm::testing {
namespace {

using PrintColumnsTest = PrintTest;

std::vector<int> Widths(const std::vector<TPrintRect>& cells, std::size_t cols) {
    std::vector<int> widths;
    for (std::size_t c = 0; c < cols; ++c) widths.push_back(cells[c].Right - cells[c].Left);
    return widths;
}

TEST_F(PrintColumnsTest, ColumnsAreAsWideAsTheirWidestTextPlusPadding) {
    Fill({"No", "Description", ""}, 2);
    grid.SetCellText(2, 1, "");
    grid.SetCellText(2, 2, "");
    const auto canvas = PreviewOf(1);
    // "r1c0" 4 bytes, "Description" 11, and an all-empty column measures "gh".
    EXPECT_EQ(Widths(CellsOn(canvas, 1), 3), (std::vector<int>{60 + 20, 165 + 20, 30 + 20}));
    EXPECT_EQ(CellsOn(canvas, 1)[0].Left, 25);
    EXPECT_EQ(Find(canvas, "Description")->X, 25 + 80 + 15);

    settings.ColumnSpacing = 10;
    EXPECT_EQ(Widths(CellsOn(PreviewOf(1), 1), 3), (std::vector<int>{90, 195, 60}));

    settings.UseFixedWidth = true;  // no padding either
    settings.FixedWidth = 300;
    EXPECT_EQ(Widths(CellsOn(PreviewOf(1), 1), 3), (std::vector<int>{300, 300, 300}));

    settings.UseFixedWidth = false;
    settings.NoAutoSize = true;
    engine.SetScreenDpi(96);
    grid.SetColWidth(0, 100);  // (100 - 4) pixels at 96 dpi
    EXPECT_EQ(CellsOn(PreviewOf(1), 1)[0].Right - 25, 254 + 30);
}

TEST_F(PrintColumnsTest, ACellWithLineBreaksIsMeasuredAndPrintedLineByLine) {
    Fill({"No", "Description"}, 2);
    grid.SetCellText(1, 1, "Line one\r\nLine two, longer\r\nLine three");
    grid.SetCellText(1, 2, "a\nb");
    for (const bool screenWidths : {false, true}) {
        settings.NoAutoSize = screenWidths;
        const auto canvas = PreviewOf(1);
        // Three lines of 31: 93 + 93 / 8 + 2 gaps.
        const int firstLine = TopBlock + RowPitch;
        for (const auto& [line, index] : {std::pair{"Line one", 0}, {"Line two, longer", 1}, {"Line three", 2}}) {
            const auto* text = Find(canvas, line);
            ASSERT_NE(text, nullptr) << line;
            EXPECT_EQ(text->Y, firstLine + index * 31) << line;
        }
        EXPECT_EQ(Find(canvas, "r2c0")->Y, firstLine + 93 + 11 + 6);
        EXPECT_EQ(Find(canvas, "b")->Y, firstLine + 93 + 11 + 6 + 31);
        for (const auto& text : canvas.Texts) EXPECT_EQ(text.Text.find_first_of("\r\n"), std::string::npos);
        // The widest line, 16 bytes, not the whole text.
        if (!screenWidths) EXPECT_EQ(Widths(CellsOn(canvas, 1), 2)[1], 16 * 15 + 20);
    }
}

TEST_F(PrintColumnsTest, ABoldCellIsMeasuredAndPrintedBold) {
    Fill({"No", "Description"}, 1);
    engine.SetOnGetCellPrintColor([](int, int row, TCellStyle& style) {
        if (row == 0) style.FontStyles = fsBold;
    });
    const auto canvas = PreviewOf(1);
    EXPECT_EQ(Widths(CellsOn(canvas, 1), 2)[1], 11 * 16 + 20);
    EXPECT_TRUE(Find(canvas, "Description")->Font.Styles & fsBold);
    EXPECT_FALSE(Find(canvas, "r1c1")->Font.Styles & fsBold);
}

TEST_F(PrintColumnsTest, TaskColourRulesPrintOnlyWithColourPrinting) {
    const TBaseGrid tasks = TableOf({{"pay rent", "In Progress", "High", DaysFromToday(-1, formats)}});
    TPrintEngine taskEngine{tasks, settings, scheme, formats, clock};
    for (const bool colors : {true, false}) {
        const TCellStyler styler(tasks, {PinnedToday, formats, colors});
        taskEngine.SetOnGetCellPrintColor([&](int, int row, TCellStyle& style) { styler.ApplyPrintRules(row, style); });
        RecordingCanvas canvas;
        taskEngine.DrawPreview(canvas, Page);
        const auto* text = Find(canvas, "pay rent");
        ASSERT_NE(text, nullptr);
        EXPECT_EQ(bool(text->Font.Styles & fsBold), colors);
        EXPECT_EQ(text->Font.Color, colors ? RGBColor(0xFF, 0, 0) : clBlack);
        const auto entry = std::find_if(canvas.Fills.begin(), canvas.Fills.end(),
                                        [](const auto& f) { return f.Rect.Top > TopBlock; });
        EXPECT_EQ(entry->Color, colors ? RGBColor(0xEF, 0xE9, 0xE0) : clWhite);
        // The headers print in plain window text on white.
        EXPECT_EQ(Find(canvas, "Status")->Font.Color, clBlack);
        EXPECT_EQ(canvas.Fills.front().Color, clWhite);
    }
}

// The page is read as the window is: its headings, statuses and priorities
// print translated, and are measured as printed.
TEST_F(PrintColumnsTest, TheTaskListPrintsItsOwnWordsTranslated) {
    SetTextTranslator([](const char* context, const char* text) { return context + std::string(":") + text; });
    const TBaseGrid tasks = TableOf({{"High", "In Progress", "High", ""}});
    TTaskListPrint print(tasks, settings, scheme, formats, clock, false);
    RecordingCanvas canvas;
    print.Engine().DrawPreview(canvas, Page);
    SetTextTranslator(nullptr);
    for (const char* printed : {"Columns:Status", "Vocabulary:In Progress", "Vocabulary:High", "High"})
        EXPECT_NE(Find(canvas, printed), nullptr) << printed;
    EXPECT_EQ(Find(canvas, "In Progress"), nullptr);
    EXPECT_EQ(Widths(CellsOn(canvas, 1), 3)[colStatus], 22 * 15 + 20);
    EXPECT_EQ(tasks.GetCellText(colStatus, 1), "In Progress");
}

TEST_F(PrintColumnsTest, TheTableFontsStyleAndColourPrintWhereNoRuleChangesThem) {
    const TBaseGrid tasks = TableOf({{"pay rent", "In Progress", "High", DaysFromToday(-1, formats)},
                                     {"water plants", "In Progress", "Normal", DaysFromToday(2, formats)}});
    settings.Font.Styles = fsBold | fsItalic;
    settings.Font.Color = RGBColor(0, 0, 0xFF);
    for (const bool colors : {true, false}) {
        TTaskListPrint print(tasks, settings, scheme, formats, clock, colors);
        RecordingCanvas canvas;
        print.Engine().DrawPreview(canvas, Page);
        for (const char* unchanged : {"Status", "water plants"}) {
            const auto* text = Find(canvas, unchanged);
            ASSERT_NE(text, nullptr) << unchanged;
            EXPECT_EQ(text->Font.Styles, fsBold | fsItalic) << unchanged << colors;
            EXPECT_EQ(text->Font.Color, RGBColor(0, 0, 0xFF)) << unchanged << colors;
        }
        // An overdue entry's rule sets its own style and colour.
        const auto* overdue = Find(canvas, "pay rent");
        EXPECT_EQ(overdue->Font.Styles, colors ? fsBold : fsBold | fsItalic);
        EXPECT_EQ(overdue->Font.Color, colors ? RGBColor(0xFF, 0, 0) : RGBColor(0, 0, 0xFF));
    }
}

TEST_F(PrintColumnsTest, CenteredTablesAndFixedColumnsRepeatedOnEveryPageWidth) {
    Fill({"No", "Status"}, 1);
    settings.Centered = true;
    auto cells = CellsOn(PreviewOf(1), 1);
    EXPECT_EQ(cells[0].Left, (2000 - 190) / 2);  // the margin plays no part
    EXPECT_EQ(cells[1].Left, (2000 - 190) / 2 + 80);

    settings.Centered = false;
    settings.RepeatFixedCols = true;
    grid.SetFixedCols(1);
    const std::string wide(150, 'w');
    Fill({"No", "Task", wide}, 1);
    const auto canvas = PreviewOf(2);
    cells = CellsOn(canvas, 1);
    EXPECT_EQ(cells[0], (TPrintRect{25, TopBlock, 25 + 80, TopBlock + RowPitch}));
    EXPECT_EQ(cells[1], (TPrintRect{25 + 80, TopBlock, 2000, TopBlock + RowPitch}));
    EXPECT_NE(Find(canvas, "No"), nullptr);
    EXPECT_EQ(Find(canvas, "Task"), nullptr);
}

TEST_F(PrintColumnsTest, HiddenColumnsLeaveNoGap) {
    Fill({"No", "Secret", "Task"}, 1);
    grid.HideColumn(1);
    const auto canvas = PreviewOf(1);
    EXPECT_EQ(Find(canvas, "Secret"), nullptr);
    EXPECT_EQ(Find(canvas, "r1c1"), nullptr);
    const auto cells = CellsOn(canvas, 1);
    ASSERT_EQ(cells.size(), 4u);
    EXPECT_EQ(cells[1].Left, cells[0].Right);
    EXPECT_EQ(Find(canvas, "Task")->X, cells[0].Right + 15);
}

TEST_F(PrintColumnsTest, FitToPageShrinksWideColumnsAndTheirFonts) {
    Fill({std::string(100, 'x'), std::string(100, 'y')}, 1);
    settings.FitToPage = fpShrink;
    auto canvas = PreviewOf(1);
    // (2000 - (25 + 25 + 40)) / (3040 - 40) of 1500 each.
    EXPECT_EQ(Widths(CellsOn(canvas, 1), 2), (std::vector<int>{955 + 20, 955 + 20}));
    EXPECT_EQ(Find(canvas, std::string(100, 'x'))->Font.Height, 20);
    EXPECT_EQ(engine.PreviewPageCount(), 1);

    Fill({"a", "b"}, 1);  // already fits: shrink leaves it alone, grow widens it
    EXPECT_EQ(Widths(CellsOn(PreviewOf(1), 1), 2), (std::vector<int>{80, 80}));
    settings.FitToPage = fpGrow;
    canvas = PreviewOf(1);
    EXPECT_EQ(Widths(CellsOn(canvas, 1), 2), (std::vector<int>{955 + 20, 955 + 20}));
    EXPECT_GT(Find(canvas, "a")->Font.Height, 31);
}

TEST_F(PrintColumnsTest, EachDistinctTextIsMeasuredAboutOncePerFont) {
    // Recurring statuses among descriptions that never recur: the descriptions
    // must not push the statuses out of the measuring table.
    const int entries = 40000;
    grid.SetColCount(3);
    grid.SetRowCount(entries + 1);
    for (int r = 1; r <= entries; ++r) {
        grid.SetCellText(0, r, r % 2 ? "Pending" : "Completed");
        grid.SetCellText(1, r, r % 3 ? "Normal" : "");
        grid.SetCellText(2, r, "task " + std::to_string(r));
    }
    RecordingCanvas canvas;
    EXPECT_GT(engine.CountPages(canvas, Page), 1);
    // Each description once, and a handful for the headers, fonts and statuses.
    EXPECT_LT(canvas.ExtentCalls, entries + 10);
}

}  // namespace
}  // namespace tkm::testing
