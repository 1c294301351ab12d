#include "grid/io/office_export.h"
#include "base/errors.h"
#include "grid/io/csv_test_grids.h"
#include "platform/fake/fake_office_converter.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using test::GridOf;

TEST(OfficeExport, WordGetsATableAndExcelASheetOfTheShownColumns) {
    const TBaseGrid grid = GridOf({{"No", "Status", "Cost"}, {"1", "Pending", "1.5"}});
    FakeOfficeConverter converter;
    ExportOfficeDocument(grid, {2, 0}, TOfficeFormat::Doc, "/x/list.doc", converter,
                         [](int displayCol, int) { return displayCol == 0 ? TCellAlignment::Right : TCellAlignment::Left; });
    EXPECT_EQ(converter.Format, TOfficeFormat::Doc);
    EXPECT_EQ(converter.TargetPath, "/x/list.doc");
    EXPECT_NE(converter.Document.find("opendocument.text"), std::string::npos);
    EXPECT_NE(converter.Document.find("<text:p text:style-name=\"Right\">1.5</text:p>"), std::string::npos);
    EXPECT_EQ(converter.Document.find("Pending"), std::string::npos) << "a hidden column stays out";

    ExportOfficeDocument(grid, {1}, TOfficeFormat::Xlsx, "/x/list.xlsx", converter);
    EXPECT_EQ(converter.Format, TOfficeFormat::Xlsx);
    EXPECT_NE(converter.Document.find("opendocument.spreadsheet"), std::string::npos);
    EXPECT_NE(converter.Document.find("<text:p>Pending</text:p>"), std::string::npos);

    for (const int wrong : {3, -1})
        EXPECT_THROW(ExportOfficeDocument(grid, {0, wrong}, TOfficeFormat::Ods, "/x/list.ods", converter), EGridError);
    EXPECT_EQ(converter.Calls, 2);
}

TEST(OfficeExport, TheServersFailureReachesTheCallerWithItsReason) {
    FakeOfficeConverter converter;
    converter.FailWith = "LibreOffice wrote no file";
    try {
        ExportOfficeDocument(GridOf({{"No"}, {"1"}}), {0}, TOfficeFormat::Xls, "/x/list.xls", converter);
        FAIL() << "no failure";
    } catch (const EGridFileError& e) {
        EXPECT_EQ(e.FullMessage(), "Cannot Create file /x/list.xls: LibreOffice wrote no file");
    }
}

TEST(OfficeExport, AnExcel97SheetTakesAtMost65536RowsHeaderIncluded) {
    TBaseGrid grid(2, 65536);
    FakeOfficeConverter converter;
    ExportOfficeDocument(grid, {0, 1}, TOfficeFormat::Xls, "/x/full.xls", converter);
    EXPECT_EQ(converter.Calls, 1) << "65,536 rows fit exactly";

    grid.SetRowCount(65537);
    try {
        ExportOfficeDocument(grid, {0, 1}, TOfficeFormat::Xls, "/x/long.xls", converter);
        FAIL() << "a cut-short sheet";
    } catch (const EGridError& e) {
        EXPECT_STREQ(e.what(),
                     "A sheet of type Microsoft Excel (*.xls) holds at most 65,536 rows; this list has "
                     "65,537 with its header. Save it as Excel Workbook (*.xlsx), which holds 1,048,576 rows.");
    }
    EXPECT_EQ(converter.Calls, 1) << "nothing handed to the server";
    ExportOfficeDocument(grid, {0, 1}, TOfficeFormat::Xlsx, "/x/long.xlsx", converter);
    EXPECT_EQ(converter.Calls, 2) << "the workbook takes it";
}

TEST(OfficeExport, AnExcelCellTakesAtMost32767CharactersAsExcelCountsThem) {
    const std::string emoji = "\xF0\x9F\x98\x80";  // two UTF-16 units
    std::string manyEmoji;
    for (int i = 0; i < 16383; ++i) manyEmoji += emoji;
    TBaseGrid grid =
        GridOf({{"No", "Task Description"}, {"1", std::string(32767, 'a') + "\r"}, {"2", manyEmoji + "b"}});
    FakeOfficeConverter converter;
    for (const TOfficeFormat format : {TOfficeFormat::Xls, TOfficeFormat::Xlsx})
        ExportOfficeDocument(grid, {0, 1}, format, "/x/long", converter);
    EXPECT_EQ(converter.Calls, 2) << "a CR is not sent, so it is not counted";

    grid.SetCellText(1, 2, manyEmoji + emoji);
    try {
        ExportOfficeDocument(grid, {0, 1}, TOfficeFormat::Xlsx, "/x/long.xlsx", converter);
        FAIL() << "a cut-short cell";
    } catch (const EGridError& e) {
        EXPECT_STREQ(e.what(),
                     "A cell of type Excel Workbook (*.xlsx) holds at most 32,767 characters; Task Description "
                     "in row 2 has 32,768. Save it as OpenDocument Spreadsheet (*.ods), which keeps it whole.");
    }
    grid.SetCellText(1, 2, std::string(40000, '\xE9'));  // Windows-1252: one character a byte
    EXPECT_THROW(ExportOfficeDocument(grid, {0, 1}, TOfficeFormat::Xls, "/x/long.xls", converter), EGridError);
    EXPECT_EQ(converter.Calls, 2);
    ExportOfficeDocument(grid, {0, 1}, TOfficeFormat::Ods, "/x/long.ods", converter);
    ExportOfficeDocument(grid, {0, 1}, TOfficeFormat::Docx, "/x/long.docx", converter);
    EXPECT_EQ(converter.Calls, 4);
}

}  // namespace
}  // namespace tkm
