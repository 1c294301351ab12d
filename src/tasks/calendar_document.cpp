#include "tasks/calendar_document.h"

#include "base/errors.h"
#include "base/file_bytes.h"
#include "base/ordered_batches.h"
#include "base/translatable.h"
#include "grid/io/shown_columns.h"
#include "tasks/calendar_zones.h"
#include "tasks/content_line.h"
#include "tasks/task_document.h"
#include "tasks/todo_entry.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <memory>
#include <optional>
#include <random>
#include <unordered_map>

namespace tkm {

namespace {

constexpr std::string_view ProductId = "-//Taskmere//Taskmere " TASKMERE_RELEASE "//EN";
// Deeper nesting than any calendar has is taken as a broken file.
constexpr std::size_t MaxNesting = 16;

struct TComponentFree {
    void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using TComponent = std::unique_ptr<icalcomponent, TComponentFree>;

char Upper(char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i)
        if (Upper(text[i]) != prefix[i]) return false;
    return true;
}

std::string UpperName(std::string_view text) {
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
    std::string name(text);
    for (char& c : name) c = Upper(c);
    return name;
}

// The calendar's own lines are written with CR LF, whatever the file had.
void AppendLine(std::string& out, std::string_view line) {
    out += line;
    out += "\r\n";
}

std::uint64_t CellsKey(std::span<const std::string_view> cells) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto mix = [&](unsigned char byte) { hash = (hash ^ byte) * 0x100000001b3ULL; };
    for (std::size_t col = colNo + 1; col < std::min<std::size_t>(cells.size(), TaskColumnCount); ++col) {
        for (std::size_t n = cells[col].size(); n; n >>= 8) mix(static_cast<unsigned char>(n));
        mix(0xFF);
        for (const char c : cells[col]) mix(static_cast<unsigned char>(c));
    }
    return hash;
}

TComponent ParseComponent(std::string_view text) {
    const std::string copy(text);
    return TComponent(icalparser_parse_string(copy.c_str()));
}

// Properties the library could not read are left out rather than saved back
// as its error notes.
void DropReadErrors(icalcomponent* component) {
    std::vector<icalproperty*> errors;
    for (icalproperty* p = icalcomponent_get_first_property(component, ICAL_XLICERROR_PROPERTY); p;
         p = icalcomponent_get_next_property(component, ICAL_XLICERROR_PROPERTY))
        errors.push_back(p);
    for (icalproperty* p : errors) {
        icalcomponent_remove_property(component, p);
        icalproperty_free(p);
    }
}

std::optional<long long> NumberOf(std::string_view cell) {
    if (cell.empty() || cell.size() > 15) return std::nullopt;
    long long value = 0;
    for (const char c : cell) {
        if (c < '0' || c > '9') return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// One top-level component of the calendar, as bytes of the file.
struct TChunk {
    std::string_view Text;
    int Line = 0;
};

// "line 12: what", where a file cannot be read.
std::string LineText(int line, const std::string& what) {
    return FillText(TKM_TR("Files", "line %1: %2"), {std::to_string(line), what});
}

std::string NotCalendarText() { return TKM_TR("Files", "it is not an iCalendar file"); }

struct TReadEntry {
    TEntryCells Cells;
    bool OwnNumber = false;
};

class TCalendarReader {
public:
    TCalendarReader(std::string_view bytes, const std::string& fileName, const TCalendarSettings& settings,
                    TCalendarOrigin* origin)
        : bytes_(bytes), fileName_(fileName), settings_(settings), zones_(settings.TimeZone), origin_(origin) {}

    TBaseGrid Read() {
        Split();
        if (todos_.empty()) Fail(TKM_TR("Files", "it holds no to-do entries"));
        TBaseGrid grid = EmptyTaskDocument();
        grid.SetRowCount(int(todos_.size()) + 1);
        std::vector<long long> numbers;
        ProduceInOrder<TReadEntry>(
            todos_.size(), [&](std::size_t i) { return ReadEntry(i); },
            [&](std::size_t i, TReadEntry&& entry) {
                const TEntryCells& cells = entry.Cells;
                if (const auto number = NumberOf(cells[colNo]); number && numbers.size() == i)
                    numbers.push_back(*number);
                std::array<std::string_view, TaskColumnCount> views;
                std::copy(cells.begin(), cells.end(), views.begin());
                grid.SetRowCells(int(i) + 1, 0, views);
                // The file's own bytes: written out again by the library, a
                // value could lose what the cells hold (a lone CR).
                if (origin_)
                    origin_->Entries.push_back(
                        {CellsKey(views), cells[colNo], std::string(todos_[i].Text), entry.OwnNumber});
            });
        if (numbers.size() == todos_.size()) PutInNumberOrder(grid, numbers);
        return AsTaskTable(std::move(grid));
    }

private:
    [[noreturn]] void Fail(const std::string& reason) const {
        throw EGridFileError(CannotOpenFileText(fileName_), fileName_, reason);
    }

    // The cells of the i-th to-do; runs on several threads at once. The
    // plain reading of the text does for what Taskmere and most programs
    // write; the library reads the rest.
    TReadEntry ReadEntry(std::size_t i) const {
        const TChunk& chunk = todos_[i];
        const TTodoFormats formats{settings_.Formats, zones_};
        const std::string fileOrder = std::to_string(i + 1);
        const auto at = [&](const std::string& what) { return LineText(chunk.Line, what); };
        TReadEntry entry;
        TComponent todo;
        try {
            if (auto cells = EntryFromTodoText(chunk.Text, formats, fileOrder, &entry.OwnNumber)) {
                entry.Cells = std::move(*cells);
                return entry;
            }
            todo = ParseComponent(chunk.Text);
            if (todo && icalcomponent_isa(todo.get()) == ICAL_VTODO_COMPONENT) {
                DropReadErrors(todo.get());
                entry.Cells = EntryFromTodo(todo.get(), formats, fileOrder, &entry.OwnNumber);
                return entry;
            }
        } catch (const EGridError& e) {
            Fail(at(e.what()));
        }
        Fail(at(TKM_TR("Files", "the to-do cannot be read")));
    }

    // Finds the calendar's top-level components by their BEGIN and END
    // lines; the library reads each of them on its own, so that a large file
    // never becomes one tree in memory.
    void Split() {
        std::size_t pos = 0;
        if (bytes_.substr(0, 3) == "\xEF\xBB\xBF") pos = 3;
        int lineNumber = 0;
        std::vector<std::string> open;
        std::size_t chunkStart = 0;
        int chunkLine = 0;
        bool sawCalendar = false;
        while (pos < bytes_.size()) {
            const std::size_t lineStart = pos;
            std::size_t end = bytes_.find('\n', pos);
            pos = end == std::string_view::npos ? bytes_.size() : end + 1;
            std::string_view line = bytes_.substr(lineStart, (end == std::string_view::npos ? bytes_.size() : end) - lineStart);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            ++lineNumber;
            // Within a component only its BEGIN and END lines count here.
            if (open.size() >= 2 && !StartsWithNoCase(line, "B") && !StartsWithNoCase(line, "E")) continue;
            if (line.find_first_not_of(" \t") == std::string_view::npos) continue;
            const auto at = [&](const std::string& what) { return LineText(lineNumber, what); };
            if (StartsWithNoCase(line, "BEGIN:")) {
                const std::string name = UpperName(line.substr(6));
                if (open.empty() && name != "VCALENDAR")
                    Fail(sawCalendar ? at(TKM_TR("Files", "text after the calendar")) : NotCalendarText());
                if (open.size() >= MaxNesting) Fail(at(TKM_TR("Files", "components nested too deeply")));
                open.push_back(name);
                if (open.size() == 2) {
                    chunkStart = lineStart;
                    chunkLine = lineNumber;
                }
                sawCalendar = true;
            } else if (StartsWithNoCase(line, "END:")) {
                const std::string name = UpperName(line.substr(4));
                if (open.empty() || open.back() != name)
                    Fail(at(FillText(TKM_TR("Files", "END:%1 without its BEGIN"), {name})));
                open.pop_back();
                if (open.size() == 1) Take(name, {bytes_.substr(chunkStart, pos - chunkStart), chunkLine});
            } else if (open.empty()) {
                Fail(sawCalendar ? at(TKM_TR("Files", "text after the calendar")) : NotCalendarText());
            } else if (open.size() == 1) {
                KeepCalendarLine(line);
            }
        }
        if (!sawCalendar) Fail(NotCalendarText());
        if (!open.empty()) Fail(FillText(TKM_TR("Files", "BEGIN:%1 is never ended"), {open.back()}));
    }

    void KeepCalendarLine(std::string_view line) {
        const bool continued = line.front() == ' ' || line.front() == '\t';
        if (!continued) keepingLine_ = !StartsWithNoCase(line, "PRODID") && !StartsWithNoCase(line, "VERSION");
        if (origin_ && keepingLine_) AppendLine(origin_->CalendarLines, line);
    }

    void Take(const std::string& name, const TChunk& chunk) {
        if (name == "VTODO") return todos_.push_back(chunk);
        if (name == "VTIMEZONE") {
            TComponent zone = ParseComponent(chunk.Text);
            if (!zone || icalcomponent_isa(zone.get()) != ICAL_VTIMEZONE_COMPONENT)
                Fail(LineText(chunk.Line, TKM_TR("Files", "the time zone cannot be read")));
            if (origin_) {
                if (icalproperty* tzid = icalcomponent_get_first_property(zone.get(), ICAL_TZID_PROPERTY))
                    origin_->ZoneIds.insert(icalproperty_get_tzid(tzid));
            }
            zones_.Add(zone.release());
        }
        if (!origin_) return;
        std::size_t start = 0;
        while (start < chunk.Text.size()) {
            std::size_t end = chunk.Text.find('\n', start);
            if (end == std::string_view::npos) end = chunk.Text.size();
            std::string_view line = chunk.Text.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (!line.empty()) AppendLine(origin_->Components, line);
            start = end + 1;
        }
    }

    void PutInNumberOrder(TBaseGrid& grid, const std::vector<long long>& numbers) {
        if (std::is_sorted(numbers.begin(), numbers.end())) return;
        std::vector<std::uint32_t> order(numbers.size());
        for (std::uint32_t i = 0; i < order.size(); ++i) order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](std::uint32_t a, std::uint32_t b) { return numbers[a] < numbers[b]; });
        grid.PermuteRows(1, order);
        if (!origin_) return;
        std::vector<TCalendarOrigin::TEntry> entries;
        entries.reserve(order.size());
        for (const std::uint32_t i : order) entries.push_back(std::move(origin_->Entries[i]));
        origin_->Entries = std::move(entries);
    }

    std::string_view bytes_;
    const std::string& fileName_;
    const TCalendarSettings& settings_;
    TCalendarZones zones_;
    TCalendarOrigin* origin_;
    std::vector<TChunk> todos_;
    bool keepingLine_ = false;
};

// Which read entry a row was: the one with the same cells, else the one with
// the same number (its cells were edited); each is taken once.
class TOriginMatch {
public:
    explicit TOriginMatch(const TCalendarOrigin& origin) : origin_(origin), taken_(origin.Entries.size()) {
        for (std::size_t i = 0; i < origin.Entries.size(); ++i) {
            byCells_.emplace(origin.Entries[i].CellsKey, i);
            byNumber_.emplace(origin.Entries[i].Number, i);
        }
    }

    const TCalendarOrigin::TEntry* Unchanged(std::span<const std::string_view> cells) {
        // Entries alike but for their numbers go back to their own: the map
        // keeps no order among them.
        const std::uint64_t key = CellsKey(cells);
        if (const auto* same = Take(byCells_, key, [&](const auto& entry) { return entry.Number == cells[colNo]; }))
            return same;
        return Take(byCells_, key, Any);
    }
    const TCalendarOrigin::TEntry* SameNumber(std::string_view number) {
        return Take(byNumber_, std::string(number), Any);
    }

private:
    static bool Any(const TCalendarOrigin::TEntry&) { return true; }

    template <typename TMap, typename TKey, typename TWanted>
    const TCalendarOrigin::TEntry* Take(TMap& map, const TKey& key, TWanted wanted) {
        for (auto [it, last] = map.equal_range(key); it != last; ++it) {
            if (taken_[it->second] || !wanted(origin_.Entries[it->second])) continue;
            taken_[it->second] = true;
            return &origin_.Entries[it->second];
        }
        return nullptr;
    }

    const TCalendarOrigin& origin_;
    std::vector<bool> taken_;
    std::unordered_multimap<std::uint64_t, std::size_t> byCells_;
    std::unordered_multimap<std::string, std::size_t> byNumber_;
};

class TCalendarWriter {
public:
    TCalendarWriter(const TBaseGrid& grid, const TCalendarSettings& settings, const TCalendarOrigin* origin,
                    const TByteSink& sink, TCalendarOrigin* written)
        : grid_(grid), origin_(origin), writtenOrigin_(written), zones_(settings.TimeZone),
          formats_{settings.Formats, zones_}, out_(sink),
          stamp_(icaltime_current_time_with_zone(icaltimezone_get_utc_timezone())) {
        std::random_device random;
        for (std::uint64_t& part : uidSeed_) part = (std::uint64_t(random()) << 32) ^ random();
        char* stamp = icaltime_as_ical_string_r(stamp_);
        stampLine_ = std::string("DTSTAMP:") + stamp;
        std::free(stamp);
        written_.fill(false);
        for (const TShownColumn& column : ShownColumns(grid))
            if (column.Real < TaskColumnCount) written_[std::size_t(column.Real)] = true;
    }

    void Write() {
        std::string& buffer = out_.Buffer();
        AppendLine(buffer, "BEGIN:VCALENDAR");
        AppendLine(buffer, "PRODID:" + std::string(ProductId));
        AppendLine(buffer, "VERSION:2.0");
        if (origin_) buffer += origin_->CalendarLines;
        if (writtenOrigin_ && origin_) {
            writtenOrigin_->CalendarLines = origin_->CalendarLines;
            writtenOrigin_->ZoneIds = origin_->ZoneIds;
        }
        WriteDesktopZone();
        if (origin_) buffer += origin_->Components;
        if (writtenOrigin_ && origin_) writtenOrigin_->Components += origin_->Components;
        out_.LineDone();
        if (origin_) MatchOrigin();
        // The entries' texts are made on every core, and written in order.
        const std::size_t entries = std::size_t(std::max(grid_.RowCount() - grid_.FixedRows(), 0));
        ProduceInOrder<TWrittenEntry>(
            entries, [&](std::size_t i) { return EntryText(i); },
            [&](std::size_t i, TWrittenEntry&& entry) {
                out_.Buffer() += entry.Text;
                if (writtenOrigin_) {
                    const std::vector<std::string_view> cells = Cells(i);
                    writtenOrigin_->Entries.push_back(
                        {CellsKey(cells), std::string(cells[colNo]), std::move(entry.Text), entry.OwnNumber});
                }
                out_.LineDone();
            });
        AppendLine(buffer, "END:VCALENDAR");
        out_.Flush();
    }

private:
    // What became of a read entry: the same cells, or only its number, or
    // edited cells; none for a new entry.
    struct TFromOrigin {
        const TCalendarOrigin::TEntry* Entry = nullptr;
        bool Edited = false;
    };

    void WriteDesktopZone() {
        icaltimezone* zone = zones_.Desktop();
        if (!zone || zone == icaltimezone_get_utc_timezone()) return;
        if (origin_ && origin_->ZoneIds.count(icaltimezone_get_tzid(zone))) return;
        icalcomponent* component = icaltimezone_get_component(zone);
        if (!component) return;
        const std::string text = ComponentText(component);
        out_.Buffer() += text;
        if (writtenOrigin_) {
            writtenOrigin_->Components += text;
            writtenOrigin_->ZoneIds.insert(icaltimezone_get_tzid(zone));
        }
    }

    std::vector<std::string_view> Cells(std::size_t entry) const {
        std::vector<std::string_view> cells(std::size_t(std::max(grid_.RealColCount(), 1)));
        grid_.RowView(grid_.FixedRows() + int(entry), cells);
        return cells;
    }

    // In table order, as each read entry is taken once.
    void MatchOrigin() {
        TOriginMatch match(*origin_);
        const std::size_t entries = std::size_t(std::max(grid_.RowCount() - grid_.FixedRows(), 0));
        fromOrigin_.resize(entries);
        for (std::size_t i = 0; i < entries; ++i) {
            const std::vector<std::string_view> cells = Cells(i);
            if (const auto* same = match.Unchanged(cells)) fromOrigin_[i] = {same, false};
            else if (const auto* edited = match.SameNumber(cells[colNo])) fromOrigin_[i] = {edited, true};
        }
    }

    struct TWrittenEntry {
        std::string Text;
        bool OwnNumber = false;
    };

    // Runs on several threads at once.
    TWrittenEntry EntryText(std::size_t i) const {
        const std::vector<std::string_view> cells = Cells(i);
        const bool numbered = written_[colNo];
        if (const TFromOrigin from = i < fromOrigin_.size() ? fromOrigin_[i] : TFromOrigin{}; from.Entry) {
            const TCalendarOrigin::TEntry& entry = *from.Entry;
            if (!from.Edited && entry.Number == cells[colNo]) {
                // A No that was the entry's place in the file must travel
                // once the entry has moved, or reading it back renumbers it.
                if (entry.OwnNumber || !numbered || entry.Number == std::to_string(i + 1))
                    return {entry.Text, entry.OwnNumber};
                return {WithEntryNumber(entry.Text, cells[colNo]), true};
            }
            const TComponent todo = ParseComponent(entry.Text);
            if (from.Edited) {
                RemoveEntryProperties(todo.get());
                Restamp(todo.get());
                WriteEntryProperties(cells, written_, formats_, todo.get());
            } else {
                ReplaceEntryNumber(cells[colNo], todo.get());
            }
            return {ComponentText(todo.get()), !from.Edited || numbered};
        }
        // A new entry's lines as the library would write them, without
        // building a to-do for it.
        std::string text = "BEGIN:VTODO\r\n";
        AppendFoldedLine("UID:" + FreshUid(i), text);
        AppendFoldedLine(stampLine_, text);
        AppendEntryLines(cells, written_, formats_, text);
        text += "END:VTODO\r\n";
        return {std::move(text), numbered};
    }

    void Restamp(icalcomponent* todo) const {
        if (icalproperty* old = icalcomponent_get_first_property(todo, ICAL_DTSTAMP_PROPERTY)) {
            icalcomponent_remove_property(todo, old);
            icalproperty_free(old);
        }
        icalcomponent_add_property(todo, icalproperty_new_dtstamp(stamp_));
    }

    // A random (version 4) UUID for the i-th entry: the seed is random, and
    // mixing it with i gives every entry of the file a UID of its own.
    std::string FreshUid(std::size_t i) const {
        const auto mixed = [&](std::uint64_t seed) {
            std::uint64_t z = seed + (i + 1) * 0x9E3779B97F4A7C15ULL;
            z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
            z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
            return z ^ (z >> 31);
        };
        const std::uint64_t high = (mixed(uidSeed_[0]) & 0xFFFFFFFFFFFF0FFFULL) | 0x4000ULL;
        const std::uint64_t low = (mixed(uidSeed_[1]) & 0x3FFFFFFFFFFFFFFFULL) | 0x8000000000000000ULL;
        static constexpr char Digits[] = "0123456789abcdef";
        std::string uid(36, '-');
        const auto put = [&](std::size_t at, std::uint64_t value, std::size_t count) {
            for (std::size_t d = count; d-- > 0; value >>= 4) uid[at + d] = Digits[value & 15];
        };
        put(0, high >> 32, 8);
        put(9, high >> 16, 4);
        put(14, high, 4);
        put(19, low >> 48, 4);
        put(24, low, 12);
        return uid;
    }

    const TBaseGrid& grid_;
    const TCalendarOrigin* origin_;
    TCalendarOrigin* writtenOrigin_;
    TCalendarZones zones_;
    TTodoFormats formats_;
    TBlockWriter out_;
    TWrittenColumns written_;
    std::array<std::uint64_t, 2> uidSeed_{};
    icaltimetype stamp_;
    std::string stampLine_;
    std::vector<TFromOrigin> fromOrigin_;
};

}  // namespace

bool IsCalendarFileName(std::string_view fileName) {
    const std::size_t slash = fileName.rfind('/');
    const std::string_view base = slash == std::string_view::npos ? fileName : fileName.substr(slash + 1);
    return base.size() > 4 && StartsWithNoCase(base.substr(base.size() - 4), ".ICS");
}

TBaseGrid ReadCalendarDocument(const std::string& fileName, const TCalendarSettings& settings,
                               TCalendarOrigin* origin) {
    const TFileBytes bytes(fileName);
    return CalendarDocumentFromText(bytes.View(), fileName, settings, origin);
}

TBaseGrid CalendarDocumentFromText(std::string_view bytes, const std::string& fileName,
                                   const TCalendarSettings& settings, TCalendarOrigin* origin) {
    TCalendarOrigin read;
    TBaseGrid grid = TCalendarReader(bytes, fileName, settings, origin ? &read : nullptr).Read();
    if (origin) *origin = std::move(read);
    return grid;
}

void WriteCalendar(const TBaseGrid& grid, const TCalendarSettings& settings, const TCalendarOrigin* origin,
                   const TByteSink& sink, TCalendarOrigin* written) {
    TCalendarWriter(grid, settings, origin, sink, written).Write();
}

void WriteCalendarFile(const TBaseGrid& grid, const std::string& fileName, const TCalendarSettings& settings,
                       TCalendarOrigin* origin) {
    TCalendarOrigin written;
    WriteExportFile(fileName, [&](const TByteSink& sink) {
        WriteCalendar(grid, settings, origin, sink, origin ? &written : nullptr);
    });
    if (origin) *origin = std::move(written);
}

}  // namespace tkm
