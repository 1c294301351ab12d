#include "caldav/radicale_test.h"
#include "base/errors.h"
#include "platform/net/caldav_client.h"

#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>

#include <functional>
#include <memory>

#include <algorithm>

namespace tkm {
namespace {

using test::TRadicaleServer;
using TKind = ECalendarServerError::TKind;

std::string Todo(const std::string& uid, const std::string& summary) {
    return "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//test//EN\r\nBEGIN:VTODO\r\nUID:" + uid +
           "\r\nDTSTAMP:20250101T000000Z\r\nSUMMARY:" + summary + "\r\nEND:VTODO\r\nEND:VCALENDAR\r\n";
}

std::string PathOf(const std::string& url) {
    const std::size_t slash = url.find('/', url.find("//") + 2);
    return url.substr(slash);
}

class CaldavClientTest : public test::RadicaleTest {
protected:
    TCalendarAccount Alice() const { return {server_->Url(), "alice", "secret"}; }

};

TEST_F(CaldavClientTest, FindsTheTaskCollectionsFromTheServerAddressOrACollectionsOwn) {
    TCaldavClient client(Alice());
    const TTaskCollection home = client.CreateTaskCollection("Home chores");
    const TTaskCollection work = client.CreateTaskCollection("Work");
    const std::vector<TTaskCollection> found = client.TaskCollections();
    ASSERT_GE(found.size(), 2u);
    const auto has = [&](const TTaskCollection& c) {
        return std::any_of(found.begin(), found.end(), [&](const TTaskCollection& f) {
            return f.Url == c.Url && f.DisplayName == c.DisplayName;
        });
    };
    EXPECT_TRUE(has(home));
    EXPECT_TRUE(has(work));

    TCaldavClient direct({work.Url, "alice", "secret"});
    const std::vector<TTaskCollection> one = direct.TaskCollections();
    ASSERT_EQ(one.size(), 1u);
    EXPECT_EQ(one[0].Url, work.Url);
    EXPECT_EQ(direct.DisplayName(work.Url), "Work");
}

TEST_F(CaldavClientTest, ConditionalWritesAndRemovalsAnswerConflictWhenAnotherClientWasFirst) {
    TCaldavClient client(Alice());
    const TTaskCollection list = client.CreateTaskCollection("Writes");
    const std::string href = PathOf(list.Url) + "a.ics";

    const TWriteResult created = client.Put(href, Todo("a", "first"), "");
    ASSERT_EQ(created.Outcome, TWriteOutcome::Done);
    ASSERT_FALSE(created.ETag.empty());
    EXPECT_EQ(client.Put(href, Todo("a", "again"), "").Outcome, TWriteOutcome::Conflict);

    const TWriteResult changed = client.Put(href, Todo("a", "second"), created.ETag);
    ASSERT_EQ(changed.Outcome, TWriteOutcome::Done);
    EXPECT_NE(changed.ETag, created.ETag);
    EXPECT_EQ(client.Put(href, Todo("a", "stale"), created.ETag).Outcome, TWriteOutcome::Conflict);
    EXPECT_EQ(client.Remove(href, created.ETag), TWriteOutcome::Conflict);

    const std::vector<TCalendarResource> read = client.Fetch(list.Url, {href});
    ASSERT_EQ(read.size(), 1u);
    EXPECT_EQ(read[0].ETag, changed.ETag);
    EXPECT_NE(read[0].Text.find("SUMMARY:second"), std::string::npos);

    EXPECT_EQ(client.Remove(href, changed.ETag), TWriteOutcome::Done);
    EXPECT_EQ(client.Remove(href, changed.ETag), TWriteOutcome::Done);  // gone already
    EXPECT_TRUE(client.Fetch(list.Url, {href}).empty());
}

TEST_F(CaldavClientTest, ChangesSinceATokenNameOnlyWhatChanged) {
    TCaldavClient client(Alice());
    const TTaskCollection list = client.CreateTaskCollection("Sync");
    const std::string path = PathOf(list.Url);
    client.Put(path + "a.ics", Todo("a", "a"), "");
    const TWriteResult b = client.Put(path + "b.ics", Todo("b", "b"), "");

    const TCollectionChanges all = client.Changes(list.Url, "");
    EXPECT_TRUE(all.Full);
    EXPECT_EQ(all.Changed.size(), 2u);
    ASSERT_FALSE(all.SyncToken.empty());

    const TCollectionChanges none = client.Changes(list.Url, all.SyncToken);
    EXPECT_FALSE(none.Full);
    EXPECT_TRUE(none.Changed.empty());
    EXPECT_TRUE(none.Removed.empty());

    client.Put(path + "c.ics", Todo("c", "c"), "");
    client.Remove(path + "b.ics", b.ETag);
    const TCollectionChanges some = client.Changes(list.Url, none.SyncToken);
    EXPECT_FALSE(some.Full);
    ASSERT_EQ(some.Changed.size(), 1u);
    EXPECT_EQ(some.Changed[0].Href, path + "c.ics");
    EXPECT_EQ(some.Removed, std::vector<std::string>{path + "b.ics"});

    // A token the server does not know, and the collection tag of a server
    // without sync, both give the whole listing.
    const TCollectionChanges unknown = client.Changes(list.Url, "http://radicale.org/ns/sync/nonsense");
    EXPECT_TRUE(unknown.Full);
    EXPECT_EQ(unknown.Changed.size(), 2u);
    const TCollectionChanges byTag = client.Changes(list.Url, "ctag:old");
    EXPECT_TRUE(byTag.Full);
    EXPECT_EQ(byTag.Changed.size(), 2u);
    ASSERT_EQ(byTag.SyncToken.rfind("ctag:", 0), 0u);
    const TCollectionChanges sameTag = client.Changes(list.Url, byTag.SyncToken);
    EXPECT_FALSE(sameTag.Full);
    EXPECT_TRUE(sameTag.Changed.empty());
}

TEST_F(CaldavClientTest, FailuresSayWhatTheServerAnswered) {
    TCaldavClient wrong({server_->Url(), "alice", "wrong"});
    try {
        wrong.TaskCollections();
        FAIL() << "a wrong password was taken";
    } catch (const ECalendarServerError& e) {
        EXPECT_EQ(e.Kind(), TKind::Unauthorized);
        EXPECT_EQ(e.Status(), 401);
        EXPECT_NE(std::string(e.what()).find("127.0.0.1"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("401"), std::string::npos) << e.what();
    }

    TCaldavClient alice(Alice());
    // bob's lists are not alice's.
    try {
        alice.Put("/bob/list/x.ics", Todo("x", "x"), "");
        FAIL() << "alice wrote into bob's folder";
    } catch (const ECalendarServerError& e) {
        EXPECT_EQ(e.Kind(), TKind::Forbidden) << e.what();
    }

    TCaldavClient nowhere({"http://127.0.0.1:1/", "alice", "secret"}, 2000);
    try {
        nowhere.TaskCollections();
        FAIL() << "a closed port answered";
    } catch (const ECalendarServerError& e) {
        EXPECT_EQ(e.Kind(), TKind::Unreachable);
        EXPECT_NE(std::string(e.what()).find("127.0.0.1:1"), std::string::npos) << e.what();
    }
}

// Answers each request (head and body) with what `answer` gives for it, then hangs up.
class TScriptedHttpServer {
public:
    explicit TScriptedHttpServer(std::function<QByteArray(const QByteArray&)> answer) : answer_(std::move(answer)) {
        if (!server_.listen(QHostAddress::LocalHost, 0)) throw std::runtime_error("no free port");
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            QTcpSocket* socket = server_.nextPendingConnection();
            auto request = std::make_shared<QByteArray>();
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, request] {
                *request += socket->readAll();
                const qsizetype head = request->indexOf("\r\n\r\n");
                if (head < 0) return;
                const QByteArray lower = request->left(head).toLower();
                const qsizetype length = lower.indexOf("content-length:");
                const int bodySize = length < 0 ? 0 : lower.mid(length + 15, lower.indexOf('\r', length) - length - 15).trimmed().toInt();
                if (request->size() < head + 4 + bodySize) return;
                socket->write(answer_(*request));
                socket->flush();
                socket->disconnectFromHost();
                request->clear();
            });
        });
    }
    std::string Url() const { return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + "/list/"; }

private:
    std::function<QByteArray(const QByteArray&)> answer_;
    QTcpServer server_;
};

QByteArray MultiStatus(const QByteArray& responses) {
    const QByteArray body = "<?xml version=\"1.0\"?><multistatus xmlns=\"DAV:\">" + responses + "</multistatus>";
    return "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray Resource(const QByteArray& href, const QByteArray& etag) {
    return "<response><href>" + href + "</href><propstat><prop><getetag>" + etag +
           "</getetag></prop><status>HTTP/1.1 200 OK</status></propstat></response>";
}

TEST_F(CaldavClientTest, AnAnswerCutOffMidwayIsNoAnswer) {
    TScriptedHttpServer cutOff([](const QByteArray&) -> QByteArray {
        return "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: 5000\r\n\r\n"
               "<?xml version=\"1.0\"?><multistatus xmlns=\"DAV:\"><response><href>/a";
    });
    TCaldavClient client({cutOff.Url(), "alice", "secret"}, 3000);
    try {
        client.Changes(cutOff.Url(), "");
        FAIL() << "half an answer was read";
    } catch (const ECalendarServerError& e) {
        // Unreachable, so that a save keeps the changes for later.
        EXPECT_EQ(e.Kind(), TKind::Unreachable) << e.what();
    }
}

TEST_F(CaldavClientTest, ASyncSentInPartsIsAskedForToTheEnd) {
    // Three parts: a, b; then b again and c; then a removed.
    TScriptedHttpServer parts([](const QByteArray& request) {
        const QByteArray truncated = "<response><href>/list/</href><status>HTTP/1.1 507 Insufficient Storage</status></response>";
        if (request.contains(">t1<"))
            return MultiStatus(Resource("/list/b.ics", "\"b2\"") + Resource("/list/c.ics", "\"c1\"") + truncated +
                               "<sync-token>t2</sync-token>");
        if (request.contains(">t2<"))
            return MultiStatus("<response><href>/list/a.ics</href><status>HTTP/1.1 404 Not Found</status></response>"
                               "<sync-token>t3</sync-token>");
        return MultiStatus(Resource("/list/a.ics", "\"a1\"") + Resource("/list/b.ics", "\"b1\"") + truncated +
                           "<sync-token>t1</sync-token>");
    });
    TCaldavClient client({parts.Url(), "alice", "secret"}, 3000);
    const TCollectionChanges changes = client.Changes(parts.Url(), "");
    EXPECT_TRUE(changes.Full);
    EXPECT_EQ(changes.SyncToken, "t3");
    ASSERT_EQ(changes.Changed.size(), 2u);
    EXPECT_EQ(changes.Changed[0].Href, "/list/b.ics");
    EXPECT_EQ(changes.Changed[0].ETag, "\"b2\"");
    EXPECT_EQ(changes.Changed[1].Href, "/list/c.ics");
    EXPECT_TRUE(changes.Removed.empty());
}

TEST_F(CaldavClientTest, ThePasswordGoesOnlyToTheAccountsOwnServer) {
    std::vector<QByteArray> heard;
    const auto created = [&heard](const QByteArray& request) -> QByteArray {
        heard.push_back(request.toLower());
        return "HTTP/1.1 201 Created\r\nETag: \"1\"\r\nConnection: close\r\nContent-Length: 0\r\n\r\n";
    };
    TScriptedHttpServer own(created), other(created);
    TCaldavClient client({own.Url(), "alice", "secret"}, 3000);
    client.Put("/list/a.ics", Todo("a", "a"), "");
    client.Put(other.Url() + "b.ics", Todo("b", "b"), "");
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[0].contains("authorization: basic"));
    EXPECT_FALSE(heard[1].contains("authorization"));

    // Let go there once, it goes there from then on.
    int asked = 0;
    client.SetRedirectQuestion([&asked](const QUrl&, const QUrl&) { return ++asked > 0; });
    client.Put(other.Url() + "c.ics", Todo("c", "c"), "");
    client.Put(other.Url() + "d.ics", Todo("d", "d"), "");
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_TRUE(heard[3].contains("authorization: basic"));
    EXPECT_EQ(asked, 1);
}

TEST_F(CaldavClientTest, ACancelledClientSendsNothingMore) {
    TCaldavClient client(Alice());
    client.Cancel();
    EXPECT_THROW(client.TaskCollections(), EAbort);
}

}  // namespace
}  // namespace tkm
