#include "platform/net/dav_transport.h"

#include "base/errors.h"
#include "base/translatable.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>

#include <algorithm>
#include <memory>

namespace tkm {

namespace {

using TKind = ECalendarServerError::TKind;

// No answer a to-do list needs comes near this; a server that sends more is
// not read into memory to the end.
constexpr qint64 MaxBodyBytes = qint64(256) << 20;

struct TReplyDelete {
    void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
};

int PortOf(const QUrl& url) { return url.port(url.scheme() == u"https"_qs ? 443 : 80); }

bool SameServer(const QUrl& from, const QUrl& to) {
    if (from.host().compare(to.host(), Qt::CaseInsensitive) != 0) return false;
    const bool upgrade = from.scheme() == u"http"_qs && to.scheme() == u"https"_qs;
    if (from.scheme() != to.scheme() && !upgrade) return false;
    return upgrade || PortOf(from) == PortOf(to);
}

TKind KindOf(int status) {
    switch (status) {
    case 401: return TKind::Unauthorized;
    case 403: return TKind::Forbidden;
    case 404:
    case 410: return TKind::NotFound;
    case 507: return TKind::Full;
    default: return TKind::Protocol;
    }
}

std::string Text(const QString& text) { return text.toStdString(); }

}  // namespace

TDavTransport::TDavTransport(const TCalendarAccount& account, int timeLimitMs)
    : account_(QUrl::fromUserInput(QString::fromStdString(account.Url))), timeLimitMs_(timeLimitMs) {
    // http_proxy, https_proxy and no_proxy of the environment.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    if (!account.User.empty() || !account.Password.empty())
        authorization_ = "Basic " + QByteArray::fromStdString(account.User + ":" + account.Password).toBase64();
}

QString TDavTransport::ServerName(const QUrl& url) {
    return url.port() < 0 ? url.host() : url.host() + u':' + QString::number(url.port());
}

bool TDavTransport::RedirectAllowed(const QUrl& from, const QUrl& to) {
    if (SameServer(from, to) || Trusted(to)) return true;
    if (!askRedirect_ || !askRedirect_(from, to)) return false;
    trusted_.push_back(to);
    return true;
}

bool TDavTransport::Trusted(const QUrl& url) const {
    return SameServer(account_, url) ||
           std::any_of(trusted_.begin(), trusted_.end(), [&](const QUrl& server) { return SameServer(server, url); });
}

TDavReply TDavTransport::Send(const TDavRequest& request) {
    QNetworkRequest http(request.Url);
    http.setTransferTimeout(timeLimitMs_);
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    http.setMaximumRedirectsAllowed(5);
    // A server may name resources anywhere: the password goes only to the
    // account's own server (not in the clear where the account is secure)
    // and to the servers the user let it go to.
    if (!authorization_.isEmpty() && RedirectAllowed(account_, request.Url))
        http.setRawHeader("Authorization", authorization_);
    if (!request.Body.isEmpty()) http.setHeader(QNetworkRequest::ContentTypeHeader,
                      request.ContentType.isEmpty() ? QByteArray("application/xml; charset=utf-8") : request.ContentType);
    if (!request.Depth.isEmpty()) http.setRawHeader("Depth", request.Depth);
    if (!request.IfMatch.isEmpty()) http.setRawHeader("If-Match", request.IfMatch);
    if (request.IfNoneMatch) http.setRawHeader("If-None-Match", "*");

    // Once cancelled, the client sends nothing more.
    if (cancelled_) throw EAbort();
    const std::unique_ptr<QNetworkReply, TReplyDelete> reply(
        network_.sendCustomRequest(http, request.Verb, request.Body));
    running_ = reply.get();
    QUrl refusedRedirect;
    QString tlsErrors;
    QByteArray body;
    bool tooLarge = false;
    QObject::connect(reply.get(), &QNetworkReply::readyRead, reply.get(), [&] {
        body += reply->readAll();
        if (body.size() <= MaxBodyBytes) return;
        tooLarge = true;
        reply->abort();
    });
    // The reply's own address is the redirect's target by the time it asks.
    QUrl at = request.Url;
    QObject::connect(reply.get(), &QNetworkReply::redirected, reply.get(), [&](const QUrl& target) {
        const QUrl to = at.resolved(target);
        body.clear();  // the redirect's own, if any
        if (RedirectAllowed(at, to)) {
            at = to;
            emit reply->redirectAllowed();
        } else {
            refusedRedirect = to;
            // Not from inside the reply's own signal: Qt is still using it.
            QMetaObject::invokeMethod(reply.get(), &QNetworkReply::abort, Qt::QueuedConnection);
        }
    });
    QObject::connect(reply.get(), &QNetworkReply::sslErrors, reply.get(), [&](const QList<QSslError>& errors) {
        for (const QSslError& error : errors) tlsErrors += (tlsErrors.isEmpty() ? u""_qs : u"; "_qs) + error.errorString();
    });
    if (!reply->isFinished()) {
        QEventLoop loop;
        QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec(userInput_ ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
    }
    running_ = nullptr;

    const QString server = ServerName(request.Url);
    if (tooLarge)
        throw ECalendarServerError(TKind::Protocol, 0,
                                   FillText(TKM_TR("CalDAV", "The server %1 sent more than %2 MB for %3; the answer "
                                                             "was not read."),
                                            {Text(server), std::to_string(MaxBodyBytes >> 20),
                                             Text(request.Url.path())}));
    // A status followed by a failure of the connection (a Cancel, the time
    // limit, a reset) is an answer cut off, not one to read.
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    const QByteArray rest = reply->readAll();
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    const bool shortBody = length.isValid() && reply->rawHeader("Content-Encoding").isEmpty() &&
                           body.size() + rest.size() < length.toLongLong();
    // Only these failures end an answer early: after a followed redirect Qt
    // may report an unknown network error on a whole answer.
    const QNetworkReply::NetworkError error = reply->error();
    const bool cutOff = shortBody || error == QNetworkReply::RemoteHostClosedError ||
                        error == QNetworkReply::OperationCanceledError || error == QNetworkReply::TimeoutError;
    if (status.isValid() && refusedRedirect.isEmpty() && !cutOff) {
        TDavReply answer;
        answer.Url = reply->url();
        answer.Status = status.toInt();
        answer.Reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
        answer.Body = body + rest;
        answer.ETag = reply->rawHeader("ETag");
        return answer;
    }
    if (cancelled_) throw EAbort();
    if (!refusedRedirect.isEmpty())
        throw ECalendarServerError(TKind::Redirected, 0,
                                   FillText(TKM_TR("CalDAV", "The server %1 sends the request on to %2, another "
                                                             "server; it was not followed."),
                                            {Text(server), Text(ServerName(refusedRedirect))}));
    if (!tlsErrors.isEmpty() || reply->error() == QNetworkReply::SslHandshakeFailedError)
        throw ECalendarServerError(TKind::Tls, 0,
                                   FillText(TKM_TR("CalDAV", "The secure connection to %1 failed: %2"),
                                            {Text(server),
                                             Text(tlsErrors.isEmpty() ? reply->errorString() : tlsErrors)}));
    if (reply->error() == QNetworkReply::OperationCanceledError || reply->error() == QNetworkReply::TimeoutError)
        throw ECalendarServerError(TKind::Unreachable, 0,
                                   FillText(TKM_TR("CalDAV", "The server %1 did not answer within %2 seconds."),
                                            {Text(server), std::to_string(timeLimitMs_ / 1000)}));
    if (shortBody)
        throw ECalendarServerError(TKind::Unreachable, 0,
                                   FillText(TKM_TR("CalDAV", "The server %1 broke off its answer for %2."),
                                            {Text(server), Text(request.Url.path())}));
    throw ECalendarServerError(TKind::Unreachable, 0,
                               FillText(TKM_TR("CalDAV", "The server %1 cannot be reached: %2"),
                                        {Text(server), Text(reply->errorString())}));
}

void TDavTransport::Cancel() {
    cancelled_ = true;
    if (running_) running_->abort();
}

void TDavTransport::Fail(const QUrl& url, const TDavReply& reply) const {
    QString answer = QString::number(reply.Status);
    if (!reply.Reason.isEmpty()) answer += u' ' + QString::fromUtf8(reply.Reason);
    throw ECalendarServerError(KindOf(reply.Status), reply.Status,
                               FillText(TKM_TR("CalDAV", "The server %1 answered \"%2\" for %3."),
                                        {Text(ServerName(url)), Text(answer), Text(url.path())}));
}

}  // namespace tkm
