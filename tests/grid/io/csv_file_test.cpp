#include "grid/io/csv_reader.h"
#include "grid/io/csv_writer.h"
#include "base/errors.h"
#include "grid/io/csv_test_grids.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tkm {
namespace {

using test::GridOf;
using test::ReadBytes;
using test::RowsOf;
using test::TRows;
using test::TTempFolder;
using test::WriteBytes;

namespace fs = std::filesystem;

std::vector<std::string> Entries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TBaseGrid BigGrid() {
    return GridOf(TRows(400, std::vector<std::string>(14, "some text for the cell")));
}

// A tmpfs of a few pages, for a real full disk and a real read-only folder
// (which root cannot get by permissions). Mounting needs root.
class TTinyFileSystem {
public:
    explicit TTinyFileSystem(const fs::path& at) : at_(at) {
        fs::create_directory(at_);
        mounted_ = geteuid() == 0 && mount("tmpfs", at_.c_str(), "tmpfs", 0, "size=64k") == 0;
    }
    ~TTinyFileSystem() {
        if (mounted_) umount(at_.c_str());
    }
    bool Mounted() const { return mounted_; }
    bool MakeReadOnly() { return mount("tmpfs", at_.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0; }

private:
    fs::path at_;
    bool mounted_ = false;
};

TEST(CsvFiles, SaveAndLoadDocument) {
    TTempFolder folder;
    const std::string path = folder.File("list.tkm");
    const TRows rows{{"No", "Task"}, {"1", "line\r\nbreak"}, {"2", "\"quoted\""}};
    WriteCsvFile(GridOf(rows), path);
    EXPECT_EQ(Entries(folder.Path()), (std::vector<std::string>{"list.tkm"}));

    TBaseGrid grid = GridOf({{"a", "b", "c"}, {"d", "e", "f"}, {"g", "h", "i"}, {"j", "k", "l"}});
    grid.AddComment(2, 3, "note");
    int changes = 0;
    const TCellsChangedHook hook(grid, [&](const TGridRect&) { ++changes; });
    LoadCsvDocument(grid, path);
    // Nothing of the former document stays behind, not even its third column's texts.
    EXPECT_EQ(RowsOf(grid), (TRows{{"No", "Task", ""}, {"1", "line\r\nbreak", ""}, {"2", "\"quoted\"", ""}}));
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(grid.CellObject(2, 2), nullptr);
}

TEST(CsvFiles, FailedLoadLeavesTheGridAlone) {
    TTempFolder folder;
    TBaseGrid grid = GridOf({{"keep", "me"}});
    for (const std::string& path : {folder.File("missing.tkm"), folder.Path().string()}) {
        try {
            LoadCsvDocument(grid, path);
            ADD_FAILURE() << path;
        } catch (const EGridFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
            EXPECT_FALSE(e.Reason().empty());
        }
        EXPECT_EQ(RowsOf(grid), (TRows{{"keep", "me"}}));
    }
}

TEST(CsvFiles, ContentBeyondTheLimitsIsRefusedWithTheReason) {
    TTempFolder folder;
    const std::string path = folder.File("wide.tkm");
    WriteBytes(path, "a,b\r\n" + std::string(MaxLoadColumns, ',') + "x\r\n");
    TBaseGrid grid = GridOf({{"keep"}});
    try {
        LoadCsvDocument(grid, path);
        ADD_FAILURE() << "loaded";
    } catch (const EGridFileError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot open file " + path);
        EXPECT_EQ(e.Reason(), "line 2 has more than 16384 fields");
    }
    EXPECT_EQ(RowsOf(grid), (TRows{{"keep"}}));
}

TEST(CsvFiles, NamesNearTheLengthLimitCanBeSaved) {
    TTempFolder folder;
    const std::string path = folder.File(std::string(250, 'n') + ".tkm");
    WriteCsvFile(GridOf({{"x"}}), path);
    EXPECT_EQ(ReadBytes(path), "x\r\n");
}

TEST(CsvFiles, CannotCreateNamesTheFile) {
    TTempFolder folder;
    for (const std::string& path : {folder.File("no/such/folder.tkm"), folder.Path().string()}) {
        try {
            WriteCsvFile(GridOf({{"x"}}), path);
            ADD_FAILURE() << path;
        } catch (const EGridFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot Create file " + path);
            EXPECT_FALSE(e.Reason().empty());
        }
    }
    EXPECT_TRUE(Entries(folder.Path()).empty());
}

// The size limit makes writes fail the way a full disk does, without root.
TEST(CsvFiles, FailedWriteKeepsTheOldDocument) {
    TTempFolder folder;
    const std::string path = folder.File("list.tkm");
    WriteBytes(path, "old,document\r\n");
    rlimit saved{};
    getrlimit(RLIMIT_FSIZE, &saved);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit tight = saved;
    tight.rlim_cur = 64 * 1024;
    setrlimit(RLIMIT_FSIZE, &tight);
    try {
        WriteCsvFile(BigGrid(), path);
        ADD_FAILURE() << "the write passed the size limit";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Path(), path);
        EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
        EXPECT_EQ(e.Reason(), ErrnoText(EFBIG));
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    EXPECT_EQ(ReadBytes(path), "old,document\r\n");
    EXPECT_EQ(Entries(folder.Path()), (std::vector<std::string>{"list.tkm"}));
}

TEST(CsvFiles, FullDiskKeepsTheOldDocument) {
    TTempFolder folder;
    TTinyFileSystem disk(folder.Path() / "disk");
    if (!disk.Mounted()) GTEST_SKIP() << "needs root to mount a tmpfs";
    const std::string path = (folder.Path() / "disk" / "list.tkm").string();
    WriteBytes(path, "old,document\r\n");
    try {
        WriteCsvFile(BigGrid(), path);
        ADD_FAILURE() << "the write passed a full disk";
    } catch (const EInOutError& e) {
        EXPECT_EQ(e.Reason(), ErrnoText(ENOSPC));
    }
    EXPECT_EQ(ReadBytes(path), "old,document\r\n");
    EXPECT_EQ(Entries(folder.Path() / "disk"), (std::vector<std::string>{"list.tkm"}));
}

TEST(CsvFiles, ReadOnlyFolderCannotBeWritten) {
    TTempFolder folder;
    TTinyFileSystem disk(folder.Path() / "disk");
    const fs::path where = folder.Path() / "disk";
    const std::string path = (where / "list.tkm").string();
    WriteBytes(path, "old\r\n");
    if (disk.Mounted()) {
        ASSERT_TRUE(disk.MakeReadOnly());
    } else if (geteuid() == 0) {
        GTEST_SKIP() << "root ignores folder permissions and cannot mount here";
    } else {
        fs::permissions(where, fs::perms::owner_read | fs::perms::owner_exec);
    }
    EXPECT_THROW(WriteCsvFile(GridOf({{"new"}}), path), EGridFileError);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    std::error_code ignored;
    fs::permissions(where, fs::perms::owner_all, ignored);
}

TEST(CsvFiles, ReplacingKeepsPermissionsAndLinks) {
    TTempFolder folder;
    const std::string real = folder.File("real.tkm");
    const std::string link = folder.File("link.tkm");
    WriteBytes(real, "old\r\n");
    chmod(real.c_str(), 0640);
    fs::create_symlink("real.tkm", link);
    WriteCsvFile(GridOf({{"new"}}), link);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(ReadBytes(real), "new\r\n");
    struct stat st {};
    stat(real.c_str(), &st);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(CsvFiles, WriteProtectedDocumentIsNotReplaced) {
    if (geteuid() == 0) GTEST_SKIP() << "root may write any file";
    TTempFolder folder;
    const std::string path = folder.File("list.tkm");
    WriteBytes(path, "old\r\n");
    chmod(path.c_str(), 0444);
    EXPECT_THROW(WriteCsvFile(GridOf({{"new"}}), path), EGridFileError);
    EXPECT_EQ(ReadBytes(path), "old\r\n");
}

}  // namespace
}  // namespace tkm
