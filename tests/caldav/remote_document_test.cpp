#include "base/errors.h"
#include "caldav/interrupted_server.h"
#include "caldav/radicale_test.h"
#include "caldav/scripted_http_server.h"
#include "grid/grid_sorter.h"
#include "platform/calendar_accounts.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/net/caldav_client.h"
#include "settings/mru_manager.h"
#include "support/scoped_env.h"
#include "tasks/document_session.h"
#include "tasks/task_document.h"
#include "tasks/task_table.h"

#include <gtest/gtest.h>

#include <QTimer>

#include <algorithm>
#include <functional>
#include <memory>

namespace tkm {
namespace {

using test::TRadicaleServer;

class TNoteView final : public TDocumentView {
public:
    std::string Title;
    std::vector<std::string> Notes;
    bool Modified = false;
    void TitleChanged(const std::string& title) override { Title = title; }
    void ModifiedChanged(bool modified) override { Modified = modified; }
    void CommitEditor() override {}
    void SetEditingEnabled(bool) override {}
    void StartEditing() override {}
    void FileOperationStarted(bool) override {}
    void FileProgress(int) override {}
    void FileOperationEnded() override {}
    void ChooseExportColumns() override {}
    void ChoosePrintColumns(TBaseGrid&) override {}
    TColorScheme ColorScheme() const override { return TColorScheme::Classic(); }
    void ShowNote(const std::string& note) override { Notes.push_back(note); }
};

// Answers the password questions from a script, as the user would type.
class TScriptedAccounts final : public CalendarAccounts {
public:
    std::optional<TRemoteAddress> Choice;
    std::vector<std::string> Passwords;  // the answers, in turn; none left: Cancel
    int Asked = 0;
    int TimeLimitMs = TCaldavClient::DefaultTimeLimitMs;
    std::function<void()> BeforeFirstWrite;  // runs inside the wait for the server

    std::optional<TRemoteAddress> ChooseList() override { return Choice; }
    CalendarServer* Connect(const TRemoteAddress& address, bool refused) override {
        if (refused || !password_) {
            if (std::size_t(Asked) >= Passwords.size()) return nullptr;
            password_ = Passwords[std::size_t(Asked++)];
        }
        client_ = std::make_unique<TCaldavClient>(TCalendarAccount{address.Url, address.User, *password_}, TimeLimitMs);
        if (!BeforeFirstWrite) return client_.get();
        interrupted_ = std::make_unique<test::TInterruptedServer>(*client_, std::move(BeforeFirstWrite));
        BeforeFirstWrite = nullptr;
        return interrupted_.get();
    }
    // The progress dialog's Cancel.
    void Cancel() { client_->Cancel(); }

private:
    std::optional<std::string> password_;
    std::unique_ptr<TCaldavClient> client_;
    std::unique_ptr<test::TInterruptedServer> interrupted_;
};

// One window of Taskmere: its own cache folder, its own table.
struct TWindow {
    explicit TWindow(const std::string& cacheFolder) : cache("XDG_CACHE_HOME", cacheFolder) {}
    test::TScopedEnv cache;
    TBaseGrid grid = EmptyTaskDocument();
    TLookupList lookup;
    TMRUManager recent;
    ScriptedDialogs dialogs;
    TNoteView view;
    FixedClock clock{{2026, 12, 8}, {9, 30, 5}};
    TLocaleFormats formats;
    TScriptedAccounts accounts;
    TDocumentSession session{{grid, lookup, recent, dialogs, view, {clock, formats}, "/start", {}, true, {}, nullptr,
                              {}, &accounts}};
};

class RemoteDocumentTest : public test::RadicaleTest {
protected:
    void SetUp() override {
        TCaldavClient client({server_->Url(), "alice", "secret"});
        address_ = {client.CreateTaskCollection("Shared list").Url, "alice"};
    }
    std::unique_ptr<TWindow> Window(const std::string& name) {
        auto window = std::make_unique<TWindow>(folder_.File(name));
        window->accounts.Choice = address_;
        window->accounts.Passwords = {"secret"};
        return window;
    }

    static void TypeFirstEntry(TWindow& window) {
        window.grid.SetCellText(colDescription, 1, "first");
        window.grid.SetCellText(colStatus, 1, "Not Started");
        window.session.SetModified(true);
    }

    test::TTempFolder folder_;
    TRemoteAddress address_;
};

// A to-do another program wrote, with a reminder Taskmere does not show.
std::string ForeignTodo(const std::string& uid, int number, const std::string& summary) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//other//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20250101T000000Z\r\nSUMMARY:" + summary + "\r\nSTATUS:NEEDS-ACTION\r\nX-TASKMERE-NUMBER:" +
           std::to_string(number) +
           "\r\nBEGIN:VALARM\r\nACTION:DISPLAY\r\nTRIGGER:-PT15M\r\nDESCRIPTION:soon\r\nEND:VALARM\r\n"
           "END:VTODO\r\nEND:VCALENDAR\r\n";
}

std::vector<std::string> Hrefs(CalendarServer& server, const std::string& url) {
    std::vector<std::string> hrefs;
    for (const TCalendarResource& resource : server.Changes(url, "").Changed) hrefs.push_back(resource.Href);
    std::sort(hrefs.begin(), hrefs.end());
    return hrefs;
}

TEST_F(RemoteDocumentTest, TwoWindowsShareTheListThroughSaveAndRefresh) {
    auto a = Window("a");
    ASSERT_TRUE(a->session.OpenRemote().GoesOn());
    EXPECT_EQ(a->view.Title, "Shared list - Taskmere");
    EXPECT_EQ(a->session.FileName(), address_.Name());
    EXPECT_EQ(a->recent.Entries().front().Name, address_.Name());
    a->grid.SetRowCount(3);
    for (int row = 1; row <= 2; ++row) {
        a->grid.SetCellText(colNo, row, std::to_string(row));
        a->grid.SetCellText(colStatus, row, "Not Started");
        a->grid.SetCellText(colDescription, row, "entry " + std::to_string(row));
    }
    a->session.SetModified(true);
    ASSERT_TRUE(a->session.Save().GoesOn());
    EXPECT_FALSE(a->view.Modified);

    // The other window opens the list by its name, as the reopen list and the command line do.
    auto b = Window("b");
    ASSERT_TRUE(b->session.OpenNamed(address_.Name()).GoesOn());
    ASSERT_EQ(b->grid.RowCount(), 3);
    EXPECT_EQ(b->grid.GetCellText(colDescription, 2), "entry 2");

    b->grid.SetCellText(colStatus, 1, "Completed");
    a->grid.SetCellText(colDescription, 1, "entry one");  // the same entry, another cell
    a->session.SetModified(true);
    b->session.SetModified(true);
    ASSERT_TRUE(b->session.Save().GoesOn());
    ASSERT_TRUE(a->session.Save().GoesOn());
    EXPECT_EQ(a->grid.GetCellText(colStatus, 1), "Completed");
    EXPECT_EQ(a->grid.GetCellText(colDescription, 1), "entry one");

    ASSERT_TRUE(b->session.Refresh().GoesOn());
    EXPECT_FALSE(b->view.Modified);
    EXPECT_EQ(b->grid.GetCellText(colDescription, 1), "entry one");

    // Both change the same cell: both versions stay, and the status bar says so.
    a->grid.SetCellText(colDescription, 2, "ours");
    b->grid.SetCellText(colDescription, 2, "theirs");
    a->session.SetModified(true);
    b->session.SetModified(true);
    ASSERT_TRUE(b->session.Save().GoesOn());
    ASSERT_TRUE(a->session.Save().GoesOn());
    ASSERT_EQ(a->grid.RowCount(), 4);
    EXPECT_EQ(a->grid.GetCellText(colDescription, 2), "theirs");
    EXPECT_EQ(a->grid.GetCellText(colDescription, 3), "ours (conflict)");
    ASSERT_FALSE(a->view.Notes.empty());
    EXPECT_EQ(a->view.Notes.back(), "1 conflict: both versions of the entry are kept");
}

TEST_F(RemoteDocumentTest, EditedEntriesKeepTheirResourcesThroughASort) {
    TCaldavClient other({server_->Url(), "alice", "secret"});
    const std::string path = address_.Url.substr(address_.Url.find('/', address_.Url.find("//") + 2));
    other.Put(path + "b.ics", ForeignTodo("b", 1, "b task"), "");
    other.Put(path + "c.ics", ForeignTodo("c", 2, "c task"), "");
    other.Put(path + "d.ics", ForeignTodo("d", 3, "d task"), "");
    const std::vector<std::string> hrefs = Hrefs(other, address_.Url);

    auto a = Window("a");
    ASSERT_TRUE(a->session.OpenRemote().GoesOn());
    ASSERT_EQ(a->grid.RowCount(), 4);
    // Entry 3 edited, then the table sorted and renumbered: it is entry 1 now.
    a->grid.SetCellText(colDescription, 3, "a task");
    SortByColumn(a->grid, {colDescription, TSortDirection::sdAscending, true, 0}, a->formats);
    TaskTable::Renumber(a->grid);
    ASSERT_EQ(a->grid.GetCellText(colDescription, 1), "a task");
    ASSERT_EQ(a->grid.GetCellText(colNo, 1), "1");
    a->session.SetModified(true);
    ASSERT_TRUE(a->session.Save().GoesOn());
    EXPECT_EQ(Hrefs(other, address_.Url), hrefs);
    const std::vector<TCalendarResource> d = other.Fetch(address_.Url, {path + "d.ics"});
    ASSERT_EQ(d.size(), 1u);
    EXPECT_NE(d[0].Text.find("SUMMARY:a task"), std::string::npos);
    EXPECT_NE(d[0].Text.find("BEGIN:VALARM"), std::string::npos);
    EXPECT_NE(d[0].Text.find("UID:d"), std::string::npos);

    // A new row, once saved, is known by its resource too.
    a->grid.SetRowCount(5);
    a->grid.SetCellText(colNo, 4, "4");
    a->grid.SetCellText(colDescription, 4, "0 new");
    a->grid.SetCellText(colStatus, 4, "Not Started");
    ASSERT_TRUE(a->session.Save().GoesOn());
    const std::vector<std::string> withNew = Hrefs(other, address_.Url);
    ASSERT_EQ(withNew.size(), 4u);
    a->grid.SetCellText(colDescription, 4, "0 new, edited");
    SortByColumn(a->grid, {colDescription, TSortDirection::sdAscending, true, 0}, a->formats);
    TaskTable::Renumber(a->grid);
    ASSERT_TRUE(a->session.Save().GoesOn());
    EXPECT_EQ(Hrefs(other, address_.Url), withNew);

    auto b = Window("b");
    ASSERT_TRUE(b->session.OpenNamed(address_.Name()).GoesOn());
    ASSERT_EQ(b->grid.RowCount(), 5);
    EXPECT_EQ(b->grid.GetCellText(colDescription, 1), "0 new, edited");
    EXPECT_EQ(b->grid.GetCellText(colDescription, 2), "a task");
    EXPECT_EQ(b->grid.GetCellText(colDescription, 3), "b task");
}

TEST_F(RemoteDocumentTest, WhileTheServerAnswersTheDocumentIsNeitherReplacedNorClosed) {
    auto a = Window("a");
    ASSERT_TRUE(a->session.OpenRemote().GoesOn());
    TypeFirstEntry(*a);
    // Another instance's message, the timer and the window's close come in during the save.
    a->accounts.BeforeFirstWrite = [&] {
        EXPECT_EQ(a->session.OpenFromAnotherInstance(folder_.File("other.tkm")).Kind, TDocumentOutcome::Busy);
        EXPECT_EQ(a->session.New().Kind, TDocumentOutcome::Busy);
        EXPECT_EQ(a->session.Open().Kind, TDocumentOutcome::Busy);
        EXPECT_EQ(a->session.OpenRemote().Kind, TDocumentOutcome::Busy);
        EXPECT_EQ(a->session.CloseQuestion().Kind, TDocumentOutcome::Busy);
        EXPECT_EQ(a->session.Refresh(true).Kind, TDocumentOutcome::Busy);
    };
    ASSERT_TRUE(a->session.Save().GoesOn());
    EXPECT_TRUE(a->session.IsRemote());
    EXPECT_TRUE(a->dialogs.Questions.empty());
    EXPECT_EQ(a->grid.GetCellText(colDescription, 1), "first");
    EXPECT_FALSE(a->view.Modified);

    // A save cancelled on its way, asked for by New: the edit stays unsent and shown.
    a->grid.SetCellText(colDescription, 1, "second");
    a->session.SetModified(true);
    a->accounts.BeforeFirstWrite = [] { throw EAbort(); };
    a->dialogs.Answers = {TConfirmAnswer::Yes};
    EXPECT_EQ(a->session.New().Kind, TDocumentOutcome::Cancelled);
    EXPECT_TRUE(a->session.IsRemote());
    EXPECT_EQ(a->grid.GetCellText(colDescription, 1), "second");
    EXPECT_TRUE(a->view.Modified);
}

TEST_F(RemoteDocumentTest, ARefusedPasswordIsAskedForAgain) {
    auto a = Window("a");
    a->accounts.Passwords = {"wrong", "secret"};
    ASSERT_TRUE(a->session.OpenRemote().GoesOn());
    EXPECT_EQ(a->accounts.Asked, 2);

    auto b = Window("b");
    b->accounts.Passwords = {"wrong"};
    EXPECT_EQ(b->session.OpenRemote().Kind, TDocumentOutcome::Cancelled);
    EXPECT_FALSE(b->session.IsRemote());

    // The password changed on the server since the list was opened: asked at the save.
    const std::string users = server_->Folder().File("users");
    test::WriteBytes(users, "alice:secret\nbob:other\ncarol:first\n");
    auto c = Window("c");
    c->accounts.Choice = TRemoteAddress{TCaldavClient({server_->Url(), "carol", "first"}).CreateTaskCollection("Carol's").Url, "carol"};
    c->accounts.Passwords = {"first", "second"};
    ASSERT_TRUE(c->session.OpenRemote().GoesOn());
    test::WriteBytes(users, "alice:secret\nbob:other\ncarol:second\n");
    c->grid.SetCellText(colDescription, 1, "sent with the new password");
    c->session.SetModified(true);
    EXPECT_TRUE(c->session.Save().GoesOn());
    EXPECT_EQ(c->accounts.Asked, 2);
    EXPECT_FALSE(c->view.Modified);
    TCaldavClient carol({server_->Url(), "carol", "second"});
    EXPECT_EQ(carol.Changes(c->accounts.Choice->Url, "").Changed.size(), 1u);
}

TEST_F(RemoteDocumentTest, AFullAccountOrACancelledSaveKeepsEveryChangeAndTheListModified) {
    test::TScriptedHttpServer server;
    server.Answer("PROPFIND", "207 Multi-Status", "Content-Type: application/xml\r\n",
                  R"(<?xml version="1.0"?><multistatus xmlns="DAV:"><response><href>/list/</href><propstat><prop>)"
                  R"(<displayname>Full list</displayname></prop><status>HTTP/1.1 200 OK</status></propstat></response></multistatus>)");
    server.Answer("REPORT", "207 Multi-Status", "Content-Type: application/xml\r\n",
                  R"(<?xml version="1.0"?><multistatus xmlns="DAV:"><sync-token>http://example.org/1</sync-token></multistatus>)");
    server.Answer("PUT", "507 Insufficient Storage");
    auto a = Window("a");
    a->accounts.Choice = TRemoteAddress{server.Url() + "list/", "alice"};
    ASSERT_TRUE(a->session.OpenRemote().GoesOn());
    EXPECT_EQ(a->view.Title, "Full list - Taskmere");
    a->grid.SetCellText(colDescription, 1, "kept");
    a->session.SetModified(true);

    const TDocumentOutcome full = a->session.Save();
    EXPECT_EQ(full.Kind, TDocumentOutcome::Failed);
    EXPECT_NE(full.Message.find("127.0.0.1:"), std::string::npos) << full.Message;
    EXPECT_NE(full.Message.find("507 Insufficient Storage"), std::string::npos) << full.Message;
    EXPECT_TRUE(a->view.Modified);

    // The server takes the entry and does not answer; the user gives up waiting.
    server.Hold("PUT");
    QTimer::singleShot(200, [&] { a->accounts.Cancel(); });
    EXPECT_EQ(a->session.Save().Kind, TDocumentOutcome::Cancelled);
    EXPECT_TRUE(a->view.Modified);
    EXPECT_EQ(a->grid.GetCellText(colDescription, 1), "kept");
    EXPECT_EQ(server.Verbs().count("PUT"), 2);
}

TEST_F(RemoteDocumentTest, WithoutTheServerTheListOpensFromItsCacheAndSaveKeepsTheChanges) {
    auto a = Window("a");
    ASSERT_TRUE(a->session.OpenRemote().GoesOn());
    TypeFirstEntry(*a);
    ASSERT_TRUE(a->session.Save().GoesOn());

    server_->Stop();
    auto offline = Window("a");
    offline->accounts.TimeLimitMs = 3000;
    ASSERT_TRUE(offline->session.OpenNamed(address_.Name()).GoesOn());
    EXPECT_EQ(offline->grid.GetCellText(colDescription, 1), "first");
    offline->grid.SetCellText(colDescription, 1, "edited offline");
    offline->session.SetModified(true);
    const TDocumentOutcome saved = offline->session.Save();
    server_->Start();
    EXPECT_EQ(saved.Message, "The server cannot be reached; your changes are kept and will be sent at the next Save.");
    EXPECT_TRUE(offline->view.Modified);

    ASSERT_TRUE(offline->session.Save().GoesOn());
    EXPECT_FALSE(offline->view.Modified);
    auto b = Window("b");
    ASSERT_TRUE(b->session.OpenNamed(address_.Name()).GoesOn());
    EXPECT_EQ(b->grid.GetCellText(colDescription, 1), "edited offline");
}

}  // namespace
}  // namespace tkm
