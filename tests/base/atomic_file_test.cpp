#include "base/atomic_file.h"

#include "base/errors.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>

namespace tkm {
namespace {

using test::TTempFolder;
namespace fs = std::filesystem;

void Save(const std::string& path, std::string_view bytes) {
    TAtomicFile file(path);
    file.Write(bytes);
    file.Commit();
}

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

}  // namespace
}  // namespace tkm
