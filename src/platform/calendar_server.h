#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace tkm {

// Who talks to the server: the address the user typed, and the account.
struct TCalendarAccount {
    std::string Url;  // "https://dav.example.org/" or a collection's address
    std::string User;
    std::string Password;
};

// A collection of the account that holds to-dos.
struct TTaskCollection {
    std::string Url;  // absolute, ending in "/"
    std::string DisplayName;
};

// One resource of a collection: an iCalendar object of one to-do.
struct TCalendarResource {
    std::string Href;  // the path on the server, "/alice/list/UID.ics"
    std::string ETag;
    std::string Text;  // empty where only the ETag was asked for
};

// What changed in a collection since a sync token. A full listing (no token,
// a token the server no longer knows, or a server that cannot sync) names
// every resource; Removed is then empty and the caller drops what it misses.
struct TCollectionChanges {
    bool Full = true;
    std::string SyncToken;                   // to ask with next time; may be empty
    std::vector<TCalendarResource> Changed;  // Href and ETag only
    std::vector<std::string> Removed;        // Hrefs
};

// How a conditional write or delete ended.
enum class TWriteOutcome {
    Done,
    // 412: someone else changed (or created, or removed) the resource first.
    Conflict,
};

struct TWriteResult {
    TWriteOutcome Outcome = TWriteOutcome::Done;
    std::string ETag;  // the new one, where the server said it
};

// A failure of the server or of the way to it. The message names the server
// and says what it answered.
class ECalendarServerError : public std::runtime_error {
public:
    enum class TKind {
        Unreachable,   // no connection, time limit, the server stopped
        Unauthorized,  // 401: the user name or password was refused
        Forbidden,     // 403
        NotFound,      // 404
        Full,          // 507: no room left for the account
        Tls,           // the certificate or the secure connection failed
        Redirected,    // to another host, and that was not allowed
        Protocol,      // anything else the server answered
    };
    ECalendarServerError(TKind kind, int status, const std::string& message)
        : std::runtime_error(message), kind_(kind), status_(status) {}
    TKind Kind() const { return kind_; }
    int Status() const { return status_; }  // the HTTP status; 0 without an answer

private:
    TKind kind_;
    int status_;
};

// A CalDAV account: finding its to-do collections, listing what changed, and
// reading and writing one to-do resource at a time. Every call blocks until
// the server answered or its time limit passed; ECalendarServerError on any
// failure, EAbort once cancelled.
class CalendarServer {
public:
    virtual ~CalendarServer() = default;

    // The collections of the account that hold to-dos, or the one collection
    // the address names.
    virtual std::vector<TTaskCollection> TaskCollections() = 0;
    // Makes a to-do collection with that display name under the account's
    // calendar home.
    virtual TTaskCollection CreateTaskCollection(const std::string& displayName) = 0;
    // The collection's display name.
    virtual std::string DisplayName(const std::string& collectionUrl) = 0;
    // The changes since `syncToken`; an empty token asks for everything.
    virtual TCollectionChanges Changes(const std::string& collectionUrl, const std::string& syncToken) = 0;
    // The resources of those hrefs, with text and ETag; a resource gone by
    // now is left out.
    virtual std::vector<TCalendarResource> Fetch(const std::string& collectionUrl,
                                                 const std::vector<std::string>& hrefs) = 0;
    // Writes a resource; an empty `ifMatch` creates it and fails as a
    // conflict when it exists already.
    virtual TWriteResult Put(const std::string& href, const std::string& text, const std::string& ifMatch) = 0;
    // Removes a resource that still has that ETag; one gone already is Done.
    virtual TWriteOutcome Remove(const std::string& href, const std::string& ifMatch) = 0;
};

}  // namespace tkm
