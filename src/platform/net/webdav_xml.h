#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>
#include <optional>
#include <vector>

namespace tkm {

inline const QString DavNamespace = QStringLiteral("DAV:");
inline const QString CaldavNamespace = QStringLiteral("urn:ietf:params:xml:ns:caldav");
inline const QString CalendarServerNamespace = QStringLiteral("http://calendarserver.org/ns/");

// A property name as the server's XML spells it: namespace and local name.
struct TDavName {
    QString Namespace;
    QString Local;
    bool operator<(const TDavName& other) const {
        return Namespace != other.Namespace ? Namespace < other.Namespace : Local < other.Local;
    }
};

// One property of a response, in the few shapes CalDAV uses.
struct TDavProperty {
    QString Text;                // displayname, getetag, calendar-data...
    QStringList Hrefs;           // current-user-principal, calendar-home-set
    std::vector<TDavName> Kinds; // resourcetype's children
    QStringList Components;      // supported-calendar-component-set's comp names
};

struct TDavResponse {
    QString Href;     // percent-encoded; whole once TCaldavClient read it
    int Status = 0;   // the response's own status (sync removals); 0 when it has properties
    std::map<TDavName, TDavProperty> Properties;  // only those the server found (2xx)

    const TDavProperty* Find(const QString& ns, const QString& local) const;
    bool IsA(const QString& ns, const QString& local) const;  // by resourcetype
};

struct TMultiStatus {
    std::vector<TDavResponse> Responses;
    QString SyncToken;
};

// A 207 body; nothing for one that is not well-formed multistatus XML.
std::optional<TMultiStatus> ReadMultiStatus(const QByteArray& body);

// Request bodies.
QByteArray PropfindBody(const std::vector<TDavName>& properties);
QByteArray SyncCollectionBody(const QString& syncToken);
QByteArray MultigetBody(const QStringList& hrefs);
QByteArray MakeTaskCollectionBody(const QString& displayName);

}  // namespace tkm
