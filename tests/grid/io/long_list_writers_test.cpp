// Long lists are formatted on every core in runs of rows: the runs must come
// out whole, in row order, with the widths and colours of the whole list.
#include "grid/io/csv_test_grids.h"
#include "grid/io/html_writer.h"
#include "grid/io/text_writer.h"

#include <gtest/gtest.h>

#include <atomic>

namespace tkm {
namespace {

using test::GridOf;
using test::RowsOf;
using test::TRows;

constexpr int Rows = 10'000;

TRows LongList() {
    TRows rows;
    for (int r = 0; r < Rows; ++r) rows.push_back({std::to_string(r), r % 3 ? "task" : "a, b", r == 7777 ? "widest" : ""});
    return rows;
}

std::string Written(const std::function<void(const TByteSink&)>& write) {
    std::string out;
    write([&](std::string_view bytes) { out += bytes; });
    return out;
}

TEST(LongListWriters, CsvComesBackRowForRowWithProgressInOrder) {
    const TBaseGrid grid = GridOf(LongList());
    std::vector<int> seen;
    TCsvSettings settings;
    settings.OnFileProgress = [&](int percent) { seen.push_back(percent); };
    const std::string text = Written([&](const TByteSink& sink) { WriteCsv(grid, settings, sink); });
    ASSERT_EQ(seen.size(), 101u);
    for (int p = 0; p <= 100; ++p) EXPECT_EQ(seen[std::size_t(p)], p);
    TBaseGrid again(1, 0);
    again.SetFixedCols(0);
    ReadCsv(again, text);
    EXPECT_EQ(RowsOf(again), RowsOf(grid));
}

TEST(LongListWriters, TextLinesAreInOrderAndAsWideAsTheWidestCell) {
    const TBaseGrid grid = GridOf(LongList());
    const std::string text = Written([&](const TByteSink& sink) { WriteText(grid, {}, sink); });
    std::size_t at = 0;
    for (int r = 0; r < Rows; ++r) {
        const std::size_t end = text.find("\r\n", at);
        ASSERT_NE(end, std::string::npos);
        const std::string line = text.substr(at, end - at);
        // "9999 " + "a, b " + "widest "
        ASSERT_EQ(line.size(), 5u + 5u + 7u) << "row " << r;
        ASSERT_EQ(line.substr(0, line.find(' ')), std::to_string(r));
        at = end + 2;
    }
    EXPECT_EQ(at, text.size());
}

TEST(LongListWriters, HtmlRowsAreInOrderEachWithItsOwnColours) {
    TBaseGrid grid = GridOf(LongList());
    grid.SetFixedRows(0);
    THtmlSources sources;
    sources.Settings.SaveColor = true;
    std::atomic<int> calls = 0;
    // A hook with state of its own, as the screen colours have: each thread gets a copy.
    sources.Colors = [cachedRow = -1, cachedBrush = TColor(clNone), &calls](int, int, int row,
                                                                         TCellStyle& style) mutable {
        ++calls;
        if (row != cachedRow) {
            cachedRow = row;
            cachedBrush = row % 2 ? clRed : clNone;
        }
        style.Brush = cachedBrush;
    };
    const std::string html = Written([&](const TByteSink& sink) { WriteHtml(grid, sources, sink); });
    EXPECT_EQ(calls, Rows * 3);
    std::size_t at = 0;
    for (int r = 0; r < Rows; ++r) {
        at = html.find("<tr>", at);
        ASSERT_NE(at, std::string::npos);
        const std::size_t end = html.find("</tr>", at);
        const std::string row = html.substr(at, end - at);
        ASSERT_NE(row.find(">" + std::to_string(r) + "</td>"), std::string::npos) << "row " << r;
        ASSERT_EQ(row.find("bgcolor") != std::string::npos, r % 2 == 1) << "row " << r;
        at = end;
    }
    EXPECT_EQ(html.find("<tr>", at), std::string::npos);
    EXPECT_NE(html.find("</table>", at), std::string::npos);
}

}  // namespace
}  // namespace tkm
