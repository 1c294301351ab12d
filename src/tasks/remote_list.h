#pragma once

#include "platform/calendar_server.h"
#include "tasks/calendar_document.h"
#include "tasks/todo_entry.h"

#include <optional>
#include <string>
#include <vector>

namespace tkm {

// Names the row of an entry in the table (TBaseGrid::RowKey), so that an
// edited row is known again after a sort; 0 for a row the list never named.
using TRowKey = std::uint32_t;

// A to-do as the server last gave it (or took it from us).
struct TRemoteEntry {
    std::string Href;
    std::string ETag;
    std::string Text;
    TEntryCells Cells;  // as Text gives them
    TRowKey RowKey = 0;  // given by the list while it is open; not kept in the cache
};

// What the list knows of its collection: where it is, and the to-dos as they
// were at the last open, refresh or save, in table order.
struct TRemoteListState {
    std::string CollectionUrl;
    std::string DisplayName;
    std::string SyncToken;
    std::vector<TRemoteEntry> Entries;
};

// How a refresh or save ended.
struct TSyncResult {
    bool RowsChanged = false;         // Rows is the table to show
    std::vector<TEntryCells> Rows;
    // The key of each row of Rows, or (RowsChanged false) of the rows given;
    // empty when the table's keys stay as they are.
    std::vector<TRowKey> RowKeys;
    int Conflicts = 0;                // entries kept twice, ours marked "(conflict)"
    bool Complete = true;             // every change was sent (a save)
    // Why a save stopped after merging: the rows are merged and what was
    // sent is known; the rest goes at the next save.
    std::optional<ECalendarServerError> Failure;
    bool Cancelled = false;
};

inline constexpr std::string_view ConflictMark = "(conflict)";

// A to-do list kept in a CalDAV collection: brings other clients' changes in
// and sends ours, merging cell by cell and keeping both versions where both
// sides changed the same cell.
class TRemoteList {
public:
    TRemoteList(TRemoteListState state, TCalendarSettings settings);

    const TRemoteListState& State() const { return state_; }
    // The table of the entries as last known, in their order, and their keys.
    std::vector<TEntryCells> KnownRows() const;
    std::vector<TRowKey> KnownRowKeys() const;

    // Brings the server's changes into `rows` (the table as it is now, with
    // edits not yet saved kept as edits). `keys` are the rows' keys; without
    // any, a row is known by its cells or else its number. RowsChanged false
    // when the server had nothing new. ECalendarServerError, with nothing changed.
    TSyncResult Refresh(CalendarServer& server, const std::vector<TEntryCells>& rows,
                        const std::vector<TRowKey>& keys = {});
    // Sends the new, changed and deleted entries, each against the ETag it
    // was read with; a 412 brings the server's changes in and merges again.
    // Other clients' changes that meet none of ours wait for a refresh.
    // ECalendarServerError when the server refused the password before
    // anything went; any other failure ends with Failure (or Cancelled),
    // Complete false and the rows as far as they were merged.
    TSyncResult Save(CalendarServer& server, const std::vector<TEntryCells>& rows,
                     const std::vector<TRowKey>& keys = {});

    // Puts `rows` into the collection beside its other to-dos: a row with the
    // cells of an entry the list knows, or the number of one of the to-dos
    // `pushed` names (what this document's pushes put there), replaces it;
    // the others are added; nothing is removed. `pushed` then names the
    // to-dos the rows went to.
    TSyncResult Push(CalendarServer& server, const std::vector<TEntryCells>& rows, std::vector<std::string>& pushed);

private:
    struct TMerged;
    struct TServerState;
    // Asks the server what changed since the state's token and reads it.
    TServerState Look(CalendarServer& server);
    // The table against the state alone: our edits, new rows and removals.
    TMerged OwnEdits(const std::vector<TEntryCells>& rows, const std::vector<TRowKey>& keys) const;
    // The table and the server's changes, cell by cell.
    TMerged Merge(const TServerState& look, const std::vector<TEntryCells>& rows, const std::vector<TRowKey>& keys) const;
    bool Send(CalendarServer& server, TMerged& merged);

    TRemoteListState state_;
    TCalendarSettings settings_;
    TRowKey lastKey_ = 0;
};

// The entry rows of a table, leaving out rows with every cell empty (the
// one a table keeps when it has no entries), and their keys.
std::vector<TEntryCells> EntryRowsOf(const TBaseGrid& grid);
std::vector<TRowKey> EntryRowKeysOf(const TBaseGrid& grid);
// Names the entry rows of a table, in EntryRowsOf's order.
void SetEntryRowKeys(TBaseGrid& grid, const std::vector<TRowKey>& keys);
// The task table of those rows, each with its key when `keys` has them.
TBaseGrid TaskTableOf(const std::vector<TEntryCells>& rows, const std::vector<TRowKey>& keys = {});

// The href of a new to-do in the collection: its path and UID.ics.
std::string TodoHref(const std::string& collectionUrl, const std::string& uid);

}  // namespace tkm
