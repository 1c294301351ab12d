#include "tasks/recovery_folder.h"

#include "grid/io/csv_writer.h"
#include "support/temp_folder.h"
#include "tasks/task_document.h"
#include "tasks/task_table.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tkm {
namespace {

namespace fs = std::filesystem;
using test::ReadBytes;
using test::TTempFolder;
using test::WriteBytes;

const TDate Today{2026, 12, 8};

TBaseGrid TableWith(const std::string& description) {
    TBaseGrid table = EmptyTaskDocument();
    table.SetCellText(colDescription, 1, description);
    return table;
}

std::vector<std::string> NamesIn(const TTempFolder& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path())) names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The file of another run, which has ended: nobody holds its lock.
void WriteRun(const TTempFolder& folder, const std::string& id, const TRecoveryRecord& record) {
    WriteRecoveryFile(folder.File(RecoveryNames::Unsaved(id)), record, TableWith(record.DocumentName));
}

TEST(RecoveryContent, KeepsTheNameTheTimeAndTheTableByteForByte) {
    const TTempFolder folder;
    // Line breaks and percent signs in a name must not end its line.
    const TRecoveryRecord record{"/home/ann/100% done\r\nlist.tkm", Today, {9, 5, 7}};
    const TBaseGrid table = TableWith("Call \"Bob\", then Ann");
    WriteRecoveryFile(folder.File("r"), record, table);

    const std::string bytes = ReadBytes(folder.File("r"));
    const auto content = ReadRecoveryContent(bytes);
    ASSERT_TRUE(content);
    EXPECT_EQ(content->Record.DocumentName, record.DocumentName);
    EXPECT_EQ(content->Record.Date, Today);
    EXPECT_EQ(content->Record.Time, (TTimeOfDay{9, 5, 7}));
    std::string tkm;
    WriteCsv(table, {}, [&](std::string_view part) { tkm += part; });
    EXPECT_EQ(content->Table, tkm);
    EXPECT_EQ(TaskDocumentFromText(content->Table).GetCellText(colDescription, 1), "Call \"Bob\", then Ann");
}

TEST(RecoveryContent, RefusesWhatIsNotARecoveryFile) {
    const std::string good = RecoveryHeader({"list.tkm", Today, {9, 5, 7}});
    EXPECT_TRUE(ReadRecoveryContent(good));
    for (const std::string& bad : {std::string("No,Entry Date\r\n"), good.substr(0, good.size() - 2),
                                   RecoveryHeader({"list.tkm", {2026, 2, 30}, {9, 5, 7}}),
                                   RecoveryHeader({"list.tkm", Today, {24, 0, 0}}),
                                   std::string("Taskmere recovery\r\nDocument=%4\r\nWritten=2026-12-08 09:05:07\r\n\r\n")})
        EXPECT_FALSE(ReadRecoveryContent(bad)) << bad;
}

TEST(RecoveryContent, TheQuestionNamesTheDocumentAndTheTimeInTheLocalesFormats) {
    const TRecoveryRecord record{"/home/ann/list.tkm", Today, {17, 5, 7}};
    EXPECT_EQ(RecoveryQuestion(record, {}),
              "Taskmere was not closed properly. Restore the unsaved changes of list from 08/12/2026 17:05:07?");
    TLocaleFormats german;
    german.ShortDateFormat = "dd.mm.yyyy";
    EXPECT_EQ(RecoveryQuestion({"Untitled", Today, {17, 5, 7}}, german),
              "Taskmere was not closed properly. Restore the unsaved changes of Untitled from 08.12.2026 17:05:07?");
}

TEST(RecoveryFolderPath, StateHomeWhenAbsoluteOtherwiseUnderHome) {
    EXPECT_EQ(RecoveryFolderPath("/s", "/home/ann"), "/s/Taskmere");
    EXPECT_EQ(RecoveryFolderPath("relative", "/home/ann"), "/home/ann/.local/state/Taskmere");
    EXPECT_EQ(RecoveryFolderPath(nullptr, "/home/ann"), "/home/ann/.local/state/Taskmere");
    EXPECT_EQ(RecoveryFolderPath(nullptr, nullptr), "");
}

TEST(RecoveryWeek, DeclinedFilesGoAfterSevenDaysAndNothingElseDoes) {
    const std::string unsaved = RecoveryNames::Unsaved("412");
    const auto declinedOn = [&](long long daysAgo) {
        return RecoveryNames::Declined(unsaved, TDate::FromDayNumber(Today.DayNumber() - daysAgo));
    };
    const std::vector<std::string> names{declinedOn(6), declinedOn(7), declinedOn(40), declinedOn(-1),
                                         "declined-2026xx08-1.recovery", unsaved, RecoveryNames::LockOf(unsaved),
                                         "notes.txt"};
    EXPECT_EQ(declinedOn(7), "declined-20261201-412.recovery");
    EXPECT_EQ(RecoveryNames::ExpiredAmong(names, Today),
              (std::vector<std::string>{declinedOn(7), declinedOn(40), "declined-2026xx08-1.recovery"}));
}

class RecoveryFolderTest : public ::testing::Test {
protected:
    TTempFolder folder;
    TRecoveryFolder recovery{folder.Path().string()};
};

TEST_F(RecoveryFolderTest, OnlyFilesWhoseWriterIsGoneAreOrphansNewestFirstAndClaimedOnce) {
    auto running = recovery.ClaimOwn(100);
    ASSERT_TRUE(running);
    WriteRecoveryFile(running->Path, {"live.tkm", Today, {9, 0, 0}}, TableWith("live"));
    WriteRun(folder, "200", {"older.tkm", Today, {8, 0, 0}});
    WriteRun(folder, "300", {"newer.tkm", Today, {10, 0, 0}});
    WriteBytes(folder.File(RecoveryNames::Unsaved("400")), "not a recovery file");

    std::vector<TOrphan> orphans = recovery.ClaimOrphans(Today);
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_EQ(orphans[0].Record.DocumentName, "newer.tkm");
    EXPECT_EQ(orphans[1].Record.DocumentName, "older.tkm");
    EXPECT_EQ(TaskDocumentFromText(orphans[1].Table).GetCellText(colDescription, 1), "older.tkm");
    // Another start meanwhile finds them claimed; the unreadable one was put aside.
    EXPECT_TRUE(recovery.ClaimOrphans(Today).empty());
    EXPECT_TRUE(fs::exists(folder.File(RecoveryNames::Declined(RecoveryNames::Unsaved("400"), Today))));

    // Once the asking start lets them go, they are orphans again.
    orphans.clear();
    EXPECT_EQ(recovery.ClaimOrphans(Today).size(), 2u);
}

TEST_F(RecoveryFolderTest, ANewRunNeverTakesAnOrphansFileOrAnotherRunsLock) {
    WriteRun(folder, "100", {"orphan.tkm", Today, {8, 0, 0}});
    const auto first = recovery.ClaimOwn(100);
    ASSERT_TRUE(first);
    EXPECT_EQ(fs::path(first->Path).filename(), RecoveryNames::Unsaved("100-2"));
    const auto second = recovery.ClaimOwn(100);
    ASSERT_TRUE(second);
    EXPECT_EQ(fs::path(second->Path).filename(), RecoveryNames::Unsaved("100-3"));
    EXPECT_EQ(ReadRecoveryContent(ReadBytes(folder.File(RecoveryNames::Unsaved("100"))))->Record.DocumentName,
              "orphan.tkm");
}

TEST_F(RecoveryFolderTest, DeclinedIsKeptAWeekAdoptedBecomesTheRunsOwn) {
    WriteRun(folder, "200", {"declined.tkm", Today, {8, 0, 0}});
    WriteRun(folder, "300", {"restored.tkm", Today, {9, 0, 0}});
    const auto own = recovery.ClaimOwn(400);
    ASSERT_TRUE(own);
    std::vector<TOrphan> orphans = recovery.ClaimOrphans(Today);
    ASSERT_EQ(orphans.size(), 2u);
    EXPECT_TRUE(recovery.Adopt(orphans[0], *own));
    EXPECT_TRUE(recovery.SetAside(orphans[1], Today));
    orphans.clear();

    const std::string declined = RecoveryNames::Declined(RecoveryNames::Unsaved("200"), Today);
    EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{declined, RecoveryNames::LockOf(RecoveryNames::Unsaved("400")),
                                                         RecoveryNames::Unsaved("400")}));
    EXPECT_EQ(ReadRecoveryContent(ReadBytes(own->Path))->Record.DocumentName, "restored.tkm");
    EXPECT_TRUE(recovery.ClaimOrphans(Today).empty());

    recovery.DeleteExpired(TDate::FromDayNumber(Today.DayNumber() + 6));
    EXPECT_TRUE(fs::exists(folder.File(declined)));
    recovery.DeleteExpired(TDate::FromDayNumber(Today.DayNumber() + 7));
    EXPECT_FALSE(fs::exists(folder.File(declined)));
    EXPECT_TRUE(fs::exists(own->Path));
}

TEST_F(RecoveryFolderTest, LocksOfRunsThatNeverWroteAreTidiedButNotALiveOne) {
    const auto live = recovery.ClaimOwn(100);
    ASSERT_TRUE(live);
    WriteBytes(folder.File(RecoveryNames::LockOf(RecoveryNames::Unsaved("200"))), "");
    recovery.DeleteExpired(Today);
    EXPECT_EQ(NamesIn(folder), (std::vector<std::string>{RecoveryNames::LockOf(RecoveryNames::Unsaved("100"))}));
}

}  // namespace
}  // namespace tkm
