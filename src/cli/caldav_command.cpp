#include "cli/commands.h"
#include "cli/document_files.h"
#include "platform/keychain/keychain_password_store.h"
#include "platform/net/caldav_client.h"
#include "tasks/remote_address.h"
#include "tasks/remote_list.h"
#include "tasks/remote_list_cache.h"
#include "tasks/task_document.h"

#include <QCoreApplication>

#include <cstdlib>
#include <filesystem>
#include <iostream>

namespace tkm::cli {

namespace {

// Qt's network and the keyring answer on an event loop.
void NeedEventLoop() {
    if (QCoreApplication::instance()) return;
    static int argc = 1;
    static char name[] = "tkm";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
}

TCalendarAccount Account(const std::string& url, TArguments& args) {
    const std::optional<std::string> user = args.TakeValue("--user");
    if (!user || user->empty()) throw EUsage("--user NAME is needed");
    const std::optional<TRemoteAddress> address = TRemoteAddress::Parse(url);
    if (!address) throw EUsage("not a server address: " + url);
    TCalendarAccount account{address->Url, *user, {}};
    if (const char* password = std::getenv("TASKMERE_CALDAV_PASSWORD")) {
        account.Password = password;
    } else if (auto kept = TKeychainPasswordStore().Read(PasswordAccount(account.User, account.Url))) {
        account.Password = std::move(*kept);
    } else {
        throw EFileError("no password for " + account.User + " at " + url +
                         " in the keyring; TASKMERE_CALDAV_PASSWORD gives one");
    }
    return account;
}

// A server's failure ends the command with its answer.
template <typename TStep>
void ReportingServerErrors(TStep step) {
    try {
        step();
    } catch (const ECalendarServerError& e) {
        throw EFileError(e.what());
    }
}

TRemoteList OpenedList(TCaldavClient& client, const TCalendarAccount& account, const TArguments& args) {
    const TCalendarSettings settings = CalendarSettings(args);
    std::optional<TRemoteListState> cached;
    ReportingFileErrors([&] { cached = ReadRemoteListCache(RemoteListCacheFile(account.User, account.Url), settings); });
    if (!cached) cached = TRemoteListState{account.Url, client.DisplayName(account.Url), {}, {}};
    return TRemoteList(std::move(*cached), settings);
}

void KeepCache(const TRemoteList& list, const TCalendarAccount& account) {
    ReportingFileErrors([&] { WriteRemoteListCache(RemoteListCacheFile(account.User, account.Url), list.State()); });
}

int RunList(TArguments& args) {
    args.ExpectPositional(2, 2);
    TCalendarAccount account = Account(args.Positional[1], args);
    args.RejectUnknown();
    TCaldavClient client(account);
    ReportingServerErrors([&] {
        for (const TTaskCollection& collection : client.TaskCollections())
            std::cout << collection.Url << '\t' << collection.DisplayName << '\n';
    });
    return 0;
}

int RunPull(TArguments& args) {
    const bool force = args.TakeFlag("--force");
    args.ExpectPositional(3, 3);
    const TCalendarAccount account = Account(args.Positional[1], args);
    args.RejectUnknown();
    const std::string& out = args.Positional[2];
    if (!force) RefuseToReplace(out);
    TCaldavClient client(account);
    std::vector<TEntryCells> rows;
    ReportingServerErrors([&] {
        TRemoteList list = OpenedList(client, account, args);
        list.Refresh(client, list.KnownRows());
        rows = list.KnownRows();
        KeepCache(list, account);
    });
    SaveDocument(TaskTableOf(rows), out, args);
    return 0;
}

int RunPush(TArguments& args) {
    args.ExpectPositional(3, 3);
    const TCalendarAccount account = Account(args.Positional[2], args);
    args.RejectUnknown();
    TBaseGrid document;
    LoadDocument(document, args.Positional[1], args);
    TCaldavClient client(account);
    const std::string record = PushRecordFile(RemoteListCacheFile(account.User, account.Url),
                                              std::filesystem::absolute(args.Positional[1]).lexically_normal().string());
    std::vector<std::string> hrefs;
    ReportingFileErrors([&] { hrefs = ReadPushRecord(record); });
    ReportingServerErrors([&] {
        TRemoteList list = OpenedList(client, account, args);
        const TSyncResult pushed = list.Push(client, EntryRowsOf(document), hrefs);
        KeepCache(list, account);
        ReportingFileErrors([&] { WritePushRecord(record, hrefs); });
        if (pushed.Failure) throw *pushed.Failure;
        if (!pushed.Complete) throw EFileError("other clients kept changing the list; run push again");
    });
    return 0;
}

int RunCaldav(TArguments& args) {
    if (args.Positional.empty()) throw EUsage("list, pull or push is needed");
    NeedEventLoop();
    const std::string& verb = args.Positional[0];
    if (verb == "list") return RunList(args);
    if (verb == "pull") return RunPull(args);
    if (verb == "push") return RunPush(args);
    throw EUsage("unknown caldav command " + verb);
}

}  // namespace

TCommand CaldavCommand() {
    return {"caldav",
            "caldav list URL --user NAME\n"
            "                            the account's task collections, as URL<TAB>name\n"
            "  caldav pull URL OUT.tkm --user NAME [--force]\n"
            "                            a collection's to-dos as a document\n"
            "  caldav push IN.tkm URL --user NAME\n"
            "                            a document's entries into a collection\n"
            "                            (password: the keyring or TASKMERE_CALDAV_PASSWORD)",
            {"--user"}, RunCaldav};
}

}  // namespace tkm::cli
