#include "grid/io/text_writer.h"

#include "grid/io/csv_test_grids.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

namespace tkm {
namespace {

using test::GridOf;

std::string Text(const TBaseGrid& grid, const TAlignmentHook& alignment = {}) {
    std::string out;
    WriteText(grid, alignment, [&](std::string_view bytes) { out += bytes; });
    return out;
}

TBaseGrid TwoEntries() {
    return GridOf({{"No", "Entry Date", "Status", "Task Description"},
                   {"1", "07/12/2026", "In Progress", "Write report"},
                   {"2", "07/12/2026", "Not Started", "Buy paper, toner"}});
}

TEST(TextWriterTest, PadsEachShownColumnToItsLongestTextPlusOneSpace) {
    TBaseGrid grid = TwoEntries();
    grid.HideColumn(1);
    EXPECT_EQ(Text(grid),
              "No Status      Task Description \r\n"
              "1  In Progress Write report     \r\n"
              "2  Not Started Buy paper, toner \r\n");

    // An all-empty column takes one space; only a cell's first line counts and shows.
    TBaseGrid sparse = GridOf({{"", "Comment"}, {"", "first\r\nsecond line is longer"}, {"", "lone\nfeed"}});
    EXPECT_EQ(Text(sparse), " Comment \r\n first   \r\n lone    \r\n");
}

TEST(TextWriterTest, CountsCharactersNotBytesAndAlignsThroughTheHook) {
    // "Müller" is six characters in UTF-8; the Windows-1252 "M\xFC" two, written
    // in UTF-8 as the grid shows it.
    TBaseGrid grid = GridOf({{"Name", "N"}, {"M\xC3\xBCller", "7"}, {"M\xFC", "12345"}, {"\x93q\x94", ""}});
    EXPECT_EQ(Text(grid), "Name   N     \r\nM\xC3\xBCller 7     \r\nM\xC3\xBC     12345 \r\n"
                          "\xE2\x80\x9Cq\xE2\x80\x9D          \r\n");

    const TAlignmentHook hook = [](int col, int) { return col == 1 ? TCellAlignment::Right : TCellAlignment::Center; };
    // Centring adds a space each side, so an odd gap ends one wider, with no padding after.
    EXPECT_EQ(Text(GridOf({{"abc", "1"}, {"abcd", "123"}}), hook), " abc   1 \r\nabcd 123 \r\n");
}

TEST(TextWriterTest, AFileThatCannotBeCreatedIsNamedAndTheOldOneStays) {
    test::TTempFolder folder;
    EXPECT_THROW(
        {
            try {
                WriteTextFile(TwoEntries(), folder.File("missing/list.txt"));
            } catch (const EGridFileError& e) {
                EXPECT_EQ(std::string(e.what()), "Cannot Create file " + folder.File("missing/list.txt"));
                throw;
            }
        },
        EGridFileError);
    WriteTextFile(TwoEntries(), folder.File("list.txt"));
    EXPECT_EQ(test::ReadBytes(folder.File("list.txt")), Text(TwoEntries()));
}

}  // namespace
}  // namespace tkm
