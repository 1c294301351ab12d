#include "grid/io/flat_open_document.h"
#include "grid/io/csv_test_grids.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using test::GridOf;
using test::TRows;

std::string Spreadsheet(const TBaseGrid& grid, const std::vector<int>& columns, const TSheetTyping& typing = {}) {
    std::string out;
    WriteFlatSpreadsheet(grid, columns, typing, [&](std::string_view bytes) { out += bytes; });
    return out;
}

std::string TextDocument(const TBaseGrid& grid, const std::vector<int>& columns,
                         const TAlignmentHook& alignment = {}) {
    std::string out;
    WriteFlatTextDocument(grid, columns, alignment, [&](std::string_view bytes) { out += bytes; });
    return out;
}

// The table rows of a flat document, one string each.
std::vector<std::string> TableRows(const std::string& document) {
    std::vector<std::string> rows;
    for (std::size_t at = document.find("<table:table-row>"); at != std::string::npos;
         at = document.find("<table:table-row>", at + 1)) {
        const std::size_t end = document.find("</table:table-row>", at);
        rows.push_back(document.substr(at + 17, end - at - 17));
    }
    return rows;
}

std::string TextCell(const std::string& paragraphs) {
    return "<table:table-cell>" + paragraphs + "</table:table-cell>";
}

TEST(FlatSpreadsheet, EveryShownCellIsATextCellInDisplayOrder) {
    const TBaseGrid grid = GridOf(
        {{"No", "Entry Date", "Total Hours", "Comment"}, {"1", "01/12/2026", "1.5", ""}, {"2", "=1+1", "0042", "x"}});
    const std::string document = Spreadsheet(grid, {0, 3, 1, 2});
    EXPECT_NE(document.find("office:mimetype=\"application/vnd.oasis.opendocument.spreadsheet\""), std::string::npos);
    EXPECT_NE(document.find("<table:table-column table:number-columns-repeated=\"4\"/>"), std::string::npos);
    const std::vector<std::string> rows = TableRows(document);
    ASSERT_EQ(rows.size(), 3u) << "the header row is written too";
    EXPECT_EQ(rows[1], TextCell("<text:p>1</text:p>") + "<table:table-cell/>" +
                           TextCell("<text:p>01/12/2026</text:p>") + TextCell("<text:p>1.5</text:p>"));
    EXPECT_EQ(rows[2], TextCell("<text:p>2</text:p>") + TextCell("<text:p>x</text:p>") +
                           TextCell("<text:p>=1+1</text:p>") + TextCell("<text:p>0042</text:p>"));
    EXPECT_EQ(TableRows(Spreadsheet(grid, {2}))[0], TextCell("<text:p>Total Hours</text:p>"))
        << "hidden columns left out";
}

TEST(FlatSpreadsheet, CellTextsSurviveXmlAndTheReadersWhitespaceRules) {
    const TBaseGrid grid = GridOf({
        {"a < b & c > d \"q\" 'x'"},
        {"line one\r\nline two\nthree\r"},
        {"  two leading, two  inner and two trailing  "},
        {"tab\there \t and\t"},
        {"caf\xE9 \x80"},                       // Windows-1252 bytes
        {"ok \xC3\xA9 \xEF\xBF\xBE bell\x07"},  // UTF-8 with characters XML cannot carry
        {" "},
    });
    const std::vector<std::string> rows = TableRows(Spreadsheet(grid, {0}));
    EXPECT_EQ(rows[0], TextCell("<text:p>a &lt; b &amp; c &gt; d \"q\" 'x'</text:p>"));
    EXPECT_EQ(rows[1], TextCell("<text:p>line one</text:p><text:p>line two</text:p><text:p>three</text:p>"))
        << "CR dropped, each LF a new paragraph";
    EXPECT_EQ(rows[2], TextCell("<text:p><text:s text:c=\"2\"/>two leading, two <text:s text:c=\"1\"/>inner and two "
                                "trailing<text:s text:c=\"2\"/></text:p>"));
    EXPECT_EQ(rows[3], TextCell("<text:p>tab\there<text:s text:c=\"1\"/>\t<text:s text:c=\"1\"/>and\t</text:p>"))
        << "a spreadsheet cell drops <text:tab/>";
    EXPECT_EQ(rows[4], TextCell("<text:p>caf\xC3\xA9 \xE2\x82\xAC</text:p>"));
    EXPECT_EQ(rows[5], TextCell("<text:p>ok \xC3\xA9 \xEF\xBF\xBD bell\xEF\xBF\xBD</text:p>"));
    EXPECT_EQ(rows[6], TextCell("<text:p><text:s text:c=\"1\"/></text:p>")) << "a lone space is a text too";
}

TEST(FlatSpreadsheet, PlainNumbersDatesAndTimesOfTypedColumnsAreValuesAndNothingElseIs) {
    using enum TSheetValueType;
    TSheetTyping typing{{Number, Date, Time, Text}, {}};
    typing.Formats.ShortDateFormat = "d/m/yyyy";
    const TBaseGrid grid = GridOf({{"12", "01/12/2026", "12:30", "7"},
                                   {"12.50", "1/12/26", "9:05:07 PM", "7"},
                                   {"-3", "31/02/2026", "25:00", "1.5"},
                                   {"=1+1", "=TODAY()", "@now", "=1+1"},
                                   {"+5", "-1/1/2026", "-12:30", ""},
                                   {"1e5", "1/1/1899", "12:30 x", ""},
                                   {"1,5", " ", "", ""},
                                   {"1.", "", "", ""},
                                   {".5", "", "", ""},
                                   {"1234567890.123456", "", "", ""},
                                   {"123456789.012345", "", "", ""}});
    const std::vector<std::string> rows = TableRows(Spreadsheet(grid, {0, 1, 2, 3}, typing));
    EXPECT_EQ(rows[0], TextCell("<text:p>12</text:p>") + TextCell("<text:p>01/12/2026</text:p>") +
                           TextCell("<text:p>12:30</text:p>") + TextCell("<text:p>7</text:p>"))
        << "the header row stays text";
    EXPECT_EQ(rows[1], "<table:table-cell office:value-type=\"float\" office:value=\"12.50\" "
                       "table:style-name=\"Decimals2\"/>"
                       "<table:table-cell table:style-name=\"Date\" office:value-type=\"date\" "
                       "office:date-value=\"2026-12-01\"/>"
                       "<table:table-cell table:style-name=\"Time\" office:value-type=\"time\" "
                       "office:time-value=\"PT21H05M07S\"/>" +
                           TextCell("<text:p>7</text:p>"));
    EXPECT_EQ(rows[2].substr(0, rows[2].find("/>") + 2),
              "<table:table-cell office:value-type=\"float\" office:value=\"-3\"/>");
    // Impossible dates and times, formulas, signs, exponents, the other
    // separator, dates before 1900 and more digits than come back exactly.
    for (std::size_t r = 2; r + 1 < rows.size(); ++r) {
        const std::string texts = r == 2 ? rows[r].substr(rows[r].find("/>") + 2) : rows[r];
        EXPECT_EQ(texts.find("office:value"), std::string::npos) << "row " << r << ": " << texts;
    }
    EXPECT_NE(rows[3].find(TextCell("<text:p>=TODAY()</text:p>")), std::string::npos);
    EXPECT_EQ(rows[10].substr(0, rows[10].find("/>") + 2),
              "<table:table-cell office:value-type=\"float\" office:value=\"123456789.012345\" "
              "table:style-name=\"Decimals6\"/>")
        << "fifteen digits come back exactly";

    typing.Formats.DecimalSeparator = ',';
    typing.Formats.ThousandSeparator = '.';
    const std::vector<std::string> comma = TableRows(Spreadsheet(grid, {0}, typing));
    EXPECT_EQ(comma[1], TextCell("<text:p>12.50</text:p>")) << "a point is no decimal separator here";
    EXPECT_EQ(comma[6], "<table:table-cell office:value-type=\"float\" office:value=\"1.5\" "
                        "table:style-name=\"Decimals1\"/>");
}

TEST(FlatSpreadsheet, DatesAndTimesAreShownInTheLocalesFormats) {
    TLocaleFormats formats;
    formats.ShortDateFormat = "dd.mm.yy 'w'ddd";
    formats.LongTimeFormat = "h:mm:ss AM/PM";
    const std::string styles = SheetValueStyles(formats);
    EXPECT_NE(styles.find("<number:date-style style:name=\"DateN\"><number:day number:style=\"long\"/>"
                          "<number:text>.</number:text><number:month number:style=\"long\"/>"
                          "<number:text>.</number:text><number:year/><number:text> w</number:text>"
                          "<number:day-of-week/></number:date-style>"),
              std::string::npos)
        << styles;
    EXPECT_NE(styles.find("<number:time-style style:name=\"TimeN\"><number:hours/><number:text>:</number:text>"
                          "<number:minutes number:style=\"long\"/><number:text>:</number:text>"
                          "<number:seconds number:style=\"long\"/><number:text> </number:text><number:am-pm/>"
                          "</number:time-style>"),
              std::string::npos)
        << "m after an hour is the minutes";
    formats.ShortDateFormat = "mmmm d, yyyy";
    EXPECT_NE(SheetValueStyles(formats).find("<number:month number:style=\"long\" number:textual=\"true\"/>"
                                             "<number:text> </number:text><number:day/><number:text>, </number:text>"
                                             "<number:year number:style=\"long\"/>"),
              std::string::npos);
    const std::string document = Spreadsheet(GridOf({{"x"}}), {0}, {{}, formats});
    EXPECT_LT(document.find("<number:date-style"), document.find("<office:body>"));
    EXPECT_NE(document.find("<style:style style:name=\"Decimals14\" style:family=\"table-cell\" "
                            "style:data-style-name=\"Decimals14N\"/>"),
              std::string::npos);
}

TEST(FlatTextDocument, OneTableWhoseParagraphsFollowTheAlignmentHook) {
    const TBaseGrid grid = GridOf({{"No", "Status", "Cost"}, {"1", "Pending", "12.50"}, {"", "a\r\nb", "\t"}});
    const std::string left = TextDocument(grid, {0, 2});
    EXPECT_NE(left.find("office:mimetype=\"application/vnd.oasis.opendocument.text\""), std::string::npos);
    EXPECT_NE(left.find("table:number-columns-repeated=\"2\""), std::string::npos);
    const std::string cell = "<table:table-cell table:style-name=\"Cell\">";
    std::vector<std::string> rows = TableRows(left);
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0],
              cell + "<text:p>No</text:p></table:table-cell>" + cell + "<text:p>Cost</text:p></table:table-cell>");
    EXPECT_EQ(rows[2],
              cell + "<text:p></text:p></table:table-cell>" + cell + "<text:p><text:tab/></text:p></table:table-cell>")
        << "an empty cell still holds its paragraph; a tab is the word processor's own";

    // Asked by displayed column: column 1 shows the real column 2.
    std::vector<std::pair<int, int>> asked;
    rows = TableRows(TextDocument(grid, {1, 2}, [&](int displayCol, int row) {
        asked.emplace_back(displayCol, row);
        if (row == 0) return TCellAlignment::Center;
        return displayCol == 1 ? TCellAlignment::Right : TCellAlignment::Left;
    }));
    EXPECT_EQ(asked.size(), 6u);
    EXPECT_EQ(asked[3], std::make_pair(1, 1));
    EXPECT_EQ(rows[0], cell + "<text:p text:style-name=\"Center\">Status</text:p></table:table-cell>" + cell +
                           "<text:p text:style-name=\"Center\">Cost</text:p></table:table-cell>");
    EXPECT_EQ(rows[1], cell + "<text:p>Pending</text:p></table:table-cell>" + cell +
                           "<text:p text:style-name=\"Right\">12.50</text:p></table:table-cell>");
    EXPECT_EQ(rows[2], cell + "<text:p>a</text:p><text:p>b</text:p></table:table-cell>" + cell +
                           "<text:p text:style-name=\"Right\"><text:tab/></text:p></table:table-cell>");
}

TEST(FlatTextDocument, LongListsAreTablesOfFiftyRowsKeptApartByATinyParagraph) {
    TBaseGrid grid = GridOf({{"No", "Status"}});
    grid.SetRowCount(120);
    for (int r = 1; r < 120; ++r) grid.SetCellText(0, r, std::to_string(r));
    const std::string document = TextDocument(grid, {0, 1});
    std::vector<std::size_t> tables;
    for (std::size_t at = document.find("<table:table "); at != std::string::npos;
         at = document.find("<table:table ", at + 1))
        tables.push_back(at);
    ASSERT_EQ(tables.size(), 3u) << "the Word filters' time grows with the square of a table's rows";
    EXPECT_NE(document.find("</table:table>\n<text:p text:style-name=\"Gap\"/>\n"
                            "<table:table table:name=\"Table3\" table:style-name=\"Table\">\n"
                            "<table:table-column table:number-columns-repeated=\"2\"/>\n<table:table-row>"),
              std::string::npos);
    const std::vector<std::string> rows = TableRows(document);
    ASSERT_EQ(rows.size(), 120u) << "every row once, the header only at the top";
    EXPECT_LT(document.find(">49<"), tables[1]);
    EXPECT_LT(tables[1], document.find(">50<"));
}

}  // namespace
}  // namespace tkm
