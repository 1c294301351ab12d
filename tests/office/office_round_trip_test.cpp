// Word and Excel files written through the real LibreOffice, read back by
// LibreOffice as text. Each conversion starts LibreOffice: keep these few.
#include "base/windows_1252.h"
#include "grid/io/csv_test_grids.h"
#include "grid/io/office_export.h"
#include "platform/core/libreoffice_converter.h"
#include "platform/core/time_limited_process.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tkm {
namespace {

using test::GridOf;
using test::ReadBytes;
using test::TRows;
using test::TTempFolder;

namespace fs = std::filesystem;

// Cells a spreadsheet would read as numbers, dates, formulas or truth values,
// mark-up, line breaks, spaces and Windows-1252 bytes.
const TRows Rows{
    {"No", "Entry Date", "Status", "Task Description", "Total Hours"},
    {"1", "01/12/2026", "In Progress", "Write report\r\nsecond line", "1.5"},
    {"2", "2026-12-01", "Not Started", "a < b & c > d, \"quoted\"", "0042"},
    {"3", "", "Pending", "=1+1", "1e5"},
    {"4", "TRUE", "Completed", "  two  spaces \tand a tab", "50%"},
    {"5", "12:30", "Cancelled", "caf\xE9 \x80 \xC3\xA9", "-3,5"},
};

// The text LibreOffice shows for a cell: CRs dropped, Windows-1252 read as such.
std::string Shown(const std::string& cell) {
    std::string buffer, shown;
    for (const char c : std::string(ShownAsUtf8(cell, buffer)))
        if (c != '\r') shown += c;
    return shown;
}

class OfficeRoundTrip : public testing::Test {
protected:
    void SetUp() override {
        soffice_ = FindProgramOnPath("soffice");
        if (!soffice_) GTEST_SKIP() << "soffice is not installed (scripts/deps.sh installs LibreOffice)";
    }

    // `file` converted by LibreOffice with `filter`, as bytes.
    std::string ConvertedBack(const std::string& file, const std::string& filter, const std::string& extension) {
        const std::string out = folder_.File("back");
        const TProcessOutcome outcome =
            RunTimeLimited(*soffice_,
                           {"-env:UserInstallation=file://" + folder_.File("profile"), "--headless", "--norestore",
                            "--convert-to", filter, "--outdir", out, file},
                           folder_.File("soffice.log"), std::chrono::minutes(3));
        EXPECT_EQ(outcome.End, TProcessOutcome::TEnd::Exited) << ReadBytes(folder_.File("soffice.log"));
        return ReadBytes(out + "/" + fs::path(file).stem().string() + "." + extension);
    }

    std::optional<std::string> soffice_;
    TTempFolder folder_;
    TLibreOfficeConverter converter_;
};

TEST_F(OfficeRoundTrip, AnExcel97SheetHoldsEveryCellAsItsText) {
    const std::string xls = folder_.File("my list #1.xls");
    ExportOfficeDocument(GridOf(Rows), {0, 1, 2, 3, 4}, TOfficeFormat::Xls, xls, converter_);
    // Text cells come back quoted; a number, date or formula would not.
    const std::string csv = ConvertedBack(xls, "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true", "csv");
    std::string expected;
    for (const auto& row : Rows) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) expected += ',';
            std::string field = Shown(row[c]);
            if (field.empty()) continue;
            expected += '"';
            for (const char ch : field) expected += ch == '"' ? std::string("\"\"") : std::string(1, ch);
            expected += '"';
        }
        expected += '\n';
    }
    std::string got;
    for (const char c : csv)
        if (c != '\r') got += c;
    EXPECT_EQ(got, expected);
}

// Entries as the task table holds them: numbers, dates and times beside texts
// that only look like formulas or numbers.
const TRows TypedRows{
    {"No", "Entry Date", "Due Time", "Cost", "Task Description"},
    {"1", "01/12/2026", "09:30:00", "12.50", "=SUM(D2:D5)"},
    {"2", "2026-12-01", "9:30", "7", "+1"},
    {"3", "31/02/2026", "", "-2.25", "@x"},
    {"4", "", "25:00:00", "=1+1", "-3 x"},
    {"5", "1/1/26", "12:30 x", "1,5", "\ttab\there"},
};

using enum TSheetValueType;
const TSheetTyping Typing{{Number, Date, Time, Number, Text}, {}};

// The lines of a CSV file LibreOffice wrote with ";" between fields and text
// cells quoted; numbers written with a comma (a German desktop) get a point.
std::vector<std::string> CsvLines(const std::string& csv) {
    std::vector<std::string> lines(1);
    bool quoted = false;
    for (const char c : csv) {
        if (c == '"') quoted = !quoted;
        if (c == '\r') continue;
        if (c == '\n' && !quoted) lines.emplace_back();
        else lines.back() += c == ',' && !quoted ? '.' : c;
    }
    if (lines.back().empty()) lines.pop_back();
    return lines;
}

const char* const QuotedTextCsv = "csv:Text - txt - csv (StarCalc):59,34,76,1,,0,true";

TEST_F(OfficeRoundTrip, AnExcelWorkbookSumsItsCostsAndKeepsEveryOtherTextAsText) {
    const std::string xlsx = folder_.File("list.xlsx");
    ExportOfficeDocument(GridOf(TypedRows), {0, 1, 2, 3, 4}, TOfficeFormat::Xlsx, xlsx, converter_, {}, Typing);
    // A formula below the costs, added to the workbook as LibreOffice reads it.
    std::string sheet = ConvertedBack(xlsx, "fods", "fods");
    const std::size_t end = sheet.find("</table:table>");
    ASSERT_NE(end, std::string::npos);
    sheet.insert(end, "<table:table-row><table:table-cell table:formula=\"of:=SUM([.D2:.D6])\"/></table:table-row>");
    // Calc drops the <text:tab/> it writes in a cell as it reads one.
    for (std::size_t tab; (tab = sheet.find("<text:tab/>")) != std::string::npos;) sheet.replace(tab, 11, "\t");
    test::WriteBytes(folder_.File("summed.fods"), sheet);
    const std::vector<std::string> lines = CsvLines(ConvertedBack(folder_.File("summed.fods"), QuotedTextCsv, "csv"));
    const std::vector<std::string> expected{
        R"x("No";"Entry Date";"Due Time";"Cost";"Task Description")x",
        R"x(1;01/12/2026;09:30:00;12.50;"=SUM(D2:D5)")x",
        R"x(2;"2026-12-01";09:30:00;7;"+1")x",
        R"x(3;"31/02/2026";;-2.25;"@x")x",
        R"x(4;;"25:00:00";"=1+1";"-3 x")x",
        "5;01/01/2026;\"12:30 x\";\"1,5\";\"\ttab\there\"",
        "17.25;;;;",
    };
    EXPECT_EQ(lines, expected);
}

TEST_F(OfficeRoundTrip, AnOpenDocumentSpreadsheetKeepsTabsAndNumbers) {
    const std::string ods = folder_.File("list.ods");
    ExportOfficeDocument(GridOf(TypedRows), {0, 3, 4}, TOfficeFormat::Ods, ods, converter_, {}, Typing);
    const std::vector<std::string> lines = CsvLines(ConvertedBack(ods, QuotedTextCsv, "csv"));
    ASSERT_EQ(lines.size(), TypedRows.size());
    EXPECT_EQ(lines[1], R"x(1;12.50;"=SUM(D2:D5)")x");
    EXPECT_EQ(lines[5], "5;\"1,5\";\"\ttab\there\"") << "Calc drops <text:tab/> as it reads a cell";
}

TEST_F(OfficeRoundTrip, AWord97DocumentHoldsEveryCellInATableAlignedAsTheHookSays) {
    const std::string doc = folder_.File("list.doc");
    ExportOfficeDocument(GridOf(Rows), {0, 2, 3}, TOfficeFormat::Doc, doc, converter_, [](int displayCol, int row) {
        return row == 0 ? TCellAlignment::Center : displayCol == 0 ? TCellAlignment::Right : TCellAlignment::Left;
    });
    // The text export writes each paragraph of each cell on a line of its own.
    const std::string text = ConvertedBack(doc, "txt:Text (encoded):UTF8", "txt");
    std::string expected;
    for (const auto& row : Rows)
        for (const std::size_t c : {0, 2, 3}) expected += Shown(row[c]) + "\n";
    std::string got;
    for (const char c : text)
        if (c != '\r') got += c;
    if (got.starts_with("\xEF\xBB\xBF")) got.erase(0, 3);
    // Writer ends a document that ends in a table with an empty paragraph.
    if (got.ends_with("\n\n")) got.pop_back();
    EXPECT_EQ(got, expected);

    const std::string flat = ConvertedBack(doc, "fodt", "fodt");
    EXPECT_NE(flat.find("fo:text-align=\"end\""), std::string::npos) << "right-aligned numbers";
    EXPECT_NE(flat.find("fo:text-align=\"center\""), std::string::npos) << "a centred header row";
}

// A long list is written as short tables, apart, for the Word filters' sake;
// read back, every row is there once, in order, and nothing else is.
TEST_F(OfficeRoundTrip, AWordDocumentOfALongListHoldsEveryRowInOrderInTablesKeptApart) {
    TRows rows{{"No", "Task Description"}};
    for (int i = 1; i <= 120; ++i) rows.push_back({std::to_string(i), "Task " + std::to_string(i)});
    const std::string docx = folder_.File("long.docx");
    ExportOfficeDocument(GridOf(rows), {0, 1}, TOfficeFormat::Docx, docx, converter_);
    std::string expected;
    for (const auto& row : rows) expected += row[0] + "\n" + row[1] + "\n";
    std::string got;
    for (const char c : ConvertedBack(docx, "txt:Text (encoded):UTF8", "txt"))
        if (c != '\r' && !(c == '\n' && (got.empty() || got.back() == '\n'))) got += c;
    if (got.starts_with("\xEF\xBB\xBF")) got.erase(0, 3);
    EXPECT_EQ(got, expected);

    const std::string flat = ConvertedBack(docx, "fodt", "fodt");
    std::size_t tables = 0;
    for (std::size_t at = flat.find("<table:table "); at != std::string::npos; at = flat.find("<table:table ", at + 1))
        ++tables;
    EXPECT_EQ(tables, 3u);
}

}  // namespace
}  // namespace tkm
