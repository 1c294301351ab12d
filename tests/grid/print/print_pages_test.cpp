#include "grid/print/print_engine.h"
#include "print_test_support.h"
#include "support/recording_progress.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>

namespace tkm::testing {
namespace {

using PrintPagesTest = PrintTest;

TEST_F(PrintPagesTest, HeaderOnlyTablePrintsOnePageNumberedWithoutSeparator) {
    Fill({"No", "Status", "Task"}, 0);
    RecordingPrinter printer;
    printer.Area = {4000, 2000, 508, 508};  // the same 2000 x 1000 page at twice the resolution
    settings.JobName = "Taskmere";
    engine.Print(printer);

    EXPECT_EQ(printer.Orientation, TPrintOrientation::Landscape);
    EXPECT_EQ(printer.JobName, "Taskmere");
    EXPECT_TRUE(printer.Begun && printer.Ended && !printer.Aborted);
    EXPECT_EQ(printer.canvas.Page, 1);
    ASSERT_EQ(DecorationsOn(printer.canvas, 1), std::vector<std::string>{"  1 "});
    const auto* number = Find(printer.canvas, "  1 ");
    EXPECT_EQ(number->X, 2000 - 4 * 15 - 25 - 20);  // ends at the right margin, 2 mm in
    EXPECT_EQ(number->Y, 1000 - (3 + 31));
    EXPECT_EQ(number->Font.Height, 31);
    EXPECT_NE(Find(printer.canvas, "Status"), nullptr);

    // Without a job name of its own the job takes the document's.
    settings.JobName.clear();
    engine.SetDocumentName("kitchen");
    engine.Print(printer);
    EXPECT_EQ(printer.JobName, "kitchen");
}

TEST_F(PrintPagesTest, TopBlockIsKeptForTheTitlePositionEvenWithoutTitle) {
    Fill({"No", "Status", "Task"}, 2);
    auto canvas = PreviewOf(1);
    EXPECT_EQ(CellsOn(canvas, 1).front().Top, TopBlock);
    for (const auto& t : canvas.Texts) EXPECT_GE(t.Y, TopBlock) << t.Text;

    settings.TitleLines = {"Weekly", "plan", "draft"};  // two further lines of header text
    canvas = PreviewOf(1);
    EXPECT_EQ(CellsOn(canvas, 1).front().Top, TopBlock + 2 * 35);
    EXPECT_EQ(Find(canvas, "draft")->Y, 2 * 35);
    EXPECT_EQ(Find(canvas, " Weekly")->Y, 0);

    settings.Title = ppNone;
    settings.HeaderSize = 50;
    EXPECT_EQ(CellsOn(PreviewOf(1), 1).front().Top, 50);
}

TEST_F(PrintPagesTest, ABottomTitleOfSeveralLinesStaysOnThePage) {
    Fill({"No"}, 40);
    settings.Title = ppBottomLeft;
    settings.PageNr = ppBottomRight;
    settings.TitleLines = {"Weekly", "plan", "draft"};
    const auto canvas = PreviewOf(1);
    const int footerLine = 1000 - (3 + 31);
    EXPECT_EQ(Find(canvas, "Weekly ")->Y, footerLine - 2 * 31);
    EXPECT_EQ(Find(canvas, "draft")->Y, footerLine);
    EXPECT_EQ(Find(canvas, "draft")->X, 25);
    EXPECT_EQ(Find(canvas, "  1/2 ")->Y, footerLine);
    // The rows stop above the footer block and its two further lines.
    EXPECT_LE(CellsOn(canvas, 1).back().Top + 31, 1000 - (2 * (3 + 31) + 2 * 31));
    EXPECT_LT(CellsOn(canvas, 1).back().Bottom, Find(canvas, "Weekly ")->Y);
}

TEST_F(PrintPagesTest, RowsBreakOverPagesWithTheHeaderRepeatedFromPageTwo) {
    Fill({"No", "Status", "Task"}, 50);
    auto canvas = PreviewOf(1);
    // Page 1 holds 22 rows: the next would reach into the footer block.
    EXPECT_EQ(engine.PreviewPageCount(), 3);
    EXPECT_EQ(CellsOn(canvas, 1).size(), 22u * 3);
    EXPECT_EQ(CellsOn(canvas, 1).back().Bottom, TopBlock + 22 * RowPitch);
    EXPECT_EQ(Find(canvas, "r21c0")->Y, TopBlock + 21 * RowPitch);

    canvas = PreviewOf(2);
    EXPECT_EQ(Find(canvas, "No")->Y, TopBlock);
    EXPECT_EQ(Find(canvas, "r22c0")->Y, TopBlock + RowPitch);
    EXPECT_EQ(Find(canvas, "r21c0"), nullptr);
    EXPECT_EQ(Find(canvas, "r43c0"), nullptr);

    canvas = PreviewOf(9);  // past the end: the last page
    EXPECT_EQ(engine.PreviewPage(), 3);
    EXPECT_NE(Find(canvas, "r43c0"), nullptr);

    settings.RepeatFixedRows = false;
    canvas = PreviewOf(2);
    EXPECT_EQ(Find(canvas, "No"), nullptr);
    EXPECT_EQ(Find(canvas, "r22c0")->Y, TopBlock);
}

TEST_F(PrintPagesTest, TurningThePreviewMeasuresNoCellAgainUntilTheTableSettingsOrPageChange) {
    Fill({"No", "Status", "Task"}, 50);
    PreviewOf(1);
    const auto turned = PreviewOf(2);
    EXPECT_LT(turned.ExtentCalls, 20);  // the page's own header and footer, not 150 cells
    TPrintEngine fresh{grid, settings, scheme, formats, clock};
    fresh.SetPreviewPage(2);
    RecordingCanvas expected;
    fresh.DrawPreview(expected, Page);
    ASSERT_EQ(turned.Texts.size(), expected.Texts.size());
    for (std::size_t i = 0; i < expected.Texts.size(); ++i) {
        EXPECT_EQ(turned.Texts[i].Text, expected.Texts[i].Text);
        EXPECT_EQ(turned.Texts[i].Y, expected.Texts[i].Y) << expected.Texts[i].Text;
    }

    // Each change is laid out afresh: the preview counts what a print would.
    int pages = 3;
    const auto expectRecounted = [&](TPageArea area, bool more) {
        PreviewOf(1, area);
        RecordingCanvas counting;
        EXPECT_EQ(engine.PreviewPageCount(), engine.CountPages(counting, area));
        EXPECT_EQ(engine.PreviewPageCount() > pages, more) << engine.PreviewPageCount() << " after " << pages;
        pages = engine.PreviewPageCount();
    };
    Fill({"No", "Status", "Task"}, 100);
    expectRecounted(Page, true);
    grid.SetCellText(2, 7, std::string(150, 'w'));  // now two page widths
    expectRecounted(Page, true);
    grid.HideColumn(2);
    expectRecounted(Page, false);
    settings.RowSpacing += 40;
    expectRecounted(Page, true);
    expectRecounted({2000, 600}, true);
}

TEST_F(PrintPagesTest, PageNumbersCountPagesWhenTheColumnsFitOnePageWidth) {
    Fill({"No", "Status", "Task"}, 50);
    EXPECT_EQ(DecorationsOn(PreviewOf(2), 1), std::vector<std::string>{"  2/3 "});

    settings.PageNr = ppBottomLeft;
    settings.PagePrefix = "Page";
    settings.PageSuffix = "of the list";
    settings.PageNumSep = "";
    EXPECT_EQ(DecorationsOn(PreviewOf(3), 1), std::vector<std::string>{"Page 3 of the list "});
}

TEST_F(PrintPagesTest, AColumnWiderThanThePageTakesAPageWidthOfItsOwnClipped) {
    const std::string wide(150, 'w');
    Fill({"No", "Task", wide}, 30);
    RecordingPrinter printer;
    engine.Print(printer);
    // Two page widths of two pages each.
    ASSERT_EQ(printer.canvas.Page, 4);
    EXPECT_EQ(DecorationsOn(printer.canvas, 1), std::vector<std::string>{"  1-1 "});
    EXPECT_EQ(DecorationsOn(printer.canvas, 2), std::vector<std::string>{"  2-1 "});
    EXPECT_EQ(DecorationsOn(printer.canvas, 3), std::vector<std::string>{"  1-2 "});
    // Page numbers count within the page widths.
    EXPECT_NE(Find(printer.canvas, wide, 3), nullptr);
    EXPECT_EQ(Find(printer.canvas, "Task", 3), nullptr);
    const TPrintRect clipped{25, TopBlock, 2000, TopBlock + RowPitch};
    EXPECT_EQ(CellsOn(printer.canvas, 3).front(), clipped);
    EXPECT_EQ(Find(printer.canvas, wide, 3)->Clip, clipped);
}

TEST_F(PrintPagesTest, TimeDateAndTitleShareSlotsInTheirOrder) {
    Fill({"No"}, 1);
    settings.Time = ppTopLeft;
    settings.Date = ppTopLeft;
    settings.DateFormat = "yyyy-mm-dd";
    settings.Title = ppTopRight;
    settings.TitleText = "Chores";
    settings.PageNr = ppTopRight;
    const auto canvas = PreviewOf(1);
    EXPECT_EQ(DecorationsOn(canvas, 1), (std::vector<std::string>{"2026-12-08 14:05 ", "  1  Chores"}));
    const auto* right = Find(canvas, "  1  Chores");
    EXPECT_EQ(right->X, 2000 - 11 * 17 - 25 - 20);
    EXPECT_EQ(right->Font.Height, 35);
    EXPECT_EQ(Find(canvas, "2026-12-08 14:05 ")->X, 25);
}

TEST_F(PrintPagesTest, TheDateItemWritesTheWholePictureLanguageAndAnEmptyPictureAsDateAndTime) {
    Fill({"No"}, 1);
    settings.Date = ppBottomLeft;
    formats.LongTimeFormat = "h:nn:ss ampm";
    for (const auto& [picture, shown] : {std::pair{"dddddd", "Tuesday, 8 December 2026 "},
                                         {"ddddd hh:nn am/pm", "08/12/2026 02:05 pm "},
                                         {"", "08/12/2026 2:05:09 PM "}}) {
        settings.DateFormat = picture;
        EXPECT_EQ(DecorationsOn(PreviewOf(1), 1).front(), shown) << picture;
    }
}

TEST_F(PrintPagesTest, PrinterFailuresReachTheCallerWithNoHalfPrintedJob) {
    Fill({"No", "Status"}, 5);
    int calls = 0;
    int limit = -1;
    engine.SetOnGetCellPrintColor([&](int, int, TCellStyle&) {
        if (++calls == limit) throw std::runtime_error("lost the printer");
    });
    RecordingCanvas counting;
    engine.CountPages(counting, Page);
    limit = calls + calls / 2 + 1;  // past counting, into drawing
    calls = 0;
    RecordingPrinter printer;
    EXPECT_THROW(engine.Print(printer), std::runtime_error);
    EXPECT_TRUE(printer.Begun && printer.Aborted && !printer.Ended);

    RecordingPrinter unknown;  // a driver that reports no resolution
    unknown.Area = {2000, 1000, 0, 0};
    EXPECT_THROW(engine.Print(unknown), EGridError);
    EXPECT_FALSE(unknown.Begun);
}

TEST_F(PrintPagesTest, LayingOutALongListShowsItsProgressAndStoppingThereLeavesThePrintUnprinted) {
    Fill({"No", "Status", "Task"}, 2000);
    RecordingCanvas counting;
    const int pages = engine.CountPages(counting, Page);
    test::TRecordingProgress view;
    engine.SetProgressView(&view, std::chrono::milliseconds(0));

    EXPECT_EQ(engine.CountPages(counting, Page), pages);
    EXPECT_EQ(view.Calls.substr(0, 14), "start(cancel) ");
    EXPECT_EQ(view.Calls.substr(view.Calls.size() - 4), "stop");
    EXPECT_TRUE(std::is_sorted(view.Percents.begin(), view.Percents.end()));
    EXPECT_GE(view.Percents.size(), 95u) << "measuring and paging both report";
    EXPECT_GE(view.Percents.back(), 99);

    // Stopped while measuring or while paging, nothing is printed and the preview starts over.
    for (const int stopAt : {30, 75}) {
        view.StopAt = stopAt;
        RecordingPrinter printer;
        EXPECT_THROW(engine.Print(printer), EAbort);
        EXPECT_FALSE(printer.Begun) << stopAt;
        RecordingCanvas preview;
        EXPECT_THROW(engine.LayOutPreview(preview, Page), EAbort);
    }
    view.StopAt = -1;
    RecordingCanvas preview;
    engine.LayOutPreview(preview, Page);
    view.Calls.clear();
    EXPECT_LT(PreviewOf(2).ExtentCalls, 20) << "drawing finds the layout made";
    EXPECT_EQ(view.Calls, "") << "and never reports: it runs while the window paints";
    EXPECT_EQ(engine.PreviewPageCount(), pages);
}

TEST_F(PrintPagesTest, AFastPreviewMeasuresOnlyTheRowsOfItsPageAndShowsThemAsThePrintWould) {
    Fill({"No", "Status", "Task"}, 5000);
    grid.SetCellText(2, 3, "two\nlines");
    // The first page holds fewer rows than a first look measures, then more.
    for (const TPageArea area : {Page, TPageArea{2000, 8000}}) {
        engine.SetPreviewFast(false);
        const auto full = PreviewOf(1, area);
        engine.SetPreviewFast(true);
        const auto fast = PreviewOf(1, area);
        EXPECT_LT(fast.ExtentCalls, 2000) << "not 15,000 cells";
        std::vector<std::pair<std::string, int>> fullCells, fastCells;
        for (const auto& t : full.TextsOn(1))
            if (t.Clipped) fullCells.emplace_back(t.Text, t.Y);
        for (const auto& t : fast.TextsOn(1))
            if (t.Clipped) fastCells.emplace_back(t.Text, t.Y);
        EXPECT_GT(fastCells.size(), 3u * 20);
        EXPECT_EQ(fastCells, fullCells) << area.Height;
    }
}

}  // namespace
}  // namespace tkm::testing
