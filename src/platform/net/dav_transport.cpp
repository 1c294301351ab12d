#include "platform/net/dav_transport.h"

#include "base/errors.h"

#include <QEventLoop>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>

#include <memory>

namespace tkm {

namespace {

using TKind = ECalendarServerError::TKind;

struct TReplyDelete {
    void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
};

bool SameServer(const QUrl& from, const QUrl& to) {
    if (from.host().compare(to.host(), Qt::CaseInsensitive) != 0) return false;
    const bool upgrade = from.scheme() == u"http"_qs && to.scheme() == u"https"_qs;
    if (from.scheme() != to.scheme() && !upgrade) return false;
    return upgrade || from.port(0) == to.port(0);
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

TDavTransport::TDavTransport(const TCalendarAccount& account, int timeLimitMs) : timeLimitMs_(timeLimitMs) {
    // http_proxy, https_proxy and no_proxy of the environment.
    QNetworkProxyFactory::setUseSystemConfiguration(true);
    if (!account.User.empty() || !account.Password.empty())
        authorization_ = "Basic " + QByteArray::fromStdString(account.User + ":" + account.Password).toBase64();
}

QString TDavTransport::ServerName(const QUrl& url) {
    return url.port() < 0 ? url.host() : url.host() + u':' + QString::number(url.port());
}

bool TDavTransport::RedirectAllowed(const QUrl& from, const QUrl& to) const {
    if (SameServer(from, to)) return true;
    return askRedirect_ && askRedirect_(from, to);
}

TDavReply TDavTransport::Send(const TDavRequest& request) {
    QNetworkRequest http(request.Url);
    http.setTransferTimeout(timeLimitMs_);
    http.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::UserVerifiedRedirectPolicy);
    http.setMaximumRedirectsAllowed(5);
    if (!authorization_.isEmpty()) http.setRawHeader("Authorization", authorization_);
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
    // The reply's own address is the redirect's target by the time it asks.
    QUrl at = request.Url;
    QObject::connect(reply.get(), &QNetworkReply::redirected, reply.get(), [&](const QUrl& target) {
        const QUrl to = at.resolved(target);
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
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (status.isValid() && refusedRedirect.isEmpty()) {
        TDavReply answer;
        answer.Status = status.toInt();
        answer.Reason = reply->attribute(QNetworkRequest::HttpReasonPhraseAttribute).toByteArray();
        answer.Body = reply->readAll();
        answer.ETag = reply->rawHeader("ETag");
        return answer;
    }
    if (cancelled_) throw EAbort();
    if (!refusedRedirect.isEmpty())
        throw ECalendarServerError(TKind::Redirected, 0,
                                   Text(u"The server "_qs + server + u" sends the request on to "_qs +
                                        ServerName(refusedRedirect) + u", another server; it was not followed."_qs));
    if (!tlsErrors.isEmpty() || reply->error() == QNetworkReply::SslHandshakeFailedError)
        throw ECalendarServerError(TKind::Tls, 0,
                                   Text(u"The secure connection to "_qs + server + u" failed: "_qs +
                                        (tlsErrors.isEmpty() ? reply->errorString() : tlsErrors)));
    if (reply->error() == QNetworkReply::OperationCanceledError || reply->error() == QNetworkReply::TimeoutError)
        throw ECalendarServerError(TKind::Unreachable, 0,
                                   Text(u"The server "_qs + server + u" did not answer within "_qs +
                                        QString::number(timeLimitMs_ / 1000) + u" seconds."_qs));
    throw ECalendarServerError(TKind::Unreachable, 0,
                               Text(u"The server "_qs + server + u" cannot be reached: "_qs + reply->errorString()));
}

void TDavTransport::Cancel() {
    cancelled_ = true;
    if (running_) running_->abort();
}

void TDavTransport::Fail(const QUrl& url, const TDavReply& reply) const {
    QString answer = QString::number(reply.Status);
    if (!reply.Reason.isEmpty()) answer += u' ' + QString::fromUtf8(reply.Reason);
    throw ECalendarServerError(KindOf(reply.Status), reply.Status,
                               Text(u"The server "_qs + ServerName(url) + u" answered \""_qs + answer + u"\" for "_qs +
                                    url.path() + u"."_qs));
}

}  // namespace tkm
