#include "base/atomic_file.h"

#include "base/errors.h"
#include "support/atomic_save.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cstdint>
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <sys/xattr.h>
#include <tuple>
#include <thread>
#include <unistd.h>

namespace tkm {
namespace {

using test::Save;
using test::TTempFolder;
namespace fs = std::filesystem;

mode_t TypeOf(const std::string& path) {
    struct stat st {};
    return lstat(path.c_str(), &st) == 0 ? st.st_mode & S_IFMT : 0;
}

TEST(AtomicFile, PipeIsWrittenInPlace) {
    TTempFolder folder;
    const std::string fifo = folder.File("pipe");
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    // Opened before the save, so that a save that replaced the pipe ends the
    // read too (when `writer` closes) instead of hanging the test.
    const int reader = open(fifo.c_str(), O_RDONLY | O_NONBLOCK);
    const int writer = open(fifo.c_str(), O_WRONLY);
    ASSERT_GE(reader, 0);
    fcntl(reader, F_SETFL, 0);
    std::string received;
    std::thread drain([&] {
        char buffer[65536];
        for (ssize_t got; (got = read(reader, buffer, sizeof buffer)) > 0;) received.append(buffer, std::size_t(got));
    });
    // More than a pipe holds: the save goes on only while it is read.
    const std::string bytes(300000, 'x');
    Save(fifo, bytes);
    close(writer);
    drain.join();
    close(reader);
    EXPECT_EQ(received.size(), bytes.size());
    EXPECT_EQ(TypeOf(fifo), S_IFIFO);
}

TEST(AtomicFile, DeviceBehindALinkIsWrittenInPlace) {
    TTempFolder folder;
    // Root gets a node of its own, so that no fault here could replace the system's /dev/null.
    const std::string device = geteuid() == 0 ? folder.File("null") : "/dev/null";
    if (geteuid() == 0) {
        ASSERT_EQ(mknod(device.c_str(), S_IFCHR | 0666, makedev(1, 3)), 0);
    }
    const std::string link = folder.File("out.tkm");
    fs::create_symlink(device, link);
    Save(link, "entries\r\n");
    EXPECT_EQ(TypeOf(link), S_IFLNK);
    EXPECT_EQ(TypeOf(device), S_IFCHR);
    EXPECT_EQ(fs::read_symlink(link), device);
}

TEST(AtomicFile, WhatCannotHoldADocumentIsRefused) {
    TTempFolder folder;
    const std::string dangling = folder.File("dangling.tkm");
    fs::create_symlink("missing.tkm", dangling);
    const std::string socketPath = folder.File("socket");
    const int listener = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    socketPath.copy(address.sun_path, sizeof address.sun_path - 1);
    ASSERT_EQ(bind(listener, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);

    // A link to a file that has no path left, as /dev/stdout is for a deleted file.
    const std::string deleted = folder.File("deleted");
    const int deletedFile = open(deleted.c_str(), O_WRONLY | O_CREAT, 0600);
    unlink(deleted.c_str());
    const std::string pathless = folder.File("pathless.tkm");
    fs::create_symlink("/proc/self/fd/" + std::to_string(deletedFile), pathless);

    const std::vector<std::pair<std::string, std::string>> refused{{dangling, "the link points to nothing"},
                                                                    {socketPath, "it is a socket, not a file"},
                                                                    {pathless, ErrnoText(ENOENT)}};
    for (const auto& [path, reason] : refused) {
        try {
            Save(path, "entries\r\n");
            ADD_FAILURE() << path;
        } catch (const EGridFileError& e) {
            EXPECT_EQ(std::string(e.what()), "Cannot Create file " + path);
            EXPECT_EQ(e.Reason(), reason);
        }
    }
    close(listener);
    close(deletedFile);
    EXPECT_EQ(TypeOf(pathless), S_IFLNK);
    EXPECT_EQ(TypeOf(dangling), S_IFLNK);
    EXPECT_EQ(TypeOf(socketPath), S_IFSOCK);
    EXPECT_FALSE(fs::exists(folder.File("missing.tkm")));
}

std::string Attribute(const std::string& path, const char* name) {
    char value[256];
    const ssize_t size = getxattr(path.c_str(), name, value, sizeof value);
    return size < 0 ? "none" : std::string(value, std::size_t(size));
}

// An access control list giving user 4321 read access, as setfacl writes it.
std::string ReadAccessFor4321() {
    std::string acl;
    const auto put = [&](auto value) { acl.append(reinterpret_cast<const char*>(&value), sizeof value); };
    put(std::uint32_t(2));
    for (const auto& [tag, perm, id] : {std::tuple{1, 6, -1}, {2, 4, 4321}, {4, 4, -1}, {0x10, 4, -1}, {0x20, 0, -1}}) {
        put(std::uint16_t(tag));
        put(std::uint16_t(perm));
        put(std::uint32_t(id));
    }
    return acl;
}

TEST(AtomicFile, TheNewFileKeepsOwnerPermissionsAndAttributes) {
    TTempFolder folder;
    const std::string path = folder.File("list.tkm");
    test::WriteBytes(path, "old\r\n");
    ASSERT_EQ(chmod(path.c_str(), 0604), 0);
    ASSERT_EQ(setxattr(path.c_str(), "user.origin", "mail", 4, 0), 0);
    const std::string acl = ReadAccessFor4321();
    const bool aclsHeld = setxattr(path.c_str(), "system.posix_acl_access", acl.data(), acl.size(), 0) == 0;
    const bool mayGiveAway = geteuid() == 0 && chown(path.c_str(), 4321, 4322) == 0;
    struct stat before {};
    stat(path.c_str(), &before);

    Save(path, "new\r\n");
    struct stat after {};
    stat(path.c_str(), &after);
    EXPECT_NE(after.st_ino, before.st_ino);  // replaced, not written over
    EXPECT_EQ(after.st_mode, before.st_mode);
    EXPECT_EQ(Attribute(path, "user.origin"), "mail");
    if (aclsHeld) {
        EXPECT_EQ(Attribute(path, "system.posix_acl_access"), acl);
    }
    if (mayGiveAway) {
        EXPECT_EQ(after.st_uid, 4321u);
        EXPECT_EQ(after.st_gid, 4322u);
    }
}

// Write failures come from a file size limit: a full disk without a disk to fill.
class TFileSizeLimit {
public:
    explicit TFileSizeLimit(rlim_t bytes) {
        signal(SIGXFSZ, SIG_IGN);
        getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limited = old_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~TFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        signal(SIGXFSZ, SIG_DFL);
    }

private:
    rlimit old_ {};
};

std::string SaveFailure(const std::string& path, const std::string& bytes) {
    try {
        Save(path, bytes);
    } catch (const EInOutError& e) {
        return e.what();
    } catch (const EGridFileError& e) {
        return e.FullMessage();
    }
    return "saved";
}

std::vector<std::string> Names(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// A hard-linked document keeps all its names: it is written where it is, after
// its old bytes were put aside, and they come back when the write fails.
TEST(AtomicFile, AFileWithOtherNamesIsWrittenInPlace) {
    TTempFolder folder;
    const std::string path = folder.File("list.tkm");
    const std::string other = folder.File("other-name.tkm");
    test::WriteBytes(path, "old\r\n");
    ASSERT_EQ(link(path.c_str(), other.c_str()), 0);

    Save(path, "new\r\n");
    EXPECT_EQ(test::ReadBytes(other), "new\r\n");
    {
        const TFileSizeLimit limit(4096);
        EXPECT_EQ(SaveFailure(path, std::string(8192, 'x')), "Cannot write file " + path + ": " + ErrnoText(EFBIG));
    }
    EXPECT_EQ(test::ReadBytes(other), "new\r\n");
    EXPECT_EQ(Names(folder.Path()), (std::vector<std::string>{"list.tkm", "other-name.tkm"}));
}

TEST(AtomicFile, AFailedSaveLeavesTheTargetAndNoTemporaryFile) {
    TTempFolder folder;
    const std::string path = folder.File("list.tkm");
    test::WriteBytes(path, "old\r\n");
    {
        const TFileSizeLimit limit(4096);
        EXPECT_EQ(SaveFailure(path, std::string(8192, 'x')), "Cannot write file " + path + ": " + ErrnoText(EFBIG));
    }
    EXPECT_EQ(test::ReadBytes(path), "old\r\n");

    // The target turns into a folder while the new bytes are written.
    TAtomicFile file(path);
    file.Write("new\r\n");
    fs::remove(path);
    fs::create_directory(path);
    try {
        file.Commit();
        ADD_FAILURE() << "committed over a folder";
    } catch (const EInOutError& e) {
        EXPECT_EQ(std::string(e.what()), "Cannot replace file " + path + ": " + ErrnoText(EISDIR));
    }
    EXPECT_EQ(TypeOf(path), S_IFDIR);
    EXPECT_EQ(Names(folder.Path()), std::vector<std::string>{"list.tkm"});
}

}  // namespace
}  // namespace tkm
