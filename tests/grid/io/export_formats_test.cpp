#include "grid/io/export_formats.h"

#include "grid/io/csv_test_grids.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tkm {
namespace {

using test::GridOf;

TEST(ExportFormatsTest, TheClassicSixKeepTheirOrderAndTheNewTypesFollow) {
    const std::string classic =
        "Text document (*.txt)|*.txt|Web Document (*.htm)|*.htm|CSV (Comma delimited) (*.csv)|*.csv|"
        "Microsoft Word (*.doc)|*.doc|Microsoft Excel (*.xls)|*.xls|All files (*.*)|*.*";
    EXPECT_EQ(ExportFilter(), classic + "|OpenDocument Spreadsheet (*.ods)|*.ods|Excel Workbook (*.xlsx)|*.xlsx|"
                                        "OpenDocument Text (*.odt)|*.odt|Word Document (*.docx)|*.docx|"
                                        "iCalendar to-do list (*.ics)|*.ics");
    EXPECT_EQ(ExportFormatFor("ics")->Writer, TExportWriter::Calendar);
    EXPECT_EQ(ExportFormatAt(6)->Writer, TExportWriter::Text);  // "All files" writes text
    EXPECT_EQ(ExportFormatAt(5)->Office, TOfficeFormat::Xls);
    EXPECT_EQ(ExportFormatAt(0), nullptr);
    EXPECT_EQ(ExportFormatAt(12), nullptr);
    EXPECT_EQ(ExportFormatFor("docx")->Office, TOfficeFormat::Docx);
    EXPECT_EQ(ExportFormatFor(""), nullptr);
    EXPECT_EQ(ExportFormatFor("pdf"), nullptr);
}

TEST(ExportFormatsTest, OfficeTypesGoToTheServerOrSayThereIsNone) {
    const TBaseGrid grid = GridOf({{"No", "Status"}, {"1", "Pending"}});
    TExportSources sources;
    try {
        ExportGrid(grid, *ExportFormatFor("odt"), sources, "/nowhere/list.odt");
        FAIL() << "no server, yet exported";
    } catch (const EGridError& e) {
        EXPECT_STREQ(e.what(), "Word OLE server not found");
    }
    EXPECT_THROW(ExportGrid(grid, *ExportFormatFor("xlsx"), sources, "/nowhere/list.xlsx"), EGridError);

    std::vector<std::pair<TOfficeFormat, std::string>> asked;
    sources.Office = [&](const TBaseGrid&, TOfficeFormat format, const std::string& fileName, std::stop_token) {
        asked.emplace_back(format, fileName);
    };
    ExportGrid(grid, *ExportFormatAt(4), sources, "list.doc");
    EXPECT_EQ(asked, (std::vector<std::pair<TOfficeFormat, std::string>>{{TOfficeFormat::Doc, "list.doc"}}));
}

TEST(ExportFormatsTest, AnExcel97SheetRefusesMoreRowsThanItHoldsAndNamesTheWayOut) {
    TBaseGrid grid = GridOf({{"No"}, {"1"}});
    grid.SetRowCount(65536);
    int exported = 0;
    TExportSources sources;
    sources.Office = [&](const TBaseGrid&, TOfficeFormat, const std::string&, std::stop_token) { ++exported; };
    ExportGrid(grid, *ExportFormatFor("xls"), sources, "fits.xls");
    grid.SetRowCount(65537);
    try {
        ExportGrid(grid, *ExportFormatFor("xls"), sources, "too-long.xls");
        FAIL() << "a truncated sheet was written";
    } catch (const ERowLimitError& e) {
        EXPECT_STREQ(e.what(), "Microsoft Excel (*.xls) holds at most 65,536 rows, and this list has 65,537.");
        EXPECT_STREQ(e.Larger().Description, "Excel Workbook (*.xlsx)");
    }
    EXPECT_EQ(exported, 1);
    ExportGrid(grid, *ExportFormatFor("xlsx"), sources, "fits.xlsx");
    EXPECT_EQ(exported, 2);
}

}  // namespace
}  // namespace tkm
