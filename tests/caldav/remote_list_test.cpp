#include "caldav/interrupted_server.h"
#include "caldav/radicale_test.h"
#include "platform/net/caldav_client.h"
#include "tasks/remote_list.h"
#include "tasks/remote_list_cache.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <algorithm>
#include <functional>

namespace tkm {
namespace {

using test::TInterruptedServer;
using test::TRadicaleServer;
using TKind = ECalendarServerError::TKind;

TEntryCells Entry(const std::string& number, const std::string& description, const std::string& priority = "Normal") {
    TEntryCells cells;
    cells[colNo] = number;
    cells[colEntryDate] = "01/03/2025";
    cells[colStatus] = "Not Started";
    cells[colDescription] = description;
    cells[colPriority] = priority;
    cells[colTotalHours] = "0";
    cells[colCost] = "0";
    cells[colProgress] = "0";
    return cells;
}

std::vector<std::string> Descriptions(const std::vector<TEntryCells>& rows) {
    std::vector<std::string> texts;
    for (const TEntryCells& row : rows) texts.push_back(row[colDescription]);
    return texts;
}

class RemoteListTest : public test::RadicaleTest {
protected:
    void SetUp() override {
        client_.emplace(TCalendarAccount{server_->Url(), "alice", "secret"});
        url_ = client_->CreateTaskCollection("Shared").Url;
    }
    TRemoteList NewList() const { return TRemoteList(TRemoteListState{url_, "Shared", "", {}}, {}); }
    // A second device: its own client and its own view of the list.
    TRemoteList Opened() {
        TRemoteList list = NewList();
        list.Refresh(*client_, {});
        return list;
    }

    std::optional<TCaldavClient> client_;
    std::string url_;
};

TEST_F(RemoteListTest, TwoDevicesConvergeOnTheSameEntriesInTheSameOrder) {
    TRemoteList a = NewList();
    const std::vector<TEntryCells> first{Entry("1", "buy milk"), Entry("2", "call Anna", "High"), Entry("3", "file taxes")};
    const TSyncResult saved = a.Save(*client_, first);
    ASSERT_TRUE(saved.Complete);
    EXPECT_FALSE(saved.RowsChanged);

    TRemoteList b = NewList();
    const TSyncResult opened = b.Refresh(*client_, {});
    ASSERT_TRUE(opened.RowsChanged);
    EXPECT_EQ(opened.Rows, first);

    // Nothing new: one question to the server, the table left alone.
    EXPECT_FALSE(b.Refresh(*client_, opened.Rows).RowsChanged);

    std::vector<TEntryCells> edited = opened.Rows;
    edited[1][colStatus] = "In Progress";
    edited.erase(edited.begin());                      // deleted
    edited.insert(edited.begin(), Entry("0", "water plants"));  // added in front
    ASSERT_TRUE(b.Save(*client_, edited).Complete);

    const TSyncResult seen = a.Refresh(*client_, first);
    ASSERT_TRUE(seen.RowsChanged);
    EXPECT_EQ(seen.Rows, edited);
    EXPECT_EQ(client_->Changes(url_, "").Changed.size(), 3u);
}

TEST_F(RemoteListTest, EditsOfDifferentCellsMergeAndOfTheSameCellKeepBothVersions) {
    TRemoteList a = NewList();
    a.Save(*client_, {Entry("1", "buy milk"), Entry("2", "call Anna")});
    TRemoteList b = Opened();

    std::vector<TEntryCells> ours = a.KnownRows(), theirs = b.KnownRows();
    ours[0][colPriority] = "High";          // different cells of entry 1
    theirs[0][colStatus] = "Completed";
    ours[1][colDescription] = "call Anna today";  // the same cell of entry 2
    theirs[1][colDescription] = "call Anna tomorrow";
    ASSERT_TRUE(b.Save(*client_, theirs).Complete);

    const TSyncResult merged = a.Save(*client_, ours);
    ASSERT_TRUE(merged.Complete);
    EXPECT_TRUE(merged.RowsChanged);
    EXPECT_EQ(merged.Conflicts, 1);
    ASSERT_EQ(merged.Rows.size(), 3u);
    EXPECT_EQ(merged.Rows[0][colPriority], "High");
    EXPECT_EQ(merged.Rows[0][colStatus], "Completed");
    EXPECT_EQ(Descriptions(merged.Rows),
              (std::vector<std::string>{"buy milk", "call Anna tomorrow", "call Anna today (conflict)"}));

    const TSyncResult other = b.Refresh(*client_, theirs);
    EXPECT_EQ(other.Rows, merged.Rows);
}

TEST_F(RemoteListTest, ASaveSendsOnlyOurChangesAndLeavesTheOthersToTheNextRefresh) {
    TRemoteList a = NewList();
    ASSERT_TRUE(a.Save(*client_, {Entry("1", "one"), Entry("2", "two")}).Complete);
    TRemoteList b = Opened();
    std::vector<TEntryCells> theirs = b.KnownRows();
    theirs[1][colStatus] = "Completed";
    theirs.push_back(Entry("3", "added by b"));
    ASSERT_TRUE(b.Save(*client_, theirs).Complete);

    std::vector<TEntryCells> ours = a.KnownRows();
    ours[0][colDescription] = "one, edited";
    TInterruptedServer counting(*client_, nullptr);
    const TSyncResult saved = a.Save(counting, ours);
    ASSERT_TRUE(saved.Complete);
    EXPECT_FALSE(saved.RowsChanged);
    EXPECT_EQ(counting.writes, 1);
    EXPECT_EQ(counting.looks, 0);

    const TSyncResult seen = a.Refresh(*client_, ours);
    ASSERT_TRUE(seen.RowsChanged);
    EXPECT_EQ(Descriptions(seen.Rows), (std::vector<std::string>{"one, edited", "two", "added by b"}));
    EXPECT_EQ(seen.Rows[1][colStatus], "Completed");
    EXPECT_EQ(b.Refresh(*client_, theirs).Rows, seen.Rows);
}

TEST_F(RemoteListTest, AWriteRefusedWith412BringsTheOtherVersionInAndMergesAgain) {
    TRemoteList a = NewList();
    a.Save(*client_, {Entry("1", "buy milk")});
    TRemoteList b = Opened();
    std::vector<TEntryCells> theirs = b.KnownRows();
    theirs[0][colStatus] = "Completed";

    std::vector<TEntryCells> ours = a.KnownRows();
    ours[0][colPriority] = "Low";
    // b saves after a asked what changed and before a writes: a's PUT meets 412.
    TInterruptedServer racing(*client_, [&] { ASSERT_TRUE(b.Save(*client_, theirs).Complete); });
    const TSyncResult saved = a.Save(racing, ours);
    ASSERT_TRUE(saved.Complete);
    EXPECT_EQ(saved.Conflicts, 0);
    ASSERT_EQ(saved.Rows.size(), 1u);
    EXPECT_EQ(saved.Rows[0][colStatus], "Completed");
    EXPECT_EQ(saved.Rows[0][colPriority], "Low");
    EXPECT_EQ(racing.writes, 2);  // the refused one and the merged one
    EXPECT_EQ(b.Refresh(*client_, theirs).Rows, saved.Rows);
}

TEST_F(RemoteListTest, DeletionsAgainstEditsKeepTheEditedEntry) {
    TRemoteList a = NewList();
    a.Save(*client_, {Entry("1", "edited here, deleted there"), Entry("2", "deleted here, edited there")});
    TRemoteList b = Opened();

    std::vector<TEntryCells> theirs = b.KnownRows();
    theirs[1][colStatus] = "Pending";
    theirs.erase(theirs.begin());
    ASSERT_TRUE(b.Save(*client_, theirs).Complete);

    std::vector<TEntryCells> ours = a.KnownRows();
    ours[0][colStatus] = "In Progress";
    ours.pop_back();
    const TSyncResult saved = a.Save(*client_, ours);
    ASSERT_TRUE(saved.Complete);
    ASSERT_EQ(saved.Rows.size(), 2u);
    EXPECT_EQ(saved.Rows[0][colStatus], "In Progress");
    EXPECT_EQ(saved.Rows[1][colStatus], "Pending");
    EXPECT_EQ(client_->Changes(url_, "").Changed.size(), 2u);
    EXPECT_EQ(b.Refresh(*client_, theirs).Rows, saved.Rows);
}

TEST_F(RemoteListTest, AServerThatStopsDuringASaveLosesNothing) {
    TRemoteList a = NewList();
    std::vector<TEntryCells> rows{Entry("1", "one"), Entry("2", "two"), Entry("3", "three")};
    TCaldavClient impatient({server_->Url(), "alice", "secret"}, 3000);
    TInterruptedServer stoppingQuickly(impatient, [&] { server_->Stop(); });
    const TSyncResult failed = a.Save(stoppingQuickly, rows);
    server_->Start();
    ASSERT_TRUE(failed.Failure);
    EXPECT_EQ(failed.Failure->Kind(), TKind::Unreachable);
    EXPECT_FALSE(failed.Complete);
    EXPECT_EQ(failed.Rows, rows);

    // Offline from the start: nothing goes, and the rows stay.
    server_->Stop();
    const TSyncResult offline = a.Save(impatient, rows);
    server_->Start();
    ASSERT_TRUE(offline.Failure);
    EXPECT_EQ(offline.Failure->Kind(), TKind::Unreachable);
    EXPECT_FALSE(offline.Complete);
    EXPECT_EQ(offline.RowsChanged ? offline.Rows : rows, rows);

    const TSyncResult saved = a.Save(*client_, failed.Rows);
    ASSERT_TRUE(saved.Complete);
    EXPECT_EQ(client_->Changes(url_, "").Changed.size(), 3u);
    EXPECT_EQ(Opened().KnownRows(), rows);
}

TEST_F(RemoteListTest, AServerGoneAfterA412ShowsWhatWasMergedAndLaterDeletesNothing) {
    TRemoteList a = NewList();
    a.Save(*client_, {Entry("1", "one"), Entry("2", "two")});
    TRemoteList b = Opened();
    std::vector<TEntryCells> theirs = b.KnownRows();
    theirs[0][colStatus] = "Completed";
    theirs[1][colDescription] = "two, theirs";
    theirs.push_back(Entry("3", "added by b"));
    ASSERT_TRUE(b.Save(*client_, theirs).Complete);

    std::vector<TEntryCells> ours = a.KnownRows();
    ours[0][colDescription] = "one, ours";
    ours[1][colDescription] = "two, ours";
    // Both writes meet 412; the merged entry 1 meets another before the
    // server is gone.
    TInterruptedServer gone(*client_, [&] {
        std::vector<TEntryCells> again = b.KnownRows();
        again[0][colPriority] = "High";
        b.Save(*client_, again);
    });
    gone.interruptedWrite = 3;
    gone.failAfterChanges = 1;
    const TSyncResult stopped = a.Save(gone, ours);
    ASSERT_TRUE(stopped.Failure);
    EXPECT_FALSE(stopped.Complete);
    EXPECT_EQ(Descriptions(stopped.Rows),
              (std::vector<std::string>{"one, ours", "two, theirs", "two, ours (conflict)", "added by b"}));

    ASSERT_TRUE(a.Save(*client_, stopped.Rows).Complete);
    // Another device orders the two rows numbered 2 as the server lists them.
    const std::vector<TEntryCells> seen = Opened().KnownRows();
    std::vector<std::string> texts = Descriptions(seen);
    std::sort(texts.begin(), texts.end());
    EXPECT_EQ(texts, (std::vector<std::string>{"added by b", "one, ours", "two, ours (conflict)", "two, theirs"}));
    EXPECT_EQ(seen[0][colDescription], "one, ours");
    EXPECT_EQ(seen[0][colStatus], "Completed");
    EXPECT_EQ(seen[0][colPriority], "High");
}

TEST_F(RemoteListTest, ACreateWhoseAnswerWasLostIsMadeOnceAtTheNextSave) {
    const std::function<void()> lost = [] { throw ECalendarServerError(TKind::Unreachable, 0, "the connection dropped"); };
    test::TTempFolder folder;
    const std::string cache = folder.File("list.cache");
    const std::vector<TEntryCells> rows{Entry("1", "one")};
    // Stored by the server, its answer lost; then lost before it arrived.
    for (const bool stored : {true, false}) {
        const std::string url = client_->CreateTaskCollection(stored ? "stored" : "not stored").Url;
        TRemoteList a(TRemoteListState{url, "", "", {}}, {});
        TInterruptedServer dropping(*client_, stored ? nullptr : lost, stored ? lost : nullptr);
        const TSyncResult failed = a.Save(dropping, rows);
        ASSERT_TRUE(failed.Failure) << stored;
        EXPECT_FALSE(failed.Complete);

        // The next save may come from the cache, after a restart.
        WriteRemoteListCache(cache, a.State());
        const std::optional<TRemoteListState> kept = ReadRemoteListCache(cache, {});
        ASSERT_TRUE(kept);
        TRemoteList restarted(*kept, {});
        const TSyncResult saved = restarted.Save(*client_, failed.Rows);
        ASSERT_TRUE(saved.Complete) << stored;
        EXPECT_EQ(saved.RowsChanged ? saved.Rows : failed.Rows, rows) << stored;
        EXPECT_EQ(client_->Changes(url, "").Changed.size(), 1u) << stored;
        EXPECT_EQ(restarted.KnownRows(), rows);
    }
}

TEST_F(RemoteListTest, ToDosWithoutANumberTakeTheNextOnesInTheSameOrderOnEveryDevice) {
    TRemoteList a = NewList();
    ASSERT_TRUE(a.Save(*client_, {Entry("1", "ours"), Entry("7", "ours too")}).Complete);
    const std::string path = test::PathOf(url_);
    for (const std::string uid : {"c", "a", "b"}) client_->Put(path + uid + ".ics", test::Todo(uid, "elsewhere " + uid), "");

    const TSyncResult seen = a.Refresh(*client_, a.KnownRows());
    ASSERT_TRUE(seen.RowsChanged);
    std::vector<std::string> numbered;
    for (const TEntryCells& row : seen.Rows) numbered.push_back(row[colNo] + " " + row[colDescription]);
    EXPECT_EQ(numbered, (std::vector<std::string>{"1 ours", "7 ours too", "8 elsewhere a", "9 elsewhere b", "10 elsewhere c"}));
    EXPECT_EQ(Opened().KnownRows(), seen.Rows);
    // Nothing to send: every device gives the same numbers, so none is written.
    TInterruptedServer counting(*client_, nullptr);
    ASSERT_TRUE(a.Save(counting, seen.Rows).Complete);
    EXPECT_EQ(counting.writes, 0);

    test::TTempFolder folder;
    WriteRemoteListCache(folder.File("list.cache"), a.State());
    EXPECT_EQ(TRemoteList(*ReadRemoteListCache(folder.File("list.cache"), {}), {}).KnownRows(), seen.Rows);

    // Another program's edit keeps the number the to-do was given.
    const std::string etag = client_->Fetch(url_, {path + "b.ics"}).at(0).ETag;
    client_->Put(path + "b.ics", test::Todo("b", "edited elsewhere"), etag);
    const TSyncResult edited = a.Refresh(*client_, seen.Rows);
    ASSERT_TRUE(edited.RowsChanged);
    EXPECT_EQ(edited.Rows[3][colNo], "9");
    EXPECT_EQ(edited.Rows[3][colDescription], "edited elsewhere");
}

TEST_F(RemoteListTest, ARefusedPasswordChangesNothing) {
    TRemoteList a = NewList();
    a.Save(*client_, {Entry("1", "one")});
    TCaldavClient wrong({server_->Url(), "alice", "wrong"});
    std::vector<TEntryCells> rows = a.KnownRows();
    rows[0][colStatus] = "Completed";
    try {
        a.Save(wrong, rows);
        FAIL() << "saved with a wrong password";
    } catch (const ECalendarServerError& e) {
        EXPECT_EQ(e.Kind(), TKind::Unauthorized);
    }
    EXPECT_EQ(a.KnownRows()[0][colStatus], "Not Started");
    EXPECT_TRUE(a.Save(*client_, rows).Complete);
}

TEST_F(RemoteListTest, APushAddsBesideOtherToDosThatShareItsNumbersAndUpdatesOnlyItsOwn) {
    const std::vector<TEntryCells> theirs{Entry("1", "their one"), Entry("2", "their two"), Entry("3", "their three")};
    ASSERT_TRUE(NewList().Save(*client_, theirs).Complete);

    std::vector<TEntryCells> ours{Entry("1", "our one"), Entry("2", "our two"), Entry("3", "our three")};
    std::vector<std::string> pushed;
    ASSERT_TRUE(NewList().Push(*client_, ours, pushed).Complete);
    EXPECT_EQ(client_->Changes(url_, "").Changed.size(), 6u);
    EXPECT_EQ(pushed.size(), 3u);
    // Pushed again from another device, edited: its own to-dos change, no other.
    ours[1][colDescription] = "our two, edited";
    ASSERT_TRUE(NewList().Push(*client_, ours, pushed).Complete);
    std::vector<std::string> seen = Descriptions(Opened().KnownRows());
    std::sort(seen.begin(), seen.end());
    EXPECT_EQ(seen, (std::vector<std::string>{"our one", "our three", "our two, edited", "their one", "their three",
                                              "their two"}));
}

TEST_F(RemoteListTest, AThousandEntriesGoAndComeBackCellForCellAndThroughTheCache) {
    std::vector<TEntryCells> rows;
    for (int i = 1; i <= 1000; ++i) {
        TEntryCells cells = Entry(std::to_string(i), "entry " + std::to_string(i) + ", with \"quotes\"; and ünïcode");
        cells[colDueDate] = "15/04/2025";
        cells[colDueTime] = "09:30:00";
        cells[colResources] = "Anna\nBen";
        cells[colCost] = "12.50";
        cells[colComment] = "line one\nline two";
        rows.push_back(cells);
    }
    TRemoteList a = NewList();
    ASSERT_TRUE(a.Save(*client_, rows).Complete);
    TRemoteList b = Opened();
    EXPECT_EQ(b.KnownRows(), rows);

    test::TTempFolder folder;
    const std::string cache = folder.File("caldav/list.cache");
    WriteRemoteListCache(cache, b.State());
    const std::optional<TRemoteListState> read = ReadRemoteListCache(cache, {});
    ASSERT_TRUE(read);
    EXPECT_EQ(read->SyncToken, b.State().SyncToken);
    TRemoteList offline(*read, {});
    EXPECT_EQ(offline.KnownRows(), rows);
    EXPECT_FALSE(offline.Refresh(*client_, rows).RowsChanged);
    EXPECT_FALSE(ReadRemoteListCache(folder.File("none.cache"), {}));
}

// python3-caldav as the other client.
std::string RunPython(const std::string& script, const std::vector<std::string>& args) {
    QProcess python;
    QStringList arguments{QStringLiteral("-c"), QString::fromStdString(script)};
    for (const std::string& arg : args) arguments << QString::fromStdString(arg);
    python.start(QStringLiteral("/usr/bin/python3"), arguments);
    python.waitForFinished(60000);
    EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
    return python.readAllStandardOutput().toStdString();
}

TEST_F(RemoteListTest, AnotherProgramsToDosShowUpAndKeepWhatTaskmereDoesNotShow) {
    RunPython(R"(
import sys, caldav
client = caldav.DAVClient(sys.argv[1], username="alice", password="secret")
calendar = client.calendar(url=sys.argv[2])
calendar.save_todo("""BEGIN:VCALENDAR
VERSION:2.0
PRODID:-//other//EN
BEGIN:VTODO
UID:from-python
DTSTAMP:20250101T000000Z
SUMMARY:written by python
PRIORITY:1
STATUS:IN-PROCESS
DUE;VALUE=DATE:20250420
X-OTHER-APP:keep me
BEGIN:VALARM
ACTION:DISPLAY
DESCRIPTION:remind
TRIGGER:-PT15M
END:VALARM
END:VTODO
END:VCALENDAR
""")
)",
              {server_->Url(), url_});
    TRemoteList list = NewList();
    const TSyncResult opened = list.Refresh(*client_, {});
    ASSERT_EQ(opened.Rows.size(), 1u);
    EXPECT_EQ(opened.Rows[0][colDescription], "written by python");
    EXPECT_EQ(opened.Rows[0][colPriority], "Most Important");
    EXPECT_EQ(opened.Rows[0][colStatus], "In Progress");
    EXPECT_EQ(opened.Rows[0][colDueDate], "20/04/2025");

    std::vector<TEntryCells> rows = opened.Rows;
    rows[0][colDescription] = "changed by Taskmere";
    ASSERT_TRUE(list.Save(*client_, rows).Complete);
    const std::string seen = RunPython(R"(
import sys, caldav
client = caldav.DAVClient(sys.argv[1], username="alice", password="secret")
calendar = client.calendar(url=sys.argv[2])
for todo in calendar.todos(include_completed=True):
    component = todo.icalendar_instance.walk("VTODO")[0]
    print(component["UID"], "|", component["SUMMARY"], "|", component.get("X-OTHER-APP"), "|",
          len(component.walk("VALARM")))
)",
                                       {server_->Url(), url_});
    EXPECT_EQ(seen, "from-python | changed by Taskmere | keep me | 1\n");
}

TEST_F(RemoteListTest, AListWhosePathIsEscapedKnowsItsOwnEntriesAgain) {
    RunPython(R"(
import sys, caldav
client = caldav.DAVClient(sys.argv[1], username="alice", password="secret")
client.principal().make_calendar(name="Meine Aufgaben", cal_id="Meine Aufgaben \u00fc",
                                 supported_calendar_component_set=["VTODO"])
)",
              {server_->Url()});
    std::string url;
    for (const TTaskCollection& collection : client_->TaskCollections())
        if (collection.DisplayName == "Meine Aufgaben") url = collection.Url;
    EXPECT_NE(url.find("/Meine%20Aufgaben%20%C3%BC/"), std::string::npos) << url;

    TRemoteList a(TRemoteListState{url, "Meine Aufgaben", "", {}}, {});
    ASSERT_TRUE(a.Save(*client_, {Entry("1", "one")}).Complete);
    EXPECT_FALSE(a.Refresh(*client_, a.KnownRows()).RowsChanged);
    TRemoteList b(TRemoteListState{url, "Meine Aufgaben", "", {}}, {});
    b.Refresh(*client_, {});
    std::vector<TEntryCells> rows = b.KnownRows();
    ASSERT_EQ(rows.size(), 1u);
    rows[0][colStatus] = "Completed";
    ASSERT_TRUE(b.Save(*client_, rows).Complete);
    const TSyncResult seen = a.Refresh(*client_, a.KnownRows());
    ASSERT_EQ(seen.Rows.size(), 1u);
    EXPECT_EQ(seen.Rows[0][colStatus], "Completed");
}

}  // namespace
}  // namespace tkm
