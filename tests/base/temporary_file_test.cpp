#include "base/temporary_file.h"

#include "base/termination_cleanup.h"
#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

namespace tkm {
namespace {

using test::ReadBytes;
using test::TTempFolder;
using test::WriteBytes;
using TNaming = TTemporaryFile::TNaming;

std::vector<std::string> Entries(const TTempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

void WriteAll(const TTemporaryFile& file, const std::string& bytes) {
    ASSERT_EQ(write(file.Descriptor(), bytes.data(), bytes.size()), ssize_t(bytes.size()));
}

const std::vector<std::string> OnlyTheDocument{"list.tkm"};

TEST(TemporaryFile, TheNextSaveRemovesWhatAKilledOneLeft) {
    for (const TNaming naming : {TNaming::UnnamedWherePossible, TNaming::Named}) {
        TTempFolder folder;
        const std::string target = folder.File("list.tkm");
        WriteBytes(target, "old\r\n");
        WriteBytes(folder.File(".list.tkm.tkm-save"), "left by a save that was killed");
        {
            TTemporaryFile abandoned;
            ASSERT_EQ(abandoned.Create(target, naming), 0);
            WriteAll(abandoned, "never finished");
        }
        EXPECT_EQ(Entries(folder), OnlyTheDocument);
        EXPECT_EQ(ReadBytes(target), "old\r\n");

        WriteBytes(folder.File(".list.tkm.tkm-save"), "left by a save that was killed");
        TTemporaryFile file;
        ASSERT_EQ(file.Create(target, naming), 0);
        WriteAll(file, "new\r\n");
        EXPECT_EQ(file.Replace(), 0);
        EXPECT_EQ(Entries(folder), OnlyTheDocument);
        EXPECT_EQ(ReadBytes(target), "new\r\n");
    }
}

// Two saves of one document at once share the temporary name where files
// cannot be unnamed: the one whose file lost the name must not put the
// other's unfinished bytes in place.
TEST(TemporaryFile, AnotherSavesUnfinishedFileIsNeverPutInPlace) {
    TTempFolder folder;
    const std::string target = folder.File("list.tkm");
    WriteBytes(target, "old\r\n");
    TTemporaryFile first, second;
    ASSERT_EQ(first.Create(target, TNaming::Named), 0);
    WriteAll(first, "first\r\n");
    ASSERT_EQ(second.Create(target, TNaming::Named), 0);
    WriteAll(second, "sec");
    EXPECT_NE(first.Replace(), 0);
    EXPECT_EQ(ReadBytes(target), "old\r\n");
    WriteAll(second, "ond\r\n");
    EXPECT_EQ(second.Replace(), 0);
    EXPECT_EQ(ReadBytes(target), "second\r\n");
    EXPECT_EQ(Entries(folder), OnlyTheDocument);
}

// A child process saves half a document and gets `signal`; returns the signal
// that ended it.
int SignalEndingAHalfDoneSave(const std::string& target, TNaming naming, int signal) {
    int ready[2];
    if (pipe(ready) != 0) return 0;
    const pid_t child = fork();
    if (child == 0) {
        InstallTerminationCleanup();
        TTemporaryFile file;
        if (file.Create(target, naming) != 0) _exit(1);
        const std::string half(1 << 20, 'x');
        if (write(file.Descriptor(), half.data(), half.size()) != ssize_t(half.size())) _exit(1);
        if (write(ready[1], "r", 1) != 1) _exit(1);
        for (;;) pause();
    }
    close(ready[1]);
    char byte = 0;
    const bool started = read(ready[0], &byte, 1) == 1;
    close(ready[0]);
    if (started) kill(child, signal);
    int status = 0;
    waitpid(child, &status, 0);
    return started && WIFSIGNALED(status) ? WTERMSIG(status) : 0;
}

TEST(TemporaryFile, AKilledSaveLeavesTheDocumentAndNothingElse) {
    const std::vector<std::pair<TNaming, int>> cases{{TNaming::UnnamedWherePossible, SIGKILL},
                                                     {TNaming::UnnamedWherePossible, SIGTERM},
                                                     {TNaming::Named, SIGTERM},
                                                     {TNaming::Named, SIGHUP},
                                                     {TNaming::Named, SIGINT}};
    for (const auto& [naming, signal] : cases) {
        TTempFolder folder;
        const std::string target = folder.File("list.tkm");
        WriteBytes(target, "old\r\n");
        EXPECT_EQ(SignalEndingAHalfDoneSave(target, naming, signal), signal);
        EXPECT_EQ(Entries(folder), OnlyTheDocument) << strsignal(signal);
        EXPECT_EQ(ReadBytes(target), "old\r\n");
    }
}

// The window holds the signals back until it has kept its changes: a signal
// then only wakes it, and a save's file stays until the program ends itself
// as the signal would have ended it.
TEST(TemporaryFile, AHeldBackSignalWakesTheProgramWhichThenEndsAsTheSignalWould) {
    TTempFolder folder;
    const std::string target = folder.File("list.tkm");
    WriteBytes(target, "old\r\n");
    const pid_t child = fork();
    if (child == 0) {
        InstallTerminationCleanup();
        int wake[2];
        TTemporaryFile file;
        if (pipe(wake) != 0 || file.Create(target, TNaming::Named) != 0) _exit(1);
        DeferTermination(wake[1]);
        kill(getpid(), SIGTERM);
        kill(getpid(), SIGINT);
        unsigned char received[2] = {};
        if (read(wake[0], received, 1) != 1 || read(wake[0], received + 1, 1) != 1) _exit(2);
        if (received[0] != SIGTERM || received[1] != SIGINT) _exit(3);
        if (access(folder.File(".list.tkm.tkm-save").c_str(), F_OK) != 0) _exit(4);
        EndAsTerminated(SIGHUP);
    }
    int status = 0;
    waitpid(child, &status, 0);
    ASSERT_TRUE(WIFSIGNALED(status)) << "exit status " << WEXITSTATUS(status);
    EXPECT_EQ(WTERMSIG(status), SIGHUP);
    EXPECT_EQ(Entries(folder), OnlyTheDocument);
    EXPECT_EQ(ReadBytes(target), "old\r\n");
}

// Run under nohup, a hang-up must not end the program.
TEST(TemporaryFile, AnIgnoredHangUpStaysIgnored) {
    const pid_t child = fork();
    if (child == 0) {
        std::signal(SIGHUP, SIG_IGN);
        InstallTerminationCleanup();
        struct sigaction action {};
        sigaction(SIGHUP, nullptr, &action);
        _exit(action.sa_handler == SIG_IGN ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
}

}  // namespace
}  // namespace tkm
