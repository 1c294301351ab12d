#include "grid/io/csv_reader.h"
#include "grid/io/csv_test_grids.h"
#include "base/errors.h"
#include "base/file_bytes.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {
namespace {

using test::Loaded;
using test::RowsOf;
using test::TTempFolder;
using test::WriteBytes;

std::string Pattern(std::size_t size) {
    std::string bytes(size, ' ');
    for (std::size_t i = 0; i < size; ++i) bytes[i] = char('a' + i % 23);
    return bytes;
}

TEST(FileBytes, ReleasingAPrefixKeepsTheRest) {
    TTempFolder folder;
    const std::size_t page = std::size_t(sysconf(_SC_PAGESIZE));
    const std::string bytes = Pattern(5 * page + 123);
    WriteBytes(folder.File("f"), bytes);
    TFileBytes file(folder.File("f"));
    ASSERT_EQ(file.View(), bytes);
    file.Release(page + 7);  // not on a page boundary: the page it falls in stays
    EXPECT_EQ(file.View().substr(page), std::string_view(bytes).substr(page));
    file.Release(3 * page);
    file.Release(2 * page);  // backwards is nothing
    EXPECT_EQ(file.View().substr(3 * page), std::string_view(bytes).substr(3 * page));
    file.Release(bytes.size() + page);  // beyond the end keeps the last partial page
    EXPECT_EQ(file.View().substr(5 * page), std::string_view(bytes).substr(5 * page));
}

// Large files are read in one part per core: the parts meet without a gap or an overlap.
TEST(FileBytes, ALargeFileReadInPartsIsItsBytesTellsHowFarItCameAndStopsWhenTold) {
    TTempFolder folder;
    const std::string bytes = Pattern((std::size_t(64) << 20) + 12345);
    WriteBytes(folder.File("large"), bytes);
    std::vector<std::size_t> heard;
    const TFileBytes file(folder.File("large"), [&](std::size_t read, std::size_t total) {
        EXPECT_EQ(total, bytes.size());
        heard.push_back(read);
    });
    EXPECT_TRUE(file.View() == bytes);
    EXPECT_GE(heard.size(), 4u);
    EXPECT_TRUE(std::is_sorted(heard.begin(), heard.end()));
    EXPECT_EQ(heard.back(), bytes.size());

    // The other parts' threads end too: nothing runs on after the stop.
    int calls = 0;
    const auto stopAtOnce = [&](std::size_t, std::size_t) {
        ++calls;
        throw EAbort();
    };
    EXPECT_THROW(TFileBytes(folder.File("large"), stopAtOnce), EAbort);
    EXPECT_EQ(calls, 1);

    // Loading a document, reading is the first stretch of the bar.
    std::vector<int> percents;
    TCsvSettings settings;
    settings.OnFileProgress = [&](int percent) { percents.push_back(percent); };
    TBaseGrid grid(1, 0);
    ReadCsvFile(grid, folder.File("large"), settings);
    ASSERT_GE(percents.size(), 3u);
    EXPECT_LE(percents.front(), 5);
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_EQ(percents.back(), 100);
}

std::string OpenFailure(const std::string& path) {
    try {
        TFileBytes file(path);
    } catch (const EGridFileError& e) {
        return e.FullMessage();
    }
    return "opened";
}

// A pipe with no writer would make the open wait forever, a device never end.
TEST(FileBytes, OnlyRegularFilesAreRead) {
    TTempFolder folder;
    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, std::string("/dev/zero"), folder.Path().string()})
        EXPECT_EQ(OpenFailure(path), "Cannot open file " + path + ": not a regular file");
    EXPECT_EQ(OpenFailure(folder.File("missing")), "Cannot open file " + folder.File("missing") + ": " + ErrnoText(ENOENT));
}

// The address sanitizer reserves more address space than the limit below.
// GCC says so with __SANITIZE_ADDRESS__, clang only through __has_feature.
#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define TKM_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(TKM_ADDRESS_SANITIZER)
constexpr bool AddressSanitizer = true;
#else
constexpr bool AddressSanitizer = false;
#endif

TEST(FileBytes, AFileLargerThanMemoryAllowsIsRefusedWithItsSize) {
    if (AddressSanitizer) GTEST_SKIP() << "no address space limit under the address sanitizer";
    TTempFolder folder;
    const std::string huge = folder.File("huge.tkm");
    WriteBytes(huge, "");
    ASSERT_EQ(truncate(huge.c_str(), off_t(3) << 40), 0);  // sparse: takes no disk
    rlimit old {};
    getrlimit(RLIMIT_AS, &old);
    rlimit limited = old;
    limited.rlim_cur = std::size_t(1) << 40;
    setrlimit(RLIMIT_AS, &limited);
    const std::string failure = OpenFailure(huge);
    setrlimit(RLIMIT_AS, &old);
    EXPECT_EQ(failure, "Cannot open file " + huge + ": not enough memory (3145728 MB)");
}

// The file reader gives lines back to the system as it goes; lines far past
// the first release still arrive whole, a long line across a page too.
TEST(FileBytes, DocumentFarLargerThanAReleaseStepLoadsLikeItsBytes) {
    TTempFolder folder;
    std::string bytes;
    for (int i = 0; bytes.size() < (std::size_t(20) << 20); ++i)
        bytes += std::to_string(i) + ",\"" + Pattern(std::size_t(i % 9000)) + "\",\"a, \"\"b\"\"\"\r\n";
    WriteBytes(folder.File("big.tkm"), bytes);
    TBaseGrid grid(1, 0);
    grid.SetFixedCols(0);
    ReadCsvFile(grid, folder.File("big.tkm"));
    EXPECT_EQ(RowsOf(grid), RowsOf(Loaded(bytes)));
}

}  // namespace
}  // namespace tkm
