#include "caldav_figures.h"

#include "caldav/radicale_server.h"
#include "child_process.h"
#include "platform/net/caldav_client.h"
#include "tasks/remote_list.h"
#include "tasks/todo_resource.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

namespace tkm::bench {

namespace {

// Radicale reads every resource of a collection it has not seen before and
// keeps what it read in a cache of its own: ten thousand take minutes.
constexpr int WarmUpTimeLimitMs = 30 * 60 * 1000;

// A collection filled straight in Radicale's storage folder, as uploading ten
// thousand entries through the server would take an hour, then listed once
// untimed, so that Radicale has the cache its uploads would have left.
void Seed(const test::TRadicaleServer& server, const std::string& collectionUrl, const std::vector<TEntryCells>& rows,
          const TCalendarSettings& settings) {
    const std::string path = collectionUrl.substr(collectionUrl.find('/', collectionUrl.find("//") + 2));
    const std::string folder = server.Folder().File("storage/collection-root") + path;
    for (const TEntryCells& row : rows) {
        const std::vector<std::string_view> cells(row.begin(), row.end());
        const std::string uid = FreshTodoUid();
        std::ofstream(folder + uid + ".ics", std::ios::binary) << NewTodoResource(cells, uid, settings);
    }
    TCaldavClient({server.Url(), "alice", "secret"}, WarmUpTimeLimitMs).Changes(collectionUrl, {});
}

// In memory where the machine has it: the disk's flush after every file
// Radicale writes would be timed, not Radicale or Taskmere.
test::TRadicaleOptions ServerOptions() {
    test::TRadicaleOptions options;
    if (std::filesystem::is_directory("/dev/shm")) options.Parent = "/dev/shm";
    return options;
}

double Timed(const std::function<void()>& step) {
    const TStopwatch clock;
    step();
    return clock.Seconds();
}

void VdirsyncerPeer(const test::TRadicaleServer& server, TCaldavClient& client, const std::vector<TEntryCells>& rows,
                    const TCalendarSettings& settings, TBenchReport& report) {
    if (!ProgramOnPath("vdirsyncer")) return Note("no vdirsyncer on PATH: its figure is left out");
    const std::string url = client.CreateTaskCollection("vdirsyncer").Url;
    const std::string root = server.Folder().File("vdirsyncer");
    std::filesystem::create_directories(root + "/vdir");
    for (const TEntryCells& row : rows) {
        const std::vector<std::string_view> cells(row.begin(), row.end());
        const std::string uid = FreshTodoUid();
        std::ofstream(root + "/vdir/" + uid + ".ics", std::ios::binary) << NewTodoResource(cells, uid, settings);
    }
    std::ofstream(root + "/config") << "[general]\nstatus_path = \"" << root << "/status/\"\n"
                                    << "[pair bench]\na = \"local\"\nb = \"server\"\ncollections = null\n"
                                    << "[storage local]\ntype = \"filesystem\"\npath = \"" << root
                                    << "/vdir/\"\nfileext = \".ics\"\n"
                                    << "[storage server]\ntype = \"caldav\"\nurl = \"" << url
                                    << "\"\nusername = \"alice\"\npassword = \"secret\"\n";
    if (const TProcessResult found = RunProcess({"vdirsyncer", "-c", root + "/config", "discover", "bench"}); found.ExitCode != 0)
        return report.Fail("vdirsyncer discover failed: " + found.Output);
    const TProcessResult synced = RunProcess({"vdirsyncer", "-c", root + "/config", "sync"});
    if (synced.ExitCode != 0) return report.Fail("vdirsyncer failed: " + synced.Output);
    report.Seconds("caldav:upload-vdirsyncer", int(rows.size()), synced.Seconds);
}

}  // namespace

void CaldavFigures(const TBenchDocument& document, const TBaseGrid& grid, int runs, bool peers, TBenchReport& report) {
    const test::TRadicaleServer server(ServerOptions());
    TCaldavClient client({server.Url(), "alice", "secret"});
    const TCalendarSettings settings{document.Formats, "Europe/Berlin"};
    const std::vector<TEntryCells> rows = EntryRowsOf(grid);
    const std::string url = client.CreateTaskCollection("bench").Url;
    Seed(server, url, rows, settings);

    std::optional<TRemoteList> opened;
    const double open = MedianSeconds(runs, [&] {
        opened.emplace(TRemoteListState{url, "bench", {}, {}}, settings);
        return Timed([&] { opened->Refresh(client, {}); });
    });
    report.Seconds("caldav:open", document.Entries, open);
    std::vector<TEntryCells> table = opened->KnownRows();
    if (table.size() != rows.size()) report.Fail("the seeded list did not open whole");

    report.Seconds("caldav:refresh-nothing", document.Entries,
                   MedianSeconds(runs, [&] { return Timed([&] { opened->Refresh(client, table); }); }));
    // The server's share of it: the one question alone.
    report.Seconds("caldav:sync-report", document.Entries, MedianSeconds(runs, [&] {
                       return Timed([&] { client.Changes(url, opened->State().SyncToken); });
                   }));
    int edit = 0;
    report.Seconds("caldav:save-one", document.Entries, MedianSeconds(runs, [&] {
                       table[table.size() / 2][colDescription] = "changed " + std::to_string(++edit);
                       return Timed([&] {
                           if (!opened->Save(client, table).Complete) report.Fail("a save of one entry failed");
                       });
                   }));
    // The server's share of it: the one write alone.
    TRemoteEntry written = opened->State().Entries[table.size() / 2];
    report.Seconds("caldav:put-one", document.Entries, MedianSeconds(runs, [&] {
                       return Timed([&] {
                           const TWriteResult put = client.Put(written.Href, written.Text, written.ETag);
                           if (put.Outcome != TWriteOutcome::Done) report.Fail("a write of one entry was refused");
                           written.ETag = put.ETag;
                       });
                   }));

    const std::vector<TEntryCells> uploaded(rows.begin(), rows.begin() + std::min<std::size_t>(rows.size(), MostUploadedEntries));
    const std::string target = client.CreateTaskCollection("upload").Url;
    TRemoteList upload(TRemoteListState{target, "upload", {}, {}}, settings);
    report.Seconds("caldav:upload", int(uploaded.size()), Timed([&] {
                       if (!upload.Save(client, uploaded).Complete) report.Fail("the upload failed");
                   }));
    if (peers) VdirsyncerPeer(server, client, uploaded, settings, report);
}

}  // namespace tkm::bench
