#pragma once

#include "platform/calendar_server.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QPointer>
#include <QUrl>

#include <functional>
#include <vector>

class QNetworkReply;

namespace tkm {

struct TDavRequest {
    QByteArray Verb = {};
    QUrl Url = {};
    QByteArray Body = {};
    QByteArray ContentType = {};  // XML when none
    QByteArray Depth = {};    // "0", "1" or none
    QByteArray IfMatch = {};  // an ETag
    bool IfNoneMatch = false;  // "*": only where nothing is yet
};

struct TDavReply {
    QUrl Url;  // the address that answered, after any redirect
    int Status = 0;
    QByteArray Reason;
    QByteArray Body;
    QByteArray ETag;
};

// Asked before a request follows a redirect to another host: from, to.
using TRedirectQuestion = std::function<bool(const QUrl&, const QUrl&)>;

// Sends one WebDAV request at a time and waits for its answer, with the
// account's credentials, a time limit, the system's certificates and the
// proxies of the environment.
class TDavTransport {
public:
    TDavTransport(const TCalendarAccount& account, int timeLimitMs);

    void SetRedirectQuestion(TRedirectQuestion question) { askRedirect_ = std::move(question); }
    // While a request waits, keyboard and mouse reach the program too (a
    // progress dialog's Cancel); off, only the network's events run.
    void AllowUserInput(bool allow) { userInput_ = allow; }
    // Any HTTP status comes back; ECalendarServerError when there is no
    // answer (Unreachable, Tls, Redirected), EAbort after Cancel.
    TDavReply Send(const TDavRequest& request);
    // Stops the request that is waiting and every later one; safe from a
    // slot while Send waits.
    void Cancel();

    // ECalendarServerError for a status the caller did not expect.
    [[noreturn]] void Fail(const QUrl& url, const TDavReply& reply) const;
    static QString ServerName(const QUrl& url);

private:
    // Asks about another server once; a yes holds for the client's life.
    bool RedirectAllowed(const QUrl& from, const QUrl& to);
    bool Trusted(const QUrl& url) const;

    QNetworkAccessManager network_;
    QUrl account_;
    QByteArray authorization_;
    int timeLimitMs_;
    TRedirectQuestion askRedirect_;
    std::vector<QUrl> trusted_;  // other servers the user let the password go to
    QPointer<QNetworkReply> running_;
    bool cancelled_ = false;
    bool userInput_ = false;
};

}  // namespace tkm
