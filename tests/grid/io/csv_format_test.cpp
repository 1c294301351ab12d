#include "grid/io/csv_field_codec.h"
#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"
#include "grid/io/separator_detection.h"
#include "grid/io/csv_test_grids.h"
#include "tasks/task_table.h"

#include <gtest/gtest.h>

#include <chrono>

namespace tkm {
namespace {

using test::CsvText;
using test::GridOf;
using test::Loaded;
using test::RowsOf;
using test::TRows;

const std::string Header =
    "No,Entry Date,Status,Task Description,Priority,Due Date,Due Time,Resources,Total Hours,Cost,Progress,"
    "Completion Date,Completion Time,Comment\r\n";

TRows Example() {
    std::vector<std::string> header(TaskTable::Headers.begin(), TaskTable::Headers.end());
    return {header,
            {"1", "07/12/2026", "In Progress", "Write report", "High", "10/12/2026", "17:00", "Ann", "4", "120.00", "50",
             "", "", ""},
            {"2", "07/12/2026", "Not Started", "Buy paper, toner", "Normal", "", "", "", "", "", "", "", "", ""}};
}

const std::string ExampleText =
    Header + "1,07/12/2026,In Progress,Write report,High,10/12/2026,17:00,Ann,4,120.00,50,\"\",\"\",\"\"\r\n" +
    "2,07/12/2026,Not Started,\"Buy paper, toner\",Normal,\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";

TEST(CsvFormat, WorkedExampleWritesAndReadsBack) {
    EXPECT_EQ(CsvText(GridOf(Example())), ExampleText);
    EXPECT_EQ(RowsOf(Loaded(ExampleText)), Example());
}

TEST(CsvFormat, QuotingOfEmptyAndSeparatedTexts) {
    EXPECT_EQ(CsvText(GridOf({{"", "a,b", "c"}})), "\"\",\"a,b\",c\r\n");
    TCsvSettings bare;
    bare.QuoteEmptyFields = false;
    EXPECT_EQ(CsvText(GridOf({{"", "x", ""}}), bare), ",x,\r\n");
    EXPECT_EQ(RowsOf(Loaded("\"\",\"a,b\",c\r\n")), (TRows{{"", "a,b", "c"}}));
    EXPECT_EQ(RowsOf(Loaded("\"a,b\"\r\n")), (TRows{{"a,b"}}));
}

TEST(CsvFormat, FieldsTheFileDoesNotProvideKeepTheirTexts) {
    TBaseGrid grid = GridOf({{"h1", "h2", "h3"}, {"old1", "old2", "old3"}, {"k1", "k2", "k3"}});
    ReadCsv(grid, "a,b,c\r\nx,y,\r\n\r\n");
    // A trailing separator gives no empty last field; an empty line stores nothing.
    EXPECT_EQ(RowsOf(grid), (TRows{{"a", "b", "c"}, {"x", "y", "old3"}, {"k1", "k2", "k3"}}));
}

TEST(CsvFormat, RowCountComesFromTheFileAndColumnsOnlyGrow) {
    TBaseGrid grid(5, 40);
    grid.SetFixedCols(0);
    ReadCsv(grid, "a,b\r\nc,d\r\ne,f,g,h,i,j\r\n");
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.ColCount(), 6);
    ReadCsv(grid, "a\r\n");
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.ColCount(), 6);
    ReadCsv(grid, "");
    EXPECT_EQ(grid.RowCount(), 0);
}

TEST(CsvFormat, LineEndsAndCtrlZ) {
    // CR ends a line, CR LF too, a lone LF is text (read as CR LF), the last line needs no end.
    EXPECT_EQ(RowsOf(Loaded("a\rb\r\nc\nd\r\ne")), (TRows{{"a"}, {"b"}, {"c\r\nd"}, {"e"}}));
    EXPECT_EQ(RowsOf(Loaded("a,b\r\nc,d\r\n\x1A" "e,f\r\n")), (TRows{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(Loaded("\x1A" "a,b\r\n").RowCount(), 0);
    EXPECT_EQ(RowsOf(Loaded("\"one\ntwo\",x\r\n")), (TRows{{"one\r\ntwo", "x"}}));
    // A file without a single CR LF was written with LF line ends.
    EXPECT_EQ(RowsOf(Loaded("a,b\nc,d\n\ne\rf")), (TRows{{"a", "b"}, {"c", "d"}, {"", ""}, {"e", ""}, {"f", ""}}));
}

TEST(CsvFormat, MalformedQuotingLoadsWithoutFailing) {
    // No lone closing quote: an empty field, the text up to the separator dropped.
    EXPECT_EQ(RowsOf(Loaded("\"abc,def\r\n")), (TRows{{"", "def"}}));
    // Text between a closing quote and the separator is dropped.
    EXPECT_EQ(RowsOf(Loaded("\"abc\"junk,def\r\n")), (TRows{{"abc", "def"}}));
    // With no separator after it, that text is the line's last field.
    EXPECT_EQ(RowsOf(Loaded("\"a,b\"tail\r\n")), (TRows{{"a,b", "tail"}}));
    // The last field loses one quote at each end and runs of quotes become one.
    EXPECT_EQ(RowsOf(Loaded("x,\"ab\"\"c\r\n")), (TRows{{"x", "ab\"c"}}));
    EXPECT_EQ(RowsOf(Loaded("x,\"\r\n")), (TRows{{"x", ""}}));
    // An unquoted field is taken as it stands.
    EXPECT_EQ(RowsOf(Loaded("5\"\" disk,y\r\n")), (TRows{{"5\"\" disk", "y"}}));
}

std::string Repeated(std::string_view piece, std::size_t times) {
    std::string text;
    for (std::size_t i = 0; i < times; ++i) text += piece;
    return text;
}

// A field whose quote nothing closes is empty, and the next field starts
// right after that quote, so every field of such a line searches on from
// there: lines of 800 KB once took minutes.
TEST(CsvFormat, QuotesThatCloseNothingCostNoMoreThanTheLineLength) {
    EXPECT_EQ(RowsOf(Loaded(Repeated("\"\\n,", 3) + "x\r\n")), (TRows{{"", "", "", "x"}}));
    // The search from the second field meets a quote that the first passed as
    // doubled, and for the second that quote closes the field.
    EXPECT_EQ(RowsOf(Loaded("\"a,\"\"b,c\r\n")), (TRows{{"", "", "c"}}));
    EXPECT_EQ(RowsOf(Loaded("\"\\n,\"\\n,\"x\r\n")), (TRows{{"\\n,\n,", "x"}}));

    TCsvLineSplitter splitter(',');
    for (const std::string_view piece : {"\"\\n,", "\"\\r\"\\z,", "\"\"\"\"\\n,"}) {
        const std::size_t times = 800'000 / piece.size();
        const std::string line = Repeated(piece, times);
        const auto start = std::chrono::steady_clock::now();
        const auto fields = splitter.Split(line);
        // Milliseconds now; the square of the length was minutes.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5)) << piece;
        EXPECT_EQ(fields.size(), times) << piece;
    }
}

// A line is refused as soon as it passes the column limit: a line of 50
// million separators once took half a minute and gigabytes first.
TEST(CsvFormat, SplittingStopsAtTheFieldPastTheLimit) {
    TCsvLineSplitter splitter(',');
    EXPECT_EQ(splitter.Split(std::string(1'000'000, ','), 16384).size(), 16385u);
    EXPECT_EQ(splitter.Split("a,\"b\",c,d", 2).size(), 3u);
    EXPECT_EQ(splitter.Split("a,b,c", 3).size(), 3u);
}

TEST(CsvFormat, HiddenColumnsAreLeftOutInDisplayOrder) {
    TBaseGrid grid = GridOf({{"a", "b", "c", "d"}, {"1", "2", "3", "4"}});
    grid.HideColumn(1);
    EXPECT_EQ(CsvText(grid), "a,c,d\r\n1,3,4\r\n");
    TCsvSettings all;
    all.WriteHiddenColumns = true;
    EXPECT_EQ(CsvText(grid, all), "a,b,c,d\r\n1,2,3,4\r\n");
}

TEST(CsvFormat, FixedCellsCanBeLeftOut) {
    TBaseGrid grid = GridOf({{"h0", "h1", "h2"}, {"f", "x", "y"}});
    grid.SetFixedCols(1);
    TCsvSettings settings;
    settings.WriteFixedCells = false;
    EXPECT_EQ(CsvText(grid, settings), "x,y\r\n");
    ReadCsv(grid, "p,q\r\n", settings);  // starts at column 1, row 1
    EXPECT_EQ(RowsOf(grid), (TRows{{"h0", "h1", "h2"}, {"f", "p", "q"}}));
}

TEST(CsvFormat, LoadReportsChangedCellsOnce) {
    TBaseGrid grid(2, 1);
    std::vector<TGridRect> reports;
    const TCellsChangedHook hook(grid, [&](const TGridRect& r) { reports.push_back(r); });
    ReadCsv(grid, "a,b,c\r\nd\r\n");
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_EQ(reports[0], (TGridRect{0, 0, 3, 2}));
}

TEST(CsvFormat, ProgressFiresOnlyOnChangeWithHalvesToEven) {
    std::vector<int> seen;
    TCsvSettings settings;
    settings.OnFileProgress = [&](int p) { seen.push_back(p); };
    // Five rows: indexes 0..4 of 4 give 0, 25, 50, 75, 100.
    CsvText(GridOf(TRows(5, {"x"})), settings);
    EXPECT_EQ(seen, (std::vector<int>{0, 25, 50, 75, 100}));
    // 1/8 = 12.5 rounds to 12, 3/8 = 37.5 to 38.
    seen.clear();
    Loaded("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n", settings);
    EXPECT_EQ(seen, (std::vector<int>{12, 25, 38, 50, 62, 75, 88, 100}));
    seen.clear();
    CsvText(GridOf(TRows(1000, {"x"})), settings);
    EXPECT_EQ(seen.size(), 101u);
    seen.clear();
    CsvText(GridOf({{"only"}}), settings);  // one row: no division by zero
    EXPECT_EQ(seen, (std::vector<int>{100}));
}

TEST(CsvSeparator, LoneOccurrences) {
    EXPECT_EQ(CountLone("a,b,c", ','), 2u);
    EXPECT_EQ(CountLone("a,,b", ','), 0u);
    EXPECT_EQ(CountLone("a,,", ','), 1u);  // the last character is lone whatever precedes it
    EXPECT_EQ(CountLone(",a", ','), 1u);
    EXPECT_EQ(CountLone("a,,,b,c", ','), 1u);  // a run counts nothing, even its last
    EXPECT_EQ(CountLone("", ','), 0u);
}

TEST(CsvSeparator, DetectionPassesAndOrder) {
    EXPECT_EQ(DetectSeparator("a;b;c;d", "1;2;3;4"), ';');
    EXPECT_EQ(DetectSeparator("a;b", ""), ',');                   // one line: nothing agrees
    EXPECT_EQ(DetectSeparator("a,b;c;d", "1,2;3;4"), ';');        // the higher count wins
    EXPECT_EQ(DetectSeparator("a,b;c", "1,2;3"), ',');            // a tie keeps the earlier one
    EXPECT_EQ(DetectSeparator("a,,b", "1,2,3"), ',');             // second pass: two in total
    EXPECT_EQ(DetectSeparator("a|b\tc", "1|2\t3"), '\t');
    EXPECT_EQ(DetectSeparator("a,b", "a,b,c"), ',');              // fallback
}

TEST(CsvSeparator, DetectedWhenReadingAndFixedWhenSet) {
    EXPECT_EQ(RowsOf(Loaded("a;b;c;d\r\n1;2;3;4\r\n")), (TRows{{"a", "b", "c", "d"}, {"1", "2", "3", "4"}}));
    // The first entry holds a comma inside quotes: 13 lone commas against 14.
    const std::string entry = "1,\"a,b\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\",\"\"\r\n";
    const TBaseGrid grid = Loaded(Header + entry);
    EXPECT_EQ(grid.ColCount(), 14);
    EXPECT_EQ(grid.GetCellText(1, 1), "a,b");
    TCsvSettings tabs;
    tabs.FieldSeparator = '\t';
    EXPECT_EQ(RowsOf(Loaded("a,b\tc\r\n", tabs)), (TRows{{"a,b", "c"}}));
    EXPECT_EQ(CsvText(GridOf({{"a\tb", "c,d"}}), tabs), "\"a\tb\"\tc,d\r\n");
    tabs.FieldSeparator = '"';
    EXPECT_THROW(CsvText(GridOf({{"a"}}), tabs), EGridError);
}

}  // namespace
}  // namespace tkm
