#include "platform/net/caldav_client.h"

#include "base/translatable.h"

#include "platform/net/webdav_xml.h"

#include <QUuid>

#include <algorithm>
#include <unordered_set>

namespace tkm {

namespace {

using TKind = ECalendarServerError::TKind;

// Servers read a multiget of this many hrefs quickly and answer in a few MB.
constexpr int MultigetBatch = 500;
// The sync token of a server that cannot sync: its collection tag.
constexpr std::string_view CtagToken = "ctag:";

QUrl AsFolder(QUrl url) {
    if (!url.path().endsWith(u'/')) url.setPath(url.path() + u'/');
    return url;
}

std::string Text(const QString& text) { return text.toStdString(); }

const std::vector<TDavName>& CollectionProperties() {
    static const std::vector<TDavName> names{{DavNamespace, u"resourcetype"_qs},
                                             {DavNamespace, u"displayname"_qs},
                                             {CaldavNamespace, u"supported-calendar-component-set"_qs}};
    return names;
}

bool IsTaskCollection(const TDavResponse& response) {
    if (!response.IsA(CaldavNamespace, u"calendar"_qs)) return false;
    // Without the set, a calendar takes every kind of component.
    const TDavProperty* components = response.Find(CaldavNamespace, u"supported-calendar-component-set"_qs);
    return !components || components->Components.isEmpty() || components->Components.contains(u"VTODO"_qs);
}

QString DisplayNameOf(const TDavResponse& response, const QUrl& url) {
    if (const TDavProperty* name = response.Find(DavNamespace, u"displayname"_qs); name && !name->Text.trimmed().isEmpty())
        return name->Text.trimmed();
    const QStringList parts = url.path().split(u'/', Qt::SkipEmptyParts);
    return parts.isEmpty() ? url.host() : QUrl::fromPercentEncoding(parts.last().toUtf8());
}

// Lenient steps of discovery: an address that is no collection, or a server
// without the well-known address, lets the next step try.
bool MayTryElsewhere(const ECalendarServerError& e) {
    return e.Kind() == TKind::NotFound || e.Kind() == TKind::Forbidden || e.Kind() == TKind::Protocol;
}

QString FirstHref(const std::vector<TDavResponse>& responses, const QString& ns, const QString& local) {
    for (const TDavResponse& response : responses)
        if (const TDavProperty* property = response.Find(ns, local); property && !property->Hrefs.isEmpty())
            return property->Hrefs.first();
    return {};
}

// An href as MultiStatus leaves it: whole and encoded.
QUrl UrlOf(const QString& href) { return QUrl::fromEncoded(href.toUtf8()); }

// The list knows a resource by its path, fully encoded, however the server
// spelled the href: escaped or not, relative or whole.
std::string HrefKey(const QString& href) { return Text(UrlOf(href).path(QUrl::FullyEncoded)); }

// Folds the changes after a part of a sync into those of the part.
void AddLater(TCollectionChanges& changes, TCollectionChanges later) {
    std::unordered_set<std::string> touched;
    for (const TCalendarResource& resource : later.Changed) touched.insert(resource.Href);
    touched.insert(later.Removed.begin(), later.Removed.end());
    std::erase_if(changes.Changed, [&](const TCalendarResource& resource) { return touched.contains(resource.Href); });
    std::erase_if(changes.Removed, [&](const std::string& href) { return touched.contains(href); });
    changes.Changed.insert(changes.Changed.end(), std::make_move_iterator(later.Changed.begin()),
                           std::make_move_iterator(later.Changed.end()));
    // A whole listing names no removals: what it lacks is gone.
    if (!changes.Full) changes.Removed.insert(changes.Removed.end(), later.Removed.begin(), later.Removed.end());
    changes.SyncToken = std::move(later.SyncToken);
}

bool SamePath(const QUrl& url, const QString& href) {
    const QString path = UrlOf(href).path();
    return AsFolder(QUrl(path)).path() == AsFolder(QUrl(url.path())).path();
}

}  // namespace

TCaldavClient::TCaldavClient(const TCalendarAccount& account, int timeLimitMs)
    : account_(QUrl::fromUserInput(QString::fromStdString(account.Url))), transport_(account, timeLimitMs) {
    account_.setUserInfo({});
}

QUrl TCaldavClient::At(const std::string& href) const {
    return account_.resolved(QUrl::fromEncoded(QByteArray::fromStdString(href)));
}

std::vector<TDavResponse> TCaldavClient::MultiStatus(const QUrl& url, const TDavReply& reply, QString* syncToken) {
    if (reply.Status != 207) transport_.Fail(url, reply);
    std::optional<TMultiStatus> status = ReadMultiStatus(reply.Body);
    if (!status)
        throw ECalendarServerError(TKind::Protocol, reply.Status,
                                   FillText(TKM_TR("CalDAV", "The server %1 answered %2 with XML that cannot be read."),
                                            {Text(TDavTransport::ServerName(url)), Text(url.path())}));
    if (syncToken) *syncToken = status->SyncToken;
    // Relative hrefs are relative to the address that answered, which a
    // redirect may have moved away from the one asked.
    const auto resolved = [&](const QString& href) {
        return reply.Url.resolved(QUrl::fromEncoded(href.toUtf8())).toString(QUrl::FullyEncoded);
    };
    for (TDavResponse& response : status->Responses) {
        response.Href = resolved(response.Href);
        for (auto& [name, property] : response.Properties)
            for (QString& href : property.Hrefs) href = resolved(href);
    }
    return std::move(status->Responses);
}

std::vector<TDavResponse> TCaldavClient::Propfind(const QUrl& url, const QByteArray& depth, const QByteArray& body) {
    return MultiStatus(url, transport_.Send({"PROPFIND", url, body, {}, depth}), nullptr);
}

std::vector<TDavResponse> TCaldavClient::Report(const QUrl& url, const QByteArray& depth, const QByteArray& body,
                                                QString* syncToken) {
    return MultiStatus(url, transport_.Send({"REPORT", url, body, {}, depth}), syncToken);
}

QUrl TCaldavClient::Principal() {
    const QByteArray body = PropfindBody({{DavNamespace, u"current-user-principal"_qs}});
    for (const QUrl& url : {account_, account_.resolved(QUrl(u"/.well-known/caldav"_qs))}) {
        try {
            const QString href = FirstHref(Propfind(url, "0", body), DavNamespace, u"current-user-principal"_qs);
            if (!href.isEmpty()) return UrlOf(href);
        } catch (const ECalendarServerError& e) {
            if (!MayTryElsewhere(e)) throw;
        }
    }
    throw ECalendarServerError(TKind::NotFound, 404,
                               FillText(TKM_TR("CalDAV", "The server %1 has no CalDAV account at %2."),
                                        {Text(TDavTransport::ServerName(account_)), Text(account_.toDisplayString())}));
}

QUrl TCaldavClient::CalendarHome() {
    if (home_) return *home_;
    const QUrl principal = Principal();
    const QString href = FirstHref(Propfind(principal, "0", PropfindBody({{CaldavNamespace, u"calendar-home-set"_qs}})),
                                   CaldavNamespace, u"calendar-home-set"_qs);
    home_ = AsFolder(href.isEmpty() ? principal : UrlOf(href));
    return *home_;
}

std::vector<TTaskCollection> TCaldavClient::TaskCollections() {
    const QByteArray body = PropfindBody(CollectionProperties());
    try {
        for (const TDavResponse& response : Propfind(account_, "0", body))
            if (IsTaskCollection(response))
                return {{Text(AsFolder(account_).toString(QUrl::FullyEncoded)), Text(DisplayNameOf(response, account_))}};
    } catch (const ECalendarServerError& e) {
        if (!MayTryElsewhere(e)) throw;
    }
    std::vector<TTaskCollection> collections;
    for (const TDavResponse& response : Propfind(CalendarHome(), "1", body)) {
        if (!IsTaskCollection(response)) continue;
        const QUrl url = AsFolder(UrlOf(response.Href));
        collections.push_back({Text(url.toString(QUrl::FullyEncoded)), Text(DisplayNameOf(response, url))});
    }
    std::sort(collections.begin(), collections.end(),
              [](const TTaskCollection& a, const TTaskCollection& b) { return a.DisplayName < b.DisplayName; });
    return collections;
}

TTaskCollection TCaldavClient::CreateTaskCollection(const std::string& displayName) {
    const QString name = QString::fromStdString(displayName);
    const QUrl url = CalendarHome().resolved(QUrl(QUuid::createUuid().toString(QUuid::WithoutBraces) + u'/'));
    const TDavReply reply = transport_.Send({"MKCALENDAR", url, MakeTaskCollectionBody(name)});
    if (reply.Status != 201) transport_.Fail(url, reply);
    return {Text(url.toString(QUrl::FullyEncoded)), displayName};
}

std::string TCaldavClient::DisplayName(const std::string& collectionUrl) {
    const QUrl url = AsFolder(QUrl(QString::fromStdString(collectionUrl)));
    const std::vector<TDavResponse> responses = Propfind(url, "0", PropfindBody({{DavNamespace, u"displayname"_qs}}));
    return Text(responses.empty() ? DisplayNameOf({}, url) : DisplayNameOf(responses.front(), url));
}

std::optional<TCollectionChanges> TCaldavClient::SyncChanges(const QUrl& collection, const QString& token) {
    const TDavReply reply = transport_.Send({"REPORT", collection, SyncCollectionBody(token), {}, "0"});
    if (reply.Status == 403 || reply.Status == 409) {
        // A token the server no longer knows: everything again.
        if (!token.isEmpty()) return SyncChanges(collection, {});
        return std::nullopt;
    }
    if (reply.Status == 400 || reply.Status == 405 || reply.Status == 501) return std::nullopt;
    QString newToken;
    const std::vector<TDavResponse> responses = MultiStatus(collection, reply, &newToken);
    TCollectionChanges changes;
    changes.Full = token.isEmpty();
    changes.SyncToken = Text(newToken);
    bool truncated = false;
    for (const TDavResponse& response : responses) {
        if (SamePath(collection, response.Href)) {
            truncated = truncated || response.Status == 507;
            continue;
        }
        if (response.Status == 404) {
            if (!changes.Full) changes.Removed.push_back(HrefKey(response.Href));
        } else if (const TDavProperty* etag = response.Find(DavNamespace, u"getetag"_qs)) {
            changes.Changed.push_back({HrefKey(response.Href), Text(etag->Text.trimmed()), {}});
        }
    }
    // A server that sends a part (507 on the collection itself) gives the
    // token to ask for the rest with.
    if (truncated && !newToken.isEmpty() && newToken != token) {
        std::optional<TCollectionChanges> rest = SyncChanges(collection, newToken);
        if (!rest) return std::nullopt;
        if (rest->Full) return rest;  // the token was dropped on the way: all of it again
        AddLater(changes, std::move(*rest));
    }
    return changes;
}

TCollectionChanges TCaldavClient::EtagChanges(const QUrl& collection, const QString& token) {
    const TDavName ctag{CalendarServerNamespace, u"getctag"_qs};
    const auto ctagOf = [&](const std::vector<TDavResponse>& responses) {
        for (const TDavResponse& response : responses)
            if (const TDavProperty* value = response.Find(ctag.Namespace, ctag.Local); value && SamePath(collection, response.Href))
                return value->Text.trimmed();
        return QString();
    };
    TCollectionChanges changes;
    if (!token.isEmpty()) {
        const QString now = ctagOf(Propfind(collection, "0", PropfindBody({ctag})));
        if (!now.isEmpty() && QString::fromLatin1(CtagToken) + now == token) {
            changes.Full = false;
            changes.SyncToken = Text(token);
            return changes;
        }
    }
    const std::vector<TDavResponse> responses =
        Propfind(collection, "1", PropfindBody({{DavNamespace, u"getetag"_qs}, {DavNamespace, u"resourcetype"_qs}, ctag}));
    const QString now = ctagOf(responses);
    changes.SyncToken = now.isEmpty() ? std::string() : std::string(CtagToken) + Text(now);
    for (const TDavResponse& response : responses) {
        if (SamePath(collection, response.Href) || response.IsA(DavNamespace, u"collection"_qs)) continue;
        if (const TDavProperty* etag = response.Find(DavNamespace, u"getetag"_qs))
            changes.Changed.push_back({HrefKey(response.Href), Text(etag->Text.trimmed()), {}});
    }
    return changes;
}

TCollectionChanges TCaldavClient::Changes(const std::string& collectionUrl, const std::string& syncToken) {
    const QUrl collection = AsFolder(QUrl(QString::fromStdString(collectionUrl)));
    const QString token = QString::fromStdString(syncToken);
    if (!token.startsWith(QLatin1String(CtagToken.data(), CtagToken.size())))
        if (std::optional<TCollectionChanges> changes = SyncChanges(collection, token)) return std::move(*changes);
    return EtagChanges(collection, token.startsWith(QLatin1String(CtagToken.data(), CtagToken.size())) ? token : QString());
}

std::vector<TCalendarResource> TCaldavClient::Fetch(const std::string& collectionUrl,
                                                    const std::vector<std::string>& hrefs) {
    const QUrl collection = AsFolder(QUrl(QString::fromStdString(collectionUrl)));
    std::vector<TCalendarResource> resources;
    resources.reserve(hrefs.size());
    for (std::size_t first = 0; first < hrefs.size(); first += MultigetBatch) {
        QStringList batch;
        for (std::size_t i = first; i < std::min(hrefs.size(), first + MultigetBatch); ++i)
            batch << QString::fromStdString(hrefs[i]);
        for (const TDavResponse& response : Report(collection, "1", MultigetBody(batch))) {
            const TDavProperty* data = response.Find(CaldavNamespace, u"calendar-data"_qs);
            if (!data || response.Status == 404) continue;
            const TDavProperty* etag = response.Find(DavNamespace, u"getetag"_qs);
            resources.push_back({HrefKey(response.Href), etag ? Text(etag->Text.trimmed()) : std::string(), Text(data->Text)});
        }
    }
    return resources;
}

TWriteResult TCaldavClient::Put(const std::string& href, const std::string& text, const std::string& ifMatch) {
    TDavRequest request{"PUT", At(href), QByteArray::fromStdString(text), "text/calendar; charset=utf-8"};
    request.IfMatch = QByteArray::fromStdString(ifMatch);
    request.IfNoneMatch = ifMatch.empty();
    const TDavReply reply = transport_.Send(request);
    if (reply.Status == 412) return {TWriteOutcome::Conflict, {}};
    if (reply.Status < 200 || reply.Status >= 300) transport_.Fail(request.Url, reply);
    return {TWriteOutcome::Done, reply.ETag.toStdString()};
}

TWriteOutcome TCaldavClient::Remove(const std::string& href, const std::string& ifMatch) {
    TDavRequest request{"DELETE", At(href)};
    request.IfMatch = QByteArray::fromStdString(ifMatch);
    const TDavReply reply = transport_.Send(request);
    if (reply.Status == 412) return TWriteOutcome::Conflict;
    if (reply.Status == 404 || reply.Status == 410) return TWriteOutcome::Done;
    if (reply.Status < 200 || reply.Status >= 300) transport_.Fail(request.Url, reply);
    return TWriteOutcome::Done;
}

}  // namespace tkm
