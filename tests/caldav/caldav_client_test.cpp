#include "caldav/radicale_test.h"
#include "caldav/scripted_http_server.h"
#include "base/errors.h"
#include "platform/net/caldav_client.h"

#include <gtest/gtest.h>

#include <QProcess>

#include <algorithm>

namespace tkm {
namespace {

using test::PathOf;
using test::TRadicaleServer;
using test::Todo;
using TKind = ECalendarServerError::TKind;

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

// The address of the scripted server's one list.
std::string ListUrl(const test::TScriptedHttpServer& server) { return server.Url() + "list/"; }

QByteArray MultiStatus(const QByteArray& responses) {
    const QByteArray body = "<?xml version=\"1.0\"?><multistatus xmlns=\"DAV:\" xmlns:C=\"urn:ietf:params:xml:ns:caldav\">" +
                            responses + "</multistatus>";
    return "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nConnection: close\r\nContent-Length: " +
           QByteArray::number(body.size()) + "\r\n\r\n" + body;
}

QByteArray Resource(const QByteArray& href, const QByteArray& etag) {
    return "<response><href>" + href + "</href><propstat><prop><getetag>" + etag +
           "</getetag></prop><status>HTTP/1.1 200 OK</status></propstat></response>";
}

TEST_F(CaldavClientTest, AnAnswerCutOffMidwayIsNoAnswer) {
    test::TScriptedHttpServer cutOff([](const QByteArray&) -> QByteArray {
        return "HTTP/1.1 207 Multi-Status\r\nContent-Type: application/xml\r\nContent-Length: 5000\r\n\r\n"
               "<?xml version=\"1.0\"?><multistatus xmlns=\"DAV:\"><response><href>/a";
    });
    TCaldavClient client({ListUrl(cutOff), "alice", "secret"}, 3000);
    try {
        client.Changes(ListUrl(cutOff), "");
        FAIL() << "half an answer was read";
    } catch (const ECalendarServerError& e) {
        // Unreachable, so that a save keeps the changes for later.
        EXPECT_EQ(e.Kind(), TKind::Unreachable) << e.what();
    }
}

TEST_F(CaldavClientTest, ASyncSentInPartsIsAskedForToTheEnd) {
    // Three parts: a, b; then b again and c; then a removed.
    test::TScriptedHttpServer parts([](const QByteArray& request) {
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
    TCaldavClient client({ListUrl(parts), "alice", "secret"}, 3000);
    const TCollectionChanges changes = client.Changes(ListUrl(parts), "");
    EXPECT_TRUE(changes.Full);
    EXPECT_EQ(changes.SyncToken, "t3");
    ASSERT_EQ(changes.Changed.size(), 2u);
    EXPECT_EQ(changes.Changed[0].Href, "/list/b.ics");
    EXPECT_EQ(changes.Changed[0].ETag, "\"b2\"");
    EXPECT_EQ(changes.Changed[1].Href, "/list/c.ics");
    EXPECT_TRUE(changes.Removed.empty());
}

QByteArray Properties(const QByteArray& href, const QByteArray& properties) {
    return "<response><href>" + href + "</href><propstat><prop>" + properties +
           "</prop><status>HTTP/1.1 200 OK</status></propstat></response>";
}

QByteArray TaskCalendar(const QByteArray& href, const QByteArray& name) {
    return Properties(href, "<displayname>" + name +
                                "</displayname><resourcetype><collection/><C:calendar/></resourcetype>"
                                "<C:supported-calendar-component-set><C:comp name=\"VTODO\"/>"
                                "</C:supported-calendar-component-set>");
}

TEST_F(CaldavClientTest, HrefsAreReadAgainstTheAddressThatAnsweredAfterARedirect) {
    // The server's root and an old list address lead on to /dav/, where every
    // href but one is relative.
    QByteArray root;
    test::TScriptedHttpServer moved([&root](const QByteArray& request) -> QByteArray {
        const qsizetype from = request.indexOf(' ') + 1;
        const QByteArray path = request.mid(from, request.indexOf(' ', from) - from);
        const auto redirect = [](const QByteArray& to) -> QByteArray {
            return "HTTP/1.1 307 Temporary Redirect\r\nLocation: " + to + "\r\nConnection: close\r\nContent-Length: 0\r\n\r\n";
        };
        if (path == "/") return redirect("/dav/");
        if (path == "/old/work/") return redirect("/dav/calendars/alice/work/");
        if (path == "/dav/" && request.contains("current-user-principal"))
            return MultiStatus(Properties("", "<current-user-principal><href>users/alice/</href></current-user-principal>"));
        if (path == "/dav/") return MultiStatus(Properties("", "<resourcetype><collection/></resourcetype>"));
        if (path == "/dav/users/alice/")
            return MultiStatus(Properties("", "<C:calendar-home-set><href>../../calendars/alice/</href></C:calendar-home-set>"));
        if (path == "/dav/calendars/alice/")
            return MultiStatus(Properties("", "<resourcetype><collection/></resourcetype>") + TaskCalendar("work/", "Work") +
                               TaskCalendar(root + "dav/calendars/alice/home/", "Home"));
        if (path == "/dav/calendars/alice/work/")
            return MultiStatus(Resource("a.ics", "\"a1\"") + Resource(root + "dav/calendars/alice/work/b.ics", "\"b1\"") +
                               "<sync-token>t1</sync-token>");
        return "HTTP/1.1 404 Not Found\r\nConnection: close\r\nContent-Length: 0\r\n\r\n";
    });
    root = QByteArray::fromStdString(moved.Url());
    TCaldavClient client({moved.Url(), "alice", "secret"}, 3000);

    const std::vector<TTaskCollection> found = client.TaskCollections();
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].Url, moved.Url() + "dav/calendars/alice/home/");
    EXPECT_EQ(found[1].Url, moved.Url() + "dav/calendars/alice/work/");
    EXPECT_EQ(found[1].DisplayName, "Work");

    const TCollectionChanges changes = client.Changes(moved.Url() + "old/work/", "");
    ASSERT_EQ(changes.Changed.size(), 2u);
    EXPECT_EQ(changes.Changed[0].Href, "/dav/calendars/alice/work/a.ics");
    EXPECT_EQ(changes.Changed[1].Href, "/dav/calendars/alice/work/b.ics");
}

TEST_F(CaldavClientTest, ThePasswordGoesOnlyToTheAccountsOwnServer) {
    std::vector<QByteArray> heard;
    const auto created = [&heard](const QByteArray& request) -> QByteArray {
        heard.push_back(request.toLower());
        return "HTTP/1.1 201 Created\r\nETag: \"1\"\r\nConnection: close\r\nContent-Length: 0\r\n\r\n";
    };
    test::TScriptedHttpServer own(created), other(created);
    TCaldavClient client({ListUrl(own), "alice", "secret"}, 3000);
    client.Put("/list/a.ics", Todo("a", "a"), "");
    client.Put(ListUrl(other) + "b.ics", Todo("b", "b"), "");
    ASSERT_EQ(heard.size(), 2u);
    EXPECT_TRUE(heard[0].contains("authorization: basic"));
    EXPECT_FALSE(heard[1].contains("authorization"));

    // Let go there once, it goes there from then on.
    int asked = 0;
    client.SetRedirectQuestion([&asked](const QUrl&, const QUrl&) { return ++asked > 0; });
    client.Put(ListUrl(other) + "c.ics", Todo("c", "c"), "");
    client.Put(ListUrl(other) + "d.ics", Todo("d", "d"), "");
    ASSERT_EQ(heard.size(), 4u);
    EXPECT_TRUE(heard[3].contains("authorization: basic"));
    EXPECT_EQ(asked, 1);
}

TEST_F(CaldavClientTest, ARedirectToAnotherServerIsFollowedOnlyWhenTheUserAllows) {
    TCaldavClient(Alice()).CreateTaskCollection("Moved");
    // Radicale by another name: another server to the client.
    std::string elsewhere = server_->Url();
    elsewhere.replace(elsewhere.find("127.0.0.1"), 9, "localhost");
    test::TScriptedHttpServer moved;
    moved.Answer("PROPFIND", "307 Temporary Redirect", QByteArray::fromStdString("Location: " + elsewhere + "alice/\r\n"));

    for (const bool allowed : {false, true}) {
        TCaldavClient client({moved.Url(), "alice", "secret"});
        QUrl askedAbout;
        client.SetRedirectQuestion([&](const QUrl&, const QUrl& to) {
            askedAbout = to;
            return allowed;
        });
        if (allowed) {
            EXPECT_FALSE(client.TaskCollections().empty());
        } else {
            try {
                client.TaskCollections();
                ADD_FAILURE() << "followed a redirect the user refused";
            } catch (const ECalendarServerError& e) {
                EXPECT_EQ(e.Kind(), TKind::Redirected);
                EXPECT_NE(std::string(e.what()).find(QUrl(QString::fromStdString(elsewhere)).authority().toStdString()),
                          std::string::npos) << e.what();
            }
        }
        EXPECT_EQ(askedAbout.host(), u"localhost"_qs);
    }
    // Without anyone to ask, another server is never written to.
    TCaldavClient unasked({moved.Url(), "alice", "secret"});
    EXPECT_THROW(unasked.TaskCollections(), ECalendarServerError);
}

TEST_F(CaldavClientTest, AnUntrustedCertificateStopsTheClientAndSaysWhy) {
    const test::TTempFolder keys;
    test::TRadicaleOptions options;
    options.Certificate = keys.File("cert.pem");
    options.Key = keys.File("key.pem");
    QProcess openssl;
    openssl.start(u"openssl"_qs, {u"req"_qs, u"-x509"_qs, u"-newkey"_qs, u"rsa:2048"_qs, u"-nodes"_qs, u"-days"_qs,
                                  u"1"_qs, u"-subj"_qs, u"/CN=127.0.0.1"_qs, u"-keyout"_qs,
                                  QString::fromStdString(options.Key), u"-out"_qs,
                                  QString::fromStdString(options.Certificate)});
    ASSERT_TRUE(openssl.waitForFinished(60000) && openssl.exitCode() == 0) << openssl.readAllStandardError().toStdString();
    const TRadicaleServer secure(options);

    TCaldavClient client({secure.Url(), "alice", "secret"}, 5000);
    try {
        client.TaskCollections();
        FAIL() << "a self-signed certificate was trusted";
    } catch (const ECalendarServerError& e) {
        EXPECT_EQ(e.Kind(), TKind::Tls) << e.what();
        const std::string message = e.what();
        EXPECT_NE(message.find(secure.Url().substr(8, secure.Url().size() - 9)), std::string::npos) << message;
        EXPECT_NE(message.find("self-signed"), std::string::npos) << message;
    }
}

TEST_F(CaldavClientTest, ACancelledClientSendsNothingMore) {
    TCaldavClient client(Alice());
    client.Cancel();
    EXPECT_THROW(client.TaskCollections(), EAbort);
}

}  // namespace
}  // namespace tkm
