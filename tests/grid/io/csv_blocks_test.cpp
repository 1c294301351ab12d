// Reading in blocks on every core must give exactly what reading line by line gives.
#include "base/errors.h"
#include "grid/io/csv_lines.h"
#include "grid/io/csv_test_grids.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <random>

namespace tkm {
namespace {

using test::RowsOf;
using test::TRows;

struct TReadResult {
    TRows Rows;
    int ColCount = 0;
    std::optional<std::string> Failure;
    bool operator==(const TReadResult&) const = default;
};

// Into a fresh grid with one fixed row and column, so that a read without
// fixed cells starts at column 1, row 1.
TReadResult Read(std::string_view bytes, const TCsvSettings& settings, std::size_t blockSize) {
    TBaseGrid grid(3, 0);
    TReadResult result;
    try {
        ReadCsvInBlocks(grid, bytes, settings, blockSize);
        // The texts of adopted blocks take edits like any others.
        if (grid.RowCount() > 0) {
            grid.SetCellText(0, grid.RowCount() - 1, "edited last");
            grid.SetCellText(grid.ColCount() - 1, 0, "edited first");
        }
    } catch (const EGridError& e) {
        result.Failure = e.what();
    }
    result.Rows = RowsOf(grid);
    result.ColCount = grid.ColCount();
    return result;
}

void ExpectBlocksAgree(std::string_view bytes, const TCsvSettings& settings, const std::string& what) {
    const TReadResult byLine = Read(bytes, settings, 0);
    for (const std::size_t blockSize : {1u, 5u, 64u, 4096u}) {
        const TReadResult byBlock = Read(bytes, settings, blockSize);
        if (byBlock.Failure || byLine.Failure) {
            EXPECT_EQ(byBlock.Failure, byLine.Failure) << what << ", blocks of " << blockSize;
            continue;  // the rows read before a failure are not kept by any caller
        }
        EXPECT_EQ(byBlock, byLine) << what << ", blocks of " << blockSize;
    }
}

// The first byte picks the settings, as the fuzz target reads its inputs.
TCsvSettings SettingsOf(unsigned char first) {
    static constexpr char Separators[] = {0, ',', ';', '\t', '|', '#', '"', '\r', '\n', 'a'};
    TCsvSettings settings;
    settings.FieldSeparator = Separators[first % sizeof Separators];
    settings.WriteFixedCells = (first & 0x10) == 0;
    return settings;
}

TEST(CsvBlocks, BlocksEndRightAfterLineEnds) {
    EXPECT_EQ(LineBlocks(TCsvText("a\r\nb\r\n"), 2), (std::vector<std::string_view>{"a\r\n", "b\r\n"}));
    EXPECT_EQ(LineBlocks(TCsvText("ab\r\ncd"), 1), (std::vector<std::string_view>{"ab\r\n", "cd"}));
    // A lone LF is text where lines end in CR LF, a line end where none does.
    EXPECT_EQ(LineBlocks(TCsvText("a\nb\r\nc"), 1), (std::vector<std::string_view>{"a\nb\r\n", "c"}));
    EXPECT_EQ(LineBlocks(TCsvText("a\nb\rc"), 1), (std::vector<std::string_view>{"a\n", "b\r", "c"}));
    EXPECT_EQ(LineBlocks(TCsvText("a\r\nb\x1A\r\nc"), 1), (std::vector<std::string_view>{"a\r\n", "b"}));
    EXPECT_TRUE(LineBlocks(TCsvText(""), 1).empty());
}

TEST(CsvBlocks, AgreeWithLineByLineOnTheFuzzCorpus) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(TKM_CSV_CORPUS)) {
        const std::string bytes = test::ReadBytes(entry.path().string());
        if (bytes.empty()) continue;
        ExpectBlocksAgree(std::string_view(bytes).substr(1), SettingsOf(static_cast<unsigned char>(bytes[0])),
                          entry.path().filename().string());
        ++files;
    }
    EXPECT_GT(files, 10);
}

// Quotes, separators, CR LF and bare LF inside cells, Windows-1252 bytes and
// the odd Ctrl-Z, with and without CR, with and without a last line end.
std::string RandomFile(std::mt19937& random, bool withCr) {
    static const std::vector<std::string> Pieces = {
        "a", "task", "\xE9t\xE9", "\x80\x9F", ",", ",", ";", "\"", "\"\"", "\"a,b\"", "\"x\r\ny\"", "\n", "\r\n",
        "\r\n", "\r", "\t", "|", "\x1A", "\"\\r", "\"\\n"};
    std::uniform_int_distribution<std::size_t> piece(0, Pieces.size() - 1);
    std::uniform_int_distribution<int> length(0, 400);
    std::string file;
    for (int n = length(random); n > 0; --n) {
        const std::string& next = Pieces[piece(random)];
        if (next == "\x1A" && random() % 4 != 0) continue;
        if (!withCr && next.find('\r') != std::string::npos) continue;
        file += next;
    }
    if (random() % 2) file += withCr ? "\r\n" : "\n";
    return file;
}

TEST(CsvBlocks, AgreeWithLineByLineOnRandomFiles) {
    std::mt19937 random(31);
    for (int i = 0; i < 300; ++i) {
        const bool withCr = i % 3 != 0;
        const std::string file = RandomFile(random, withCr);
        TCsvSettings settings;
        if (i % 5 == 1) settings.FieldSeparator = ';';
        if (i % 7 == 2) settings.WriteFixedCells = false;
        ExpectBlocksAgree(file, settings, "random file " + std::to_string(i));
    }
}

TEST(CsvBlocks, TheColumnLimitFailsAtTheSameLine) {
    const std::string file = "a,b\r\nc,d\r\n" + std::string(MaxLoadColumns + 5, ',') + "\r\ne\r\n";
    for (const std::size_t blockSize : {0u, 1u, 4096u}) {
        const TReadResult result = Read(file, {}, blockSize);
        EXPECT_EQ(result.Failure, "line 3 has more than 16384 fields") << "blocks of " << blockSize;
    }
}

// Large texts are read in blocks by themselves, on more than one core.
TEST(CsvBlocks, LargeTextsAgreeWithLineByLine) {
    std::mt19937 random(7);
    std::string file = "No,Task,Cost\r\n";
    for (int i = 0; file.size() < (std::size_t(3) << 20); ++i)
        file += std::to_string(i) + ",\"" + RandomFile(random, true).substr(0, 40) + "\"," + std::to_string(i % 97) +
                "\r\n";
    TBaseGrid automatic(1, 0);
    ReadCsv(automatic, file);
    TBaseGrid byLine(1, 0);
    ReadCsvInBlocks(byLine, file, {}, 0);
    EXPECT_EQ(automatic.RowCount(), byLine.RowCount());
    EXPECT_EQ(RowsOf(automatic), RowsOf(byLine));
}

}  // namespace
}  // namespace tkm
