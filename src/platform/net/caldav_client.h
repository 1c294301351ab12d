#pragma once

#include "platform/calendar_server.h"
#include "platform/net/dav_transport.h"

#include <QUrl>

#include <optional>

namespace tkm {

struct TDavResponse;

// A CalDAV account over HTTP: discovery from the server's address, the
// collection's changes by sync token (or by ETags where the server cannot
// sync), multiget for the changed resources, conditional PUT and DELETE.
class TCaldavClient final : public CalendarServer {
public:
    static constexpr int DefaultTimeLimitMs = 30000;

    explicit TCaldavClient(const TCalendarAccount& account, int timeLimitMs = DefaultTimeLimitMs);

    void SetRedirectQuestion(TRedirectQuestion question) { transport_.SetRedirectQuestion(std::move(question)); }
    void AllowUserInput(bool allow) { transport_.AllowUserInput(allow); }
    // Stops the request that is waiting: the call, and every later one, ends with EAbort.
    void Cancel() { transport_.Cancel(); }

    std::vector<TTaskCollection> TaskCollections() override;
    TTaskCollection CreateTaskCollection(const std::string& displayName) override;
    std::string DisplayName(const std::string& collectionUrl) override;
    TCollectionChanges Changes(const std::string& collectionUrl, const std::string& syncToken) override;
    std::vector<TCalendarResource> Fetch(const std::string& collectionUrl,
                                         const std::vector<std::string>& hrefs) override;
    TWriteResult Put(const std::string& href, const std::string& text, const std::string& ifMatch) override;
    TWriteOutcome Remove(const std::string& href, const std::string& ifMatch) override;

private:
    std::vector<TDavResponse> Propfind(const QUrl& url, const QByteArray& depth, const QByteArray& body);
    std::vector<TDavResponse> Report(const QUrl& url, const QByteArray& depth, const QByteArray& body,
                                     QString* syncToken = nullptr);
    std::vector<TDavResponse> MultiStatus(const QUrl& url, const TDavReply& reply, QString* syncToken);
    QUrl Principal();
    QUrl CalendarHome();
    std::optional<TCollectionChanges> SyncChanges(const QUrl& collection, const QString& token);
    TCollectionChanges EtagChanges(const QUrl& collection, const QString& token);
    QUrl At(const std::string& href) const;

    QUrl account_;
    TDavTransport transport_;
    std::optional<QUrl> home_;
};

}  // namespace tkm
