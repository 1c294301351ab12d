#include "tasks/remote_list.h"

#include "base/errors.h"
#include "base/percent_encoding.h"
#include "tasks/task_document.h"
#include "tasks/todo_resource.h"

#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace tkm {

namespace {

// A save that keeps meeting other clients' writes gives up after this many rounds.
constexpr int MaxSaveRounds = 5;

std::string Joined(const TEntryCells& cells, int firstColumn) {
    std::string key;
    for (int col = firstColumn; col < TaskColumnCount; ++col) {
        key += cells[std::size_t(col)];
        key += '\x1F';
    }
    return key;
}

std::optional<long long> NumberOf(const TEntryCells& cells) {
    const std::string& text = cells[colNo];
    if (text.empty() || text.size() > 15 || text.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return std::stoll(text);
}

template <typename TItem, typename TCellsOf>
long long HighestNumber(const std::vector<TItem>& items, TCellsOf cellsOf) {
    long long highest = 0;
    for (const TItem& item : items)
        if (const auto number = NumberOf(cellsOf(item))) highest = std::max(highest, *number);
    return highest;
}

std::vector<std::string_view> Views(const TEntryCells& cells) { return {cells.begin(), cells.end()}; }

// In a table with keys a sort renumbers rows, and a row without a key is new.
bool Unkeyed(const std::vector<TRowKey>& keys) {
    return std::all_of(keys.begin(), keys.end(), [](TRowKey key) { return key == 0; });
}

TEntryCells MarkedAsConflict(TEntryCells cells) {
    std::string& description = cells[colDescription];
    if (!description.empty()) description += ' ';
    description += ConflictMark;
    return cells;
}

// Which entry of the last known state each row of the table is: the one its
// key names, else the one with the same cells, else the same cells under
// another number (a renumbering), else (byNumber) the same number: a table
// whose rows have no keys (read from a file) knows an edited row only by its
// number. Each entry is taken once.
class TRowMatcher {
public:
    explicit TRowMatcher(const std::vector<TRemoteEntry>& entries) : taken_(entries.size()) {
        for (std::size_t i = 0; i < entries.size(); ++i) {
            if (entries[i].RowKey) byKey_.emplace(entries[i].RowKey, i);
            whole_.emplace(Joined(entries[i].Cells, colNo), i);
            unnumbered_.emplace(Joined(entries[i].Cells, colNo + 1), i);
            numbered_.emplace(entries[i].Cells[colNo], i);
        }
    }

    std::vector<std::optional<std::size_t>> Match(const std::vector<TEntryCells>& rows, const std::vector<TRowKey>& keys,
                                                  bool byNumber) {
        std::vector<std::optional<std::size_t>> matches(rows.size());
        for (std::size_t r = 0; r < rows.size() && r < keys.size(); ++r) {
            if (!keys[r]) continue;
            if (const auto it = byKey_.find(keys[r]); it != byKey_.end() && !taken_[it->second]) {
                taken_[it->second] = true;
                matches[r] = it->second;
            }
        }
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (!matches[r]) matches[r] = Take(whole_, Joined(rows[r], colNo));
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (!matches[r]) matches[r] = Take(unnumbered_, Joined(rows[r], colNo + 1));
        if (!byNumber) return matches;
        for (std::size_t r = 0; r < rows.size(); ++r)
            if (!matches[r]) matches[r] = Take(numbered_, rows[r][colNo]);
        return matches;
    }
    bool Taken(std::size_t entry) const { return taken_[entry]; }

private:
    using TIndex = std::unordered_multimap<std::string, std::size_t>;
    std::optional<std::size_t> Take(TIndex& index, const std::string& key) {
        for (auto [it, last] = index.equal_range(key); it != last; ++it) {
            if (taken_[it->second]) continue;
            taken_[it->second] = true;
            return it->second;
        }
        return std::nullopt;
    }

    std::vector<bool> taken_;
    std::unordered_map<TRowKey, std::size_t> byKey_;
    TIndex whole_, unnumbered_, numbered_;
};

bool IsUnconfirmed(const TRemoteEntry& entry) { return entry.ETag.empty(); }

std::string CollectionPath(const std::string& url) {
    const std::size_t scheme = url.find("://");
    const std::size_t slash = url.find('/', scheme == std::string::npos ? 0 : scheme + 3);
    std::string path = slash == std::string::npos ? "/" : url.substr(slash);
    if (path.back() != '/') path += '/';
    return path;
}

}  // namespace

std::string TodoHref(const std::string& collectionUrl, const std::string& uid) {
    return CollectionPath(collectionUrl) + PercentEncoded(uid, "-_.~@") + ".ics";
}

namespace {

// The grid rows holding entries: every row with a cell not empty.
std::vector<int> EntryRowNumbers(const TBaseGrid& grid) {
    std::vector<int> numbers;
    const int columns = std::min(int(TaskColumnCount), grid.RealColCount());
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r)
        for (int c = 0; c < columns; ++c)
            if (!grid.CellView(c, r).empty()) {
                numbers.push_back(r);
                break;
            }
    return numbers;
}

}  // namespace

std::vector<TEntryCells> EntryRowsOf(const TBaseGrid& grid) {
    std::vector<TEntryCells> rows;
    for (const int r : EntryRowNumbers(grid)) {
        TEntryCells& cells = rows.emplace_back();
        for (int c = 0; c < TaskColumnCount && c < grid.RealColCount(); ++c) cells[std::size_t(c)] = grid.GetCellText(c, r);
    }
    return rows;
}

std::vector<TRowKey> EntryRowKeysOf(const TBaseGrid& grid) {
    std::vector<TRowKey> keys;
    for (const int r : EntryRowNumbers(grid)) keys.push_back(grid.RowKey(r));
    return keys;
}

void SetEntryRowKeys(TBaseGrid& grid, const std::vector<TRowKey>& keys) {
    const std::vector<int> numbers = EntryRowNumbers(grid);
    for (std::size_t i = 0; i < numbers.size() && i < keys.size(); ++i) grid.SetRowKey(numbers[i], keys[i]);
}

TBaseGrid TaskTableOf(const std::vector<TEntryCells>& rows, const std::vector<TRowKey>& keys) {
    TBaseGrid grid = EmptyTaskDocument();
    grid.SetRowCount(int(rows.size()) + 1);
    for (std::size_t r = 0; r < rows.size(); ++r) {
        grid.SetRowCells(int(r) + 1, 0, Views(rows[r]));
        if (r < keys.size()) grid.SetRowKey(int(r) + 1, keys[r]);
    }
    return AsTaskTable(std::move(grid));
}

struct TRemoteList::TMerged {
    struct TRow {
        TEntryCells Cells;
        std::optional<TRemoteEntry> Remote;  // the server's version the row stands for
        bool Dirty = false;                  // to be sent: new, or not as Remote has it
    };
    std::vector<TRow> Rows;
    std::vector<TRemoteEntry> Removals;  // deleted here, unchanged on the server
    int Conflicts = 0;
    int Sent = 0;  // writes and removals the server took
    std::string SyncToken;

    TRemoteListState StateAfter(TRemoteListState state) const {
        state.SyncToken = SyncToken;
        state.Entries.clear();
        for (const TRow& row : Rows)
            if (row.Remote) state.Entries.push_back(*row.Remote);
        // Still to be removed at the next save.
        state.Entries.insert(state.Entries.end(), Removals.begin(), Removals.end());
        return state;
    }
    // To-dos another program wrote carry no number: they take the ones after
    // the highest, in table order, as entries added at the end would. Rows
    // edited here keep what the user typed.
    void NumberUnnumbered() {
        long long highest = HighestNumber(Rows, [](const TRow& row) -> const TEntryCells& { return row.Cells; });
        for (TRow& row : Rows) {
            if (!row.Cells[colNo].empty() || row.Dirty || !row.Remote) continue;
            row.Cells[colNo] = std::to_string(++highest);
            row.Remote->Cells[colNo] = row.Cells[colNo];
        }
    }
    std::vector<TEntryCells> Cells() const {
        std::vector<TEntryCells> cells;
        cells.reserve(Rows.size());
        for (const TRow& row : Rows) cells.push_back(row.Cells);
        return cells;
    }
    // A row not on the server yet has no key: it is new until sent.
    std::vector<TRowKey> Keys() const {
        std::vector<TRowKey> keys;
        keys.reserve(Rows.size());
        for (const TRow& row : Rows) keys.push_back(row.Remote ? row.Remote->RowKey : 0);
        return keys;
    }
};

TRemoteList::TRemoteList(TRemoteListState state, TCalendarSettings settings)
    : state_(std::move(state)), settings_(std::move(settings)) {
    // The numbers given to unnumbered to-dos are not on the server: a list
    // read from its cache gives them again, in the same order.
    long long highest = HighestNumber(state_.Entries, [](const TRemoteEntry& entry) -> const TEntryCells& { return entry.Cells; });
    for (TRemoteEntry& entry : state_.Entries) {
        entry.RowKey = ++lastKey_;
        if (entry.Cells[colNo].empty()) entry.Cells[colNo] = std::to_string(++highest);
    }
}

std::vector<TEntryCells> TRemoteList::KnownRows() const {
    std::vector<TEntryCells> rows;
    rows.reserve(state_.Entries.size());
    for (const TRemoteEntry& entry : state_.Entries) rows.push_back(entry.Cells);
    return rows;
}

std::vector<TRowKey> TRemoteList::KnownRowKeys() const {
    std::vector<TRowKey> keys;
    keys.reserve(state_.Entries.size());
    for (const TRemoteEntry& entry : state_.Entries) keys.push_back(entry.RowKey);
    return keys;
}

// What the server holds now of the entries the state knows, and beside them.
struct TRemoteList::TServerState {
    std::string SyncToken;
    std::vector<TRemoteEntry> Fetched;  // changed or new to-dos, as read
    std::vector<bool> FetchedKnown;     // the new version of a known entry
    // Per known entry: itself, unchanged; its new version in Fetched; or none, gone.
    std::vector<const TRemoteEntry*> Now;
    bool Changed = false;

    TServerState() = default;
    // Now points into Fetched and the state's entries: moved, never copied.
    TServerState(TServerState&&) = default;
    TServerState(const TServerState&) = delete;
};

TRemoteList::TServerState TRemoteList::Look(CalendarServer& server) {
    const std::vector<TRemoteEntry>& known = state_.Entries;
    TCollectionChanges changes = server.Changes(state_.CollectionUrl, state_.SyncToken);
    TServerState look;
    look.SyncToken = std::move(changes.SyncToken);
    look.Now.resize(known.size());
    if (!changes.Full && changes.Changed.empty() && changes.Removed.empty()) {
        // The usual answer, kept cheap for long lists.
        for (std::size_t i = 0; i < known.size(); ++i) look.Now[i] = &known[i];
        return look;
    }

    std::unordered_map<std::string, std::size_t> knownByHref;
    for (std::size_t i = 0; i < known.size(); ++i) knownByHref.emplace(known[i].Href, i);
    std::vector<const TRemoteEntry*>& now = look.Now;
    // A to-do without an ETag is one whose creation went out without an answer:
    // still to be created unless the listing names it.
    for (std::size_t i = 0; i < known.size(); ++i) now[i] = changes.Full && !IsUnconfirmed(known[i]) ? nullptr : &known[i];
    std::vector<std::string> toFetch;
    for (const TCalendarResource& resource : changes.Changed) {
        const auto it = knownByHref.find(resource.Href);
        if (it != knownByHref.end() && known[it->second].ETag == resource.ETag)
            now[it->second] = &known[it->second];
        else
            toFetch.push_back(resource.Href);
    }
    for (const std::string& href : changes.Removed)
        if (const auto it = knownByHref.find(href); it != knownByHref.end()) now[it->second] = nullptr;
    // Every resource named for fetching is gone or replaced until it arrives.
    for (const std::string& href : toFetch)
        if (const auto it = knownByHref.find(href); it != knownByHref.end()) now[it->second] = nullptr;

    std::vector<TRemoteEntry>& fetched = look.Fetched;
    for (TCalendarResource& resource : server.Fetch(state_.CollectionUrl, toFetch)) {
        try {
            TEntryCells cells = EntryOfResource(resource.Text, settings_);
            fetched.push_back({std::move(resource.Href), std::move(resource.ETag), std::move(resource.Text), std::move(cells), 0});
        } catch (const EGridError&) {
            // Not a to-do (an event beside the tasks): not part of the list.
        }
    }
    look.FetchedKnown.resize(fetched.size());
    for (std::size_t f = 0; f < fetched.size(); ++f)
        if (const auto it = knownByHref.find(fetched[f].Href); it != knownByHref.end()) {
            fetched[f].RowKey = known[it->second].RowKey;
            // Another program's edit keeps the number given here.
            if (fetched[f].Cells[colNo].empty()) fetched[f].Cells[colNo] = known[it->second].Cells[colNo];
            now[it->second] = &fetched[f];
            look.FetchedKnown[f] = true;
        } else {
            fetched[f].RowKey = ++lastKey_;
        }
    look.Changed = !fetched.empty() || std::find(now.begin(), now.end(), nullptr) != now.end();
    return look;
}

TRemoteList::TMerged TRemoteList::OwnEdits(const std::vector<TEntryCells>& rows, const std::vector<TRowKey>& keys) const {
    const std::vector<TRemoteEntry>& known = state_.Entries;
    TMerged merged;
    merged.SyncToken = state_.SyncToken;
    TRowMatcher matcher(known);
    const auto matches = matcher.Match(rows, keys, Unkeyed(keys));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        TMerged::TRow row{rows[r], {}, true};
        if (matches[r]) {
            row.Remote = known[*matches[r]];
            row.Dirty = row.Cells != row.Remote->Cells || IsUnconfirmed(*row.Remote);
        }
        merged.Rows.push_back(std::move(row));
    }
    for (std::size_t i = 0; i < known.size(); ++i)
        if (!matcher.Taken(i)) merged.Removals.push_back(known[i]);
    return merged;
}

TRemoteList::TMerged TRemoteList::Merge(const TServerState& look, const std::vector<TEntryCells>& rows,
                                        const std::vector<TRowKey>& keys) const {
    const std::vector<TRemoteEntry>& known = state_.Entries;
    const std::vector<const TRemoteEntry*>& now = look.Now;
    TMerged merged;
    merged.SyncToken = look.SyncToken;
    std::vector<TMerged::TRow> fromServer;  // rows the table does not have yet
    TRowMatcher matcher(known);
    const auto matches = matcher.Match(rows, keys, Unkeyed(keys));
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const TEntryCells& ours = rows[r];
        if (!matches[r]) {
            merged.Rows.push_back({ours, {}, true});
            continue;
        }
        const TRemoteEntry& base = known[*matches[r]];
        const TRemoteEntry* theirs = now[*matches[r]];
        if (!theirs) {
            // Deleted on the server: gone here too, unless edited here.
            if (ours != base.Cells) merged.Rows.push_back({ours, {}, true});
            continue;
        }
        if (theirs == &base) {
            merged.Rows.push_back({ours, base, ours != base.Cells || IsUnconfirmed(base)});
            continue;
        }
        TEntryCells cells = ours;
        bool conflict = false;
        for (std::size_t c = 0; c < cells.size(); ++c) {
            if (ours[c] == base.Cells[c])
                cells[c] = theirs->Cells[c];
            else if (theirs->Cells[c] != base.Cells[c] && theirs->Cells[c] != ours[c])
                conflict = true;
        }
        if (conflict) {
            merged.Rows.push_back({theirs->Cells, *theirs, false});
            merged.Rows.push_back({MarkedAsConflict(ours), {}, true});
            ++merged.Conflicts;
        } else {
            merged.Rows.push_back({cells, *theirs, cells != theirs->Cells});
        }
    }
    for (std::size_t i = 0; i < known.size(); ++i) {
        if (matcher.Taken(i) || !now[i]) continue;
        if (now[i] == &known[i])
            merged.Removals.push_back(known[i]);
        else  // changed on the server, deleted here: kept
            fromServer.push_back({now[i]->Cells, *now[i], false});
    }
    for (std::size_t f = 0; f < look.Fetched.size(); ++f)
        if (!look.FetchedKnown[f]) fromServer.push_back({look.Fetched[f].Cells, look.Fetched[f], false});

    // The server's rows go where their numbers put them among ours.
    // Unnumbered ones go last, in the same order on every device.
    std::stable_sort(fromServer.begin(), fromServer.end(), [](const TMerged::TRow& a, const TMerged::TRow& b) {
        const auto x = NumberOf(a.Cells), y = NumberOf(b.Cells);
        if (x || y) return x && (!y || *x < *y);
        return a.Remote->Href < b.Remote->Href;
    });
    std::vector<TMerged::TRow> ordered;
    ordered.reserve(merged.Rows.size() + fromServer.size());
    std::size_t next = 0;
    for (TMerged::TRow& row : merged.Rows) {
        if (const auto number = NumberOf(row.Cells))
            while (next < fromServer.size() && NumberOf(fromServer[next].Cells) && *NumberOf(fromServer[next].Cells) < *number)
                ordered.push_back(std::move(fromServer[next++]));
        ordered.push_back(std::move(row));
    }
    while (next < fromServer.size()) ordered.push_back(std::move(fromServer[next++]));
    merged.Rows = std::move(ordered);
    merged.NumberUnnumbered();
    return merged;
}

TSyncResult TRemoteList::Refresh(CalendarServer& server, const std::vector<TEntryCells>& rows,
                                 const std::vector<TRowKey>& keys) {
    const TServerState look = Look(server);
    TSyncResult result;
    if (!look.Changed) {
        state_.SyncToken = look.SyncToken;
        return result;
    }
    TMerged merged = Merge(look, rows, keys);
    state_ = merged.StateAfter(std::move(state_));
    result.RowsChanged = true;
    result.Rows = merged.Cells();
    result.RowKeys = merged.Keys();
    result.Conflicts = merged.Conflicts;
    return result;
}

// Sends the dirty rows and the removals; false when another client was first
// with one of them, which the next round merges.
bool TRemoteList::Send(CalendarServer& server, TMerged& merged) {
    bool allDone = true;
    std::vector<TMerged::TRow*> withoutTag;
    for (TMerged::TRow& row : merged.Rows) {
        if (!row.Dirty) continue;
        const std::vector<std::string_view> cells = Views(row.Cells);
        TRemoteEntry sent;
        if (row.Remote) {
            sent.Href = row.Remote->Href;
            sent.Text = UpdatedTodoResource(row.Remote->Text, cells, settings_);
            sent.RowKey = row.Remote->RowKey;
        } else {
            const std::string uid = FreshTodoUid();
            sent.Href = TodoHref(state_.CollectionUrl, uid);
            sent.Text = NewTodoResource(cells, uid, settings_);
            sent.RowKey = ++lastKey_;
            // Known before it goes out: when the answer is lost, the next save
            // finds it on the server (or creates it again) under this name
            // instead of making a second one.
            row.Remote = TRemoteEntry{sent.Href, {}, sent.Text, row.Cells, sent.RowKey};
        }
        // An empty ETag creates: a 412 then says it is there already, and the
        // next round reads and compares it.
        const TWriteResult written = server.Put(sent.Href, sent.Text, row.Remote->ETag);
        if (written.Outcome == TWriteOutcome::Conflict) {
            allDone = false;
            continue;
        }
        ++merged.Sent;
        sent.ETag = written.ETag;
        sent.Cells = row.Cells;
        row.Remote = std::move(sent);
        row.Dirty = false;
        if (row.Remote->ETag.empty()) withoutTag.push_back(&row);
    }
    std::vector<TRemoteEntry> stillToRemove;
    for (const TRemoteEntry& entry : merged.Removals) {
        if (server.Remove(entry.Href, entry.ETag) == TWriteOutcome::Done) {
            ++merged.Sent;
            continue;
        }
        stillToRemove.push_back(entry);
        allDone = false;
    }
    merged.Removals = std::move(stillToRemove);
    if (withoutTag.empty()) return allDone;
    // A server that does not say the new ETag is asked for it.
    std::vector<std::string> hrefs;
    for (const TMerged::TRow* row : withoutTag) hrefs.push_back(row->Remote->Href);
    std::unordered_map<std::string, TCalendarResource> read;
    for (TCalendarResource& resource : server.Fetch(state_.CollectionUrl, hrefs)) read.emplace(resource.Href, std::move(resource));
    for (TMerged::TRow* row : withoutTag) {
        const auto it = read.find(row->Remote->Href);
        if (it == read.end()) continue;
        row->Remote->ETag = it->second.ETag;
        row->Remote->Text = it->second.Text;
        try {
            row->Remote->Cells = EntryOfResource(it->second.Text, settings_);
        } catch (const EGridError&) {
        }
        row->Dirty = row->Cells != row->Remote->Cells;
    }
    return allDone;
}

namespace {

// Runs a step of a save; true when the server failed or the user cancelled,
// which `result` then says.
template <typename TStep>
bool Stopped(TSyncResult& result, TStep step) {
    try {
        step();
        return false;
    } catch (const ECalendarServerError& e) {
        result.Failure = e;
    } catch (const EAbort&) {
        result.Cancelled = true;
    }
    return true;
}

}  // namespace

TSyncResult TRemoteList::Save(CalendarServer& server, const std::vector<TEntryCells>& rows,
                              const std::vector<TRowKey>& keys) {
    TSyncResult result;
    result.Rows = rows;
    result.RowKeys = keys;
    // What went out is known; the rest goes at the next save.
    result.Complete = false;
    for (int round = 0; round < MaxSaveRounds; ++round) {
        // Our changes go first, each against the ETag it was read with; the
        // server's are read and merged only once it refused one of them.
        bool serverChanged = false;
        TMerged merged;
        if (round == 0) {
            merged = OwnEdits(result.Rows, result.RowKeys);
        } else if (Stopped(result, [&] {
                       const TServerState look = Look(server);
                       serverChanged = look.Changed;
                       merged = serverChanged ? Merge(look, result.Rows, result.RowKeys) : OwnEdits(result.Rows, result.RowKeys);
                       merged.SyncToken = look.SyncToken;
                   })) {
            // The state knows the rows of the round before: they are the table to show.
            return result;
        }
        result.Conflicts += merged.Conflicts;
        bool done = false;
        const bool stopped = Stopped(result, [&] { done = Send(server, merged); });
        state_ = merged.StateAfter(std::move(state_));
        // A password refused before anything went: the caller may ask for another and save again.
        if (round == 0 && merged.Sent == 0 && result.Failure &&
            result.Failure->Kind() == ECalendarServerError::TKind::Unauthorized)
            throw *result.Failure;
        result.Rows = merged.Cells();
        result.RowKeys = merged.Keys();
        if (serverChanged || merged.Conflicts || result.Rows != rows) result.RowsChanged = true;
        if (done || stopped) {
            result.Complete = done;
            return result;
        }
    }
    return result;
}

TSyncResult TRemoteList::Push(CalendarServer& server, const std::vector<TEntryCells>& rows,
                              std::vector<std::string>& pushed) {
    Refresh(server, KnownRows(), KnownRowKeys());
    const std::vector<TRemoteEntry>& known = state_.Entries;
    // Another client's to-do that shares a number with a row is not the
    // row's: numbers count only among the to-dos this document sent.
    TRowMatcher byCells(known);
    std::vector<std::optional<std::size_t>> matches = byCells.Match(rows, {}, false);
    const std::unordered_set<std::string> sent(pushed.begin(), pushed.end());
    std::vector<std::size_t> ours;
    std::vector<TRemoteEntry> oursLeft;
    for (std::size_t i = 0; i < known.size(); ++i)
        if (!byCells.Taken(i) && sent.contains(known[i].Href)) {
            ours.push_back(i);
            oursLeft.push_back(known[i]);
        }
    std::vector<std::size_t> unmatched;
    std::vector<TEntryCells> unmatchedRows;
    for (std::size_t r = 0; r < rows.size(); ++r)
        if (!matches[r]) {
            unmatched.push_back(r);
            unmatchedRows.push_back(rows[r]);
        }
    TRowMatcher byNumber(oursLeft);
    const auto numbered = byNumber.Match(unmatchedRows, {}, true);
    for (std::size_t k = 0; k < unmatched.size(); ++k)
        if (numbered[k]) matches[unmatched[k]] = ours[*numbered[k]];

    std::vector<TEntryCells> table = rows;
    std::vector<TRowKey> keys;
    std::vector<bool> taken(known.size());
    for (const auto& match : matches) {
        keys.push_back(match ? known[*match].RowKey : 0);
        if (match) taken[*match] = true;
    }
    std::unordered_set<TRowKey> others;
    for (std::size_t i = 0; i < known.size(); ++i)
        if (!taken[i]) {
            table.push_back(known[i].Cells);
            keys.push_back(known[i].RowKey);
            others.insert(known[i].RowKey);
        }
    TSyncResult result = Save(server, table, keys);
    pushed.clear();
    for (const TRemoteEntry& entry : state_.Entries)
        if (!others.contains(entry.RowKey)) pushed.push_back(entry.Href);
    return result;
}

}  // namespace tkm
