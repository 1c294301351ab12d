#include "grid/io/html_writer.h"

#include "grid/io/csv_test_grids.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tkm {
namespace {

using test::GridOf;

std::vector<std::string> Lines(const TBaseGrid& grid, const THtmlSources& sources) {
    std::string out;
    WriteHtml(grid, sources, [&](std::string_view bytes) { out += bytes; });
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end = out.find("\r\n"); end != std::string::npos; end = out.find("\r\n", start)) {
        lines.push_back(out.substr(start, end - start));
        start = end + 2;
    }
    EXPECT_EQ(start, out.size()) << "the last line is not ended by CR LF";
    return lines;
}

class HtmlWriterTest : public ::testing::Test {
protected:
    TBaseGrid grid = GridOf({{"No", "Entry Date", "Status"}, {"1", "07/12/2026", "In Progress"}});
    std::vector<int> colouredColumns;
    THtmlSources sources;

    void SetUp() override {
        grid.HideColumn(1);
        // The first entry in yellow, bold black; the rest left as the grid prepares them.
        sources.Colors = [this](int, int realCol, int row, TCellStyle& style) {
            colouredColumns.push_back(realCol);
            style.Brush = row == 1 ? RGBColor(0xFF, 0xFF, 0x00) : clWindow;
            style.FontColor = row == 1 ? clBlack : clWindowText;
            style.FontStyles = row == 1 ? fsBold : 0;
        };
    }
};

TEST_F(HtmlWriterTest, WritesTheTableLineForLineWithTheRealColumnsColours) {
    EXPECT_EQ(Lines(grid, sources),
              (std::vector<std::string>{
                  R"(<meta charset="utf-8">)", R"(<table border="1" cellspacing="0" cellpadding="0" width="100%">)", "<tr>",
                  R"(<td nowrap bgcolor="#C0C0C0"><b>No</b></td>)",
                  R"(<td nowrap bgcolor="#C0C0C0"><b>Status</b></td>)", "</tr>", "<tr>",
                  R"(<td nowrap bgcolor="#FFFF00"><font color="#000000"><b>1</b></font></td>)",
                  R"(<td nowrap bgcolor="#FFFF00"><font color="#000000"><b>In Progress</b></font></td>)", "</tr>",
                  "</table>"}));
    // The hidden column is skipped, and the routine hears the real column behind each shown one.
    EXPECT_EQ(colouredColumns, (std::vector<int>{0, 2}));
}

TEST_F(HtmlWriterTest, WithoutColoursDataCellsKeepOnlyTheirStylesAndHeadersTheirColour) {
    sources.Settings.SaveColor = false;
    grid.SetRowCount(3);
    const std::vector<std::string> lines = Lines(grid, sources);
    EXPECT_EQ(lines[3], R"(<td nowrap bgcolor="#C0C0C0"><b>No</b></td>)");
    EXPECT_EQ(lines[7], "<td nowrap><b>1</b></td>");
    // A cell the routine leaves as prepared still gets the window's colours with colours on...
    EXPECT_EQ(lines[11], "<td nowrap><br></td>");
    sources.Settings.SaveColor = true;
    EXPECT_EQ(Lines(grid, sources)[11], R"(<td nowrap bgcolor="#FFFFFF"><font color="#000000"><br></font></td>)");
    // ...and nothing without a routine: the marker colour is never written.
    sources.Colors = nullptr;
    EXPECT_EQ(Lines(grid, sources)[7], "<td nowrap>1</td>");
}

TEST_F(HtmlWriterTest, SettingsShapeTheTableAndTheFilesAroundIt) {
    test::TTempFolder folder;
    test::WriteBytes(folder.File("head.htm"), "<html>\n<body>");
    sources.Settings.HeaderFile = folder.File("head.htm");
    sources.Settings.FooterFile = folder.File("missing.htm");  // left out
    sources.Settings.PrefixTag = "<h1>Tasks</h1>";
    sources.Settings.TableStyle = "class=t";
    sources.Settings.Width = 80;
    sources.Alignment = [](int col, int) { return col == 0 ? TCellAlignment::Right : TCellAlignment::Left; };
    WriteHtmlFile(grid, folder.File("list.htm"), sources);
    std::istringstream file(test::ReadBytes(folder.File("list.htm")));
    std::string line;
    std::vector<std::string> lines;
    while (std::getline(file, line)) lines.push_back(line);
    ASSERT_GE(lines.size(), 7u);
    EXPECT_EQ(lines[0], "<html>\r");
    EXPECT_EQ(lines[1], "<body>\r");
    EXPECT_EQ(lines[2], R"(<meta charset="utf-8">)" "\r");
    EXPECT_EQ(lines[3], "<h1>Tasks</h1>\r");
    EXPECT_EQ(lines[4], R"(<table border="1" cellspacing="0" cellpadding="0 class=t " width="80%">)" "\r");
    EXPECT_EQ(lines[6], R"(<td nowrap align="right" bgcolor="#C0C0C0"><b>No</b></td>)" "\r");
    EXPECT_EQ(lines.back(), "</table>\r");
}

TEST_F(HtmlWriterTest, PlainTextIsEscapedAndMarkupCannotRunScript) {
    sources.Colors = nullptr;
    const auto cell = [&](const std::string& text) {
        grid.SetCellText(0, 1, text);
        const std::string line = Lines(grid, sources)[7];
        return line.substr(11, line.size() - 16);  // between "<td nowrap>" and "</td>"
    };
    EXPECT_EQ(cell("a < b & c > d"), "a &lt; b &amp; c &gt; d");
    EXPECT_EQ(cell("<script>alert(1)"), "&lt;script&gt;alert(1)");
    EXPECT_EQ(cell("<script>alert(1)</script>"), "");  // "</": drawn as mark-up, so filtered
    EXPECT_EQ(cell("one\r\ntwo"), "one<br>\ntwo");
    EXPECT_EQ(cell("Plain text, 12.50"), "Plain text, 12.50");

    // Cells the grid draws as mark-up stay mark-up, without anything that runs.
    EXPECT_EQ(cell("<B>bold</B> and <FONT COLOR=\"red\">red</FONT> &amp; more"),
              "<b>bold</b> and <font color=\"red\">red</font> &amp; more");
    EXPECT_EQ(cell("<B onclick=\"steal()\" title='a \"b\"'>x</B><script>alert(1)</script>y"),
              "<b title=\"a &quot;b&quot;\">x</b>y");
    EXPECT_EQ(cell("<I>a</I><STYLE>body{display:none}</style><iframe src=x></iframe><object data=x>z</object>"),
              "<i>a</i>");
    EXPECT_EQ(cell("<B>x</B><a href=\" jav&#x61;script:alert(1)\">go</a><img src=x onerror=alert(1)>"),
              "<b>x</b><a>go</a>");
    EXPECT_EQ(cell("<B>x</B><scr<script>ipt>alert(1)</script>"), "<b>x</b>ipt&gt;alert(1)");
    EXPECT_EQ(cell("<B>1 < 2</B><!-- <script> -->"), "<b>1 &lt; 2</b>");
    EXPECT_EQ(cell("<B>x</B><div/onmouseover=alert(1)>y</div>"), "<b>x</b><div>y</div>");
}

TEST_F(HtmlWriterTest, AddressesBecomeLinksThatCarryNoScript) {
    sources.Colors = nullptr;
    const auto cell = [&](const std::string& text) {
        grid.SetCellText(0, 1, text);
        const std::string line = Lines(grid, sources)[7];
        return line.substr(11, line.size() - 16);
    };
    EXPECT_EQ(cell("https://example.org/a?b=1"), "<a href=\"https://example.org/a?b=1\">https://example.org/a?b=1</a>");
    EXPECT_EQ(cell("http://example.org/list"), "<a href=http://example.org/list>http://example.org/list</a>");
    EXPECT_EQ(cell("mailto:ann@example.org"), "<a href=mailto:ann@example.org>mailto:ann@example.org</a>");
    // A blank would end a bare address and start an attribute.
    EXPECT_EQ(cell("http://x onmouseover=alert(1)"),
              "<a href=\"http://x onmouseover=alert(1)\">http://x onmouseover=alert(1)</a>");
    EXPECT_EQ(cell("javascript://%0Aalert(1)"), "javascript://%0Aalert(1)");
    sources.Settings.UrlFull = false;
    EXPECT_EQ(cell("mailto:ann@example.org"), "<a href=mailto:ann@example.org>ann@example.org</a>");
}

TEST_F(HtmlWriterTest, CellsWrittenOnWindowsArriveInUtf8AsTheGridShowsThem) {
    sources.Colors = nullptr;
    grid.SetCellText(0, 0, "Caf\xE9");
    grid.SetCellText(0, 1, "\x93" "dash\x94 \x80");
    grid.SetCellText(2, 1, "Caf\xC3\xA9");  // already UTF-8: unchanged
    const std::vector<std::string> lines = Lines(grid, sources);
    EXPECT_EQ(lines[3], "<td nowrap bgcolor=\"#C0C0C0\"><b>Caf\xC3\xA9</b></td>");
    EXPECT_EQ(lines[7], "<td nowrap>\xE2\x80\x9C" "dash\xE2\x80\x9D \xE2\x82\xAC</td>");
    EXPECT_EQ(lines[8], "<td nowrap>Caf\xC3\xA9</td>");
    sources.Settings.XHTML = true;
    EXPECT_EQ(Lines(grid, sources)[4], R"(<meta charset="utf-8"/>)");
}

}  // namespace
}  // namespace tkm
