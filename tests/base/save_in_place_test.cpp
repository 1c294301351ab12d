#include "base/atomic_file.h"
#include "base/save_record.h"

#include "support/atomic_save.h"
#include "support/scoped_env.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <functional>
#include <random>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tkm {
namespace {

using test::ReadBytes;
using test::Save;
using test::TScopedEnv;
using test::TTempFolder;
using test::WriteBytes;
namespace fs = std::filesystem;

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

constexpr uid_t Nobody = 65534;

// A document in a folder its user cannot write, with a home of its own (no
// cache or state folder yet). Root can write anywhere: its steps run as nobody.
class ReadOnlyFolderTest : public testing::Test {
protected:
    ReadOnlyFolderTest() {
        fs::create_directory(home);
        fs::create_directory(locked);
        WriteBytes(path, "old\r\n");
        if (geteuid() == 0) {
            chmod(folder.Path().c_str(), 0755);
            chown(home.c_str(), Nobody, Nobody);
            chown(path.c_str(), Nobody, Nobody);
        } else {
            chmod(locked.c_str(), 0555);
        }
    }

    ~ReadOnlyFolderTest() override { chmod(locked.c_str(), 0755); }

    // In a child process: goes on as the document's user.
    static void BecomeUser() {
        if (geteuid() == 0 && (setgid(Nobody) != 0 || setuid(Nobody) != 0)) _exit(3);
    }

    // Runs `step` in a child process as the document's user; its exit status.
    static int RunAsUser(const std::function<void()>& step) {
        const pid_t child = fork();
        if (child == 0) {
            BecomeUser();
            step();
            _exit(0);
        }
        int status = 0;
        waitpid(child, &status, 0);
        return status;
    }

    TTempFolder folder;
    const std::string home = folder.File("home");
    const std::string locked = folder.File("locked");
    const std::string path = locked + "/list.tkm";
    const TScopedEnv homeVariable{"HOME", home};
    const TScopedEnv cacheVariable{"XDG_CACHE_HOME", ""};
    const TScopedEnv stateVariable{"XDG_STATE_HOME", ""};
};

// The save of a hard-linked document puts its copy under a new name: a file
// of the user's that has the old "NAME~" name, or is a link to another file,
// stays as it was.
TEST(SaveInPlace, TheBackupCopyNeverWritesOverAFileOfItsName) {
    TTempFolder folder;
    const TScopedEnv state("XDG_STATE_HOME", folder.File("state"));
    const std::string path = folder.File("list.tkm");
    WriteBytes(path, "old\r\n");
    ASSERT_EQ(link(path.c_str(), folder.File("other-name.tkm").c_str()), 0);
    WriteBytes(folder.File("precious.txt"), "mine\n");
    ASSERT_EQ(link(folder.File("precious.txt").c_str(), folder.File("list.tkm~").c_str()), 0);

    Save(path, "new\r\n");
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    EXPECT_EQ(ReadBytes(folder.File("precious.txt")), "mine\n");
    EXPECT_EQ(ReadBytes(folder.File("list.tkm~")), "mine\n");
    EXPECT_EQ(Names(folder.Path()),
              (std::vector<std::string>{"list.tkm", "list.tkm~", "other-name.tkm", "precious.txt", "state"}));
}

TEST_F(ReadOnlyFolderTest, TheCopyGoesToACacheFolderMadeForIt) {
    EXPECT_EQ(RunAsUser([&] { Save(path, "new\r\n"); }), 0);
    EXPECT_EQ(ReadBytes(path), "new\r\n");
    const std::string backups = home + "/.cache/Taskmere/backups";
    struct stat st {};
    ASSERT_EQ(stat(backups.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0700u);
    EXPECT_TRUE(fs::is_empty(backups));
}

// A save that ends half-way, as a kill leaves it: the next open puts the
// version before it back, says so once, and leaves no copy or note behind.
TEST_F(ReadOnlyFolderTest, AnUnfinishedSaveIsUndoneAtTheNextOpen) {
    EXPECT_EQ(RunAsUser([&] {
                  TAtomicFile file(path);
                  file.Write("ha");
                  _exit(0);
              }),
              0);
    ASSERT_EQ(ReadBytes(path), "ha");
    EXPECT_EQ(RestoreUnfinishedSave(path),
              path + " was not saved completely; the version before that save was restored");
    EXPECT_EQ(ReadBytes(path), "old\r\n");
    EXPECT_EQ(RestoreUnfinishedSave(path), std::nullopt);
    EXPECT_TRUE(fs::is_empty(home + "/.cache/Taskmere/backups"));
    EXPECT_TRUE(fs::is_empty(home + "/.local/state/Taskmere/saves"));
}

// Saves in a loop, killed at a random moment, thirty times: after the next
// open the document is always one whole version.
void KillSavesInALoop(const std::string& path, void (*becomeUser)()) {
    const std::string first(300000, 'a'), second(200000, 'b');
    WriteBytes(path, first);
    std::mt19937 random(26);
    for (int round = 0; round < 30; ++round) {
        const int delayMs = std::uniform_int_distribution(1, 25)(random);
        const pid_t runner = fork();
        if (runner == 0) {
            becomeUser();
            for (int i = 0;; ++i) Save(path, i % 2 ? first : second);
        }
        usleep(useconds_t(delayMs * 1000));
        kill(runner, SIGKILL);
        waitpid(runner, nullptr, 0);
        RestoreUnfinishedSave(path);
        const std::string bytes = ReadBytes(path);
        ASSERT_TRUE(bytes == first || bytes == second) << "round " << round << ": " << bytes.size() << " bytes";
    }
}

TEST(SaveInPlace, AKilledSaveOfAHardLinkedDocumentLosesNothing) {
    TTempFolder folder;
    const TScopedEnv state("XDG_STATE_HOME", folder.File("state"));
    const std::string path = folder.File("list.tkm");
    WriteBytes(path, "");
    ASSERT_EQ(link(path.c_str(), folder.File("other-name.tkm").c_str()), 0);
    KillSavesInALoop(path, [] {});
}

TEST_F(ReadOnlyFolderTest, AKilledSaveLosesNothing) {
    KillSavesInALoop(path, BecomeUser);
}

}  // namespace
}  // namespace tkm
