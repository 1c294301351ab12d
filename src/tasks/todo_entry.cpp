#include "tasks/todo_entry.h"

#include "base/date_text.h"
#include "base/percent_encoding.h"
#include "base/windows_1252.h"
#include "tasks/calendar_zones.h"
#include "tasks/task_vocabulary.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <optional>
#include <vector>

namespace tkm {

namespace {

// Where a cell travels as it is, by real column.
constexpr std::array<const char*, TaskColumnCount> CopyNames{
    "X-TASKMERE-NUMBER",    "X-TASKMERE-ENTRY-DATE", "X-TASKMERE-STATUS",          "X-TASKMERE-TASK",
    "X-TASKMERE-PRIORITY",  "X-TASKMERE-DUE-DATE",   "X-TASKMERE-DUE-TIME",        "X-TASKMERE-RESOURCES",
    "X-TASKMERE-HOURS",     "X-TASKMERE-COST",       "X-TASKMERE-PROGRESS",        "X-TASKMERE-COMPLETION-DATE",
    "X-TASKMERE-COMPLETION-TIME", "X-TASKMERE-COMMENT"};
// The parameter of a copy holding a fingerprint of what the standard
// property gave when the copy was written.
constexpr char CopyOf[] = "X-TASKMERE-OF";
// The columns no standard property holds: their copy is the cell itself.
constexpr bool HasStandardProperty(int col) { return col != colNo && col != colTotalHours && col != colCost; }
// The other column read from the same standard property, or -1.
constexpr int PartnerColumn(int col) {
    switch (col) {
    case colDueDate: return colDueTime;
    case colDueTime: return colDueDate;
    case colCompletionDate: return colCompletionTime;
    case colCompletionTime: return colCompletionDate;
    default: return -1;
    }
}

constexpr std::array<icalproperty_kind, 9> EntryProperties{
    ICAL_SUMMARY_PROPERTY, ICAL_DESCRIPTION_PROPERTY, ICAL_STATUS_PROPERTY,
    ICAL_PRIORITY_PROPERTY, ICAL_DUE_PROPERTY, ICAL_CREATED_PROPERTY,
    ICAL_COMPLETED_PROPERTY, ICAL_PERCENTCOMPLETE_PROPERTY, ICAL_RESOURCES_PROPERTY};

std::string Fingerprint(std::string_view text, std::string_view partner = {}) {
    std::uint64_t hash = 0xcbf29ce484222325ULL;
    const auto mix = [&](std::string_view bytes) {
        for (const char c : bytes) hash = (hash ^ std::uint8_t(c)) * 0x100000001b3ULL;
    };
    mix(text);
    if (!partner.empty()) mix("\x1F"), mix(partner);
    static constexpr char Digits[] = "0123456789abcdef";
    std::string out(16, '0');
    for (int i = 15; i >= 0; --i, hash >>= 4) out[std::size_t(i)] = Digits[hash & 15];
    return out;
}

// A copy keeps the bytes of any cell on one line: controls, "%" and "\" as
// %XX, and every byte above ASCII too when the cell is not UTF-8; readers
// trim values, so blanks at either end too. An empty value would be dropped
// by readers, so an empty cell is a lone "%", which the encoding never
// writes otherwise.
std::string CopyText(std::string_view cell) {
    if (cell.empty()) return "%";
    const bool utf8 = IsValidUtf8(cell);
    std::string out;
    out.reserve(cell.size());
    const std::size_t inner = cell.find_first_not_of(' ');
    const std::size_t last = cell.find_last_not_of(' ');
    for (std::size_t i = 0; i < cell.size(); ++i) {
        const char c = cell[i];
        const auto byte = std::uint8_t(c);
        const bool endBlank = c == ' ' && (i < inner || i > last || inner == std::string_view::npos);
        if (byte < 0x20 || byte == 0x7F || c == '%' || c == '\\' || (byte >= 0x80 && !utf8) || endBlank) {
            static constexpr char Digits[] = "0123456789ABCDEF";
            out += '%';
            out += Digits[byte >> 4];
            out += Digits[byte & 15];
        } else {
            out += c;
        }
    }
    return out;
}

// Another program may have written the copy back with text escapes ("\,");
// the copy itself never holds a backslash.
std::optional<std::string> CellFromCopy(std::string_view text) {
    if (text == "%") return std::string();
    std::string unescaped;
    unescaped.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\\' && i + 1 < text.size()) {
            ++i;
            unescaped += text[i] == 'n' || text[i] == 'N' ? '\n' : text[i];
        } else {
            unescaped += text[i];
        }
    }
    return PercentDecoded(unescaped);
}

// Property texts are UTF-8 without control characters other than line
// breaks and tabs, and without blanks at either end, which is what a reader
// gets back.
std::string PropertyText(std::string_view cell) {
    std::string buffer;
    const std::string_view utf8 = ShownAsUtf8(cell, buffer);
    std::string out;
    out.reserve(utf8.size());
    for (const char c : utf8)
        if (std::uint8_t(c) >= 0x20 || c == '\n' || c == '\t') out += c;
    const std::size_t first = out.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    return out.substr(first, out.find_last_not_of(" \t") - first + 1);
}

// Resources are a list: the pieces between commas, without their blanks.
std::string JoinedResources(const std::vector<std::string>& pieces) {
    std::string out;
    for (const std::string& piece : pieces) {
        if (piece.empty()) continue;
        if (!out.empty()) out += ", ";
        out += piece;
    }
    return out;
}

std::vector<std::string> SplitResources(std::string_view text) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t comma = std::min(text.find(',', start), text.size());
        std::string_view piece = text.substr(start, comma - start);
        const std::size_t first = piece.find_first_not_of(" \t");
        const std::size_t last = piece.find_last_not_of(" \t");
        pieces.emplace_back(first == std::string_view::npos ? std::string_view() : piece.substr(first, last - first + 1));
        start = comma + 1;
    }
    return pieces;
}

icalproperty_status StatusProperty(TStatus status) {
    switch (status) {
    case TStatus::NotStarted:
    case TStatus::Pending:
    case TStatus::Postponed: return ICAL_STATUS_NEEDSACTION;
    case TStatus::InProgress: return ICAL_STATUS_INPROCESS;
    case TStatus::Completed: return ICAL_STATUS_COMPLETED;
    case TStatus::Cancelled: return ICAL_STATUS_CANCELLED;
    case TStatus::Other: break;
    }
    return ICAL_STATUS_NONE;
}

std::string StatusCell(icalproperty_status status) {
    const auto word = [](TStatus s) { return std::string(TaskTable::StatusVocabulary[std::size_t(s)]); };
    switch (status) {
    case ICAL_STATUS_NEEDSACTION: return word(TStatus::NotStarted);
    case ICAL_STATUS_INPROCESS: return word(TStatus::InProgress);
    case ICAL_STATUS_COMPLETED: return word(TStatus::Completed);
    case ICAL_STATUS_CANCELLED: return word(TStatus::Cancelled);
    default: return {};
    }
}

int PriorityProperty(TPriority priority) {
    return priority == TPriority::Other ? 0 : 1 + 2 * int(priority);
}

std::string PriorityCell(int value) {
    if (value < 0 || value > 9) return {};
    const auto word = [](TPriority p) { return std::string(TaskTable::PriorityVocabulary[std::size_t(p)]); };
    if (value == 1) return word(TPriority::MostImportant);
    if (value >= 2 && value <= 4) return word(TPriority::High);
    if (value >= 6 && value <= 8) return word(TPriority::Low);
    if (value == 9) return word(TPriority::Lowest);
    return word(TPriority::Normal);
}

std::optional<int> ProgressValue(std::string_view cell) {
    int value = 0;
    const auto [end, error] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
    if (error != std::errc() || end != cell.data() + cell.size() || cell.empty() || value < 0 || value > 100)
        return std::nullopt;
    return value;
}

// The desktop's wall-clock time of a date and, where given, a time of day.
icaltimetype LocalTime(const TDate& date, const std::optional<TTimeOfDay>& time, icaltimezone* zone) {
    icaltimetype t = icaltime_null_time();
    t.year = date.Year;
    t.month = date.Month;
    t.day = date.Day;
    t.is_date = time ? 0 : 1;
    if (time) {
        t.hour = time->Hour;
        t.minute = time->Minute;
        t.second = time->Second;
        t.zone = zone;
    }
    return t;
}

// Stamps are UTC; without a desktop zone the wall clock is taken as UTC.
icaltimetype AsUtc(icaltimetype local) {
    icaltimezone* utc = icaltimezone_get_utc_timezone();
    if (!local.zone) return icaltime_set_timezone(&local, utc);
    return icaltime_convert_to_zone(local, utc);
}

icaltimetype InDesktopZone(icaltimetype t, const TCalendarZones& zones) {
    if (t.is_date || !t.zone) return t;
    if (!zones.Desktop()) {
        t.zone = nullptr;
        return t;
    }
    return icaltime_convert_to_zone(t, zones.Desktop());
}

// A date or date-time property's value in its own zone; none when unreadable.
std::optional<icaltimetype> TimeOf(icalproperty* property, const TCalendarZones& zones) {
    icalvalue* value = icalproperty_get_value(property);
    if (!value) return std::nullopt;
    const icalvalue_kind kind = icalvalue_isa(value);
    if (kind != ICAL_DATE_VALUE && kind != ICAL_DATETIME_VALUE) return std::nullopt;
    icaltimetype t = kind == ICAL_DATE_VALUE ? icalvalue_get_date(value) : icalvalue_get_datetime(value);
    if (icaltime_is_null_time(t) || !icaltime_is_valid_time(t)) return std::nullopt;
    if (!t.is_date && !icaltime_is_utc(t))
        if (icalparameter* tzid = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER))
            t = icaltime_set_timezone(&t, zones.Find(icalparameter_get_tzid(tzid)));
    return t;
}

// `standard`: what reading the column's standard property gives, with
// `partner` what it gives the other column it fills; a change to either
// makes the copy give way.
icalproperty* NewCopy(int col, std::string_view cell, std::string_view standard, std::string_view partner = {}) {
    icalproperty* copy = icalproperty_new_x(CopyText(cell).c_str());
    icalproperty_set_x_name(copy, CopyNames[std::size_t(col)]);
    if (HasStandardProperty(col))
        icalproperty_set_parameter_from_string(copy, CopyOf, Fingerprint(standard, partner).c_str());
    return copy;
}

class TCellTexts {
public:
    explicit TCellTexts(const TLocaleFormats& formats) : formats_(formats) {}
    std::string Date(const icaltimetype& t) const {
        return FormatDate(TDate{t.year, t.month, t.day}, formats_.ShortDateFormat, formats_);
    }
    std::string Time(const icaltimetype& t) const {
        if (t.is_date) return {};
        return FormatTime(TTimeOfDay{t.hour, t.minute, t.second}, formats_.LongTimeFormat, formats_);
    }

private:
    const TLocaleFormats& formats_;
};

class TEntryWriter {
public:
    TEntryWriter(std::span<const std::string_view> cells, const TWrittenColumns& written, const TTodoFormats& formats,
                 icalcomponent* todo)
        : cells_(cells), written_(written), formats_(formats), texts_(formats.Formats), todo_(todo) {}

    void Write() {
        // The number always travels: an empty one is not the file order's.
        if (written_[colNo]) Add(NewCopy(colNo, Cell(colNo), {}));
        WriteEntryDate();
        WriteStatus();
        WriteText(colDescription, icalproperty_new_summary);
        WritePriority();
        WriteDue();
        WriteResources();
        Copy(colTotalHours);
        Copy(colCost);
        WriteProgress();
        WriteCompletion();
        WriteText(colComment, icalproperty_new_description);
    }

private:
    // Hidden columns are left out: as if empty, and never copied.
    std::string_view Cell(int col) const {
        return written_[std::size_t(col)] && std::size_t(col) < cells_.size() ? cells_[std::size_t(col)] : "";
    }
    void Add(icalproperty* property) { icalcomponent_add_property(todo_, property); }

    void Copy(int col, std::string_view standard = {}, std::string_view partner = {}) {
        const std::string_view cell = Cell(col);
        if (written_[std::size_t(col)] && cell != standard) Add(NewCopy(col, cell, standard, partner));
    }

    void WriteText(int col, icalproperty* (*make)(const char*)) {
        const std::string text = PropertyText(Cell(col));
        if (!text.empty()) Add(make(text.c_str()));
        Copy(col, text);
    }

    void WriteEntryDate() {
        std::string standard;
        if (const auto date = ParseDate(Cell(colEntryDate), formats_.Formats)) {
            const icaltimetype created = AsUtc(LocalTime(*date, TTimeOfDay{}, formats_.Zones.Desktop()));
            Add(icalproperty_new_created(created));
            standard = texts_.Date(InDesktopZone(created, formats_.Zones));
        }
        Copy(colEntryDate, standard);
    }

    void WriteStatus() {
        const icalproperty_status status = StatusProperty(StatusOf(Cell(colStatus)));
        if (status != ICAL_STATUS_NONE) Add(icalproperty_new_status(status));
        Copy(colStatus, StatusCell(status));
    }

    void WritePriority() {
        const int priority = PriorityProperty(PriorityOf(Cell(colPriority)));
        if (priority != 0) Add(icalproperty_new_priority(priority));
        Copy(colPriority, priority != 0 ? PriorityCell(priority) : "");
    }

    void WriteDue() {
        std::string date, time;
        if (const auto day = ParseDate(Cell(colDueDate), formats_.Formats)) {
            const std::string_view timeCell = Cell(colDueTime);
            const auto clock = timeCell.empty() ? std::nullopt : ParseTime(timeCell, formats_.Formats);
            const icaltimetype due = LocalTime(*day, clock, formats_.Zones.Desktop());
            icalproperty* property = icalproperty_new_due(due);
            if (due.zone && !icaltime_is_utc(due))
                icalproperty_add_parameter(property, icalparameter_new_tzid(icaltimezone_get_tzid(const_cast<icaltimezone*>(due.zone))));
            Add(property);
            date = texts_.Date(due);
            time = texts_.Time(due);
        }
        Copy(colDueDate, date, time);
        Copy(colDueTime, time, date);
    }

    void WriteResources() {
        const std::string text = PropertyText(Cell(colResources));
        const std::string joined = JoinedResources(SplitResources(text));
        if (!joined.empty()) Add(icalproperty_new_resources(text.c_str()));
        Copy(colResources, joined);
    }

    void WriteProgress() {
        const auto progress = ProgressValue(Cell(colProgress));
        if (progress) Add(icalproperty_new_percentcomplete(*progress));
        Copy(colProgress, progress ? std::to_string(*progress) : "");
    }

    // Other programs take any COMPLETED as done, so only a completed entry
    // has one; the others keep their completion cells in the copies.
    void WriteCompletion() {
        std::string date, time;
        const bool completed = StatusOf(Cell(colStatus)) == TStatus::Completed;
        if (const auto day = completed ? ParseDate(Cell(colCompletionDate), formats_.Formats) : std::nullopt) {
            const auto clock = ParseTime(Cell(colCompletionTime), formats_.Formats);
            const icaltimetype local = LocalTime(*day, clock.value_or(TTimeOfDay{}), formats_.Zones.Desktop());
            const icaltimetype completed = AsUtc(local);
            Add(icalproperty_new_completed(completed));
            const icaltimetype back = InDesktopZone(completed, formats_.Zones);
            date = texts_.Date(back);
            time = texts_.Time(back);
        }
        Copy(colCompletionDate, date, time);
        Copy(colCompletionTime, time, date);
    }

    std::span<const std::string_view> cells_;
    const TWrittenColumns& written_;
    const TTodoFormats& formats_;
    TCellTexts texts_;
    icalcomponent* todo_;
};

int CopyColumn(const char* name) {
    if (!name) return -1;
    for (std::size_t col = 0; col < CopyNames.size(); ++col)
        if (std::string_view(name) == CopyNames[col]) return int(col);
    return -1;
}

template <typename TWanted>
void RemoveProperties(icalcomponent* todo, TWanted wanted) {
    std::vector<icalproperty*> found;
    for (icalproperty* p = icalcomponent_get_first_property(todo, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(todo, ICAL_ANY_PROPERTY))
        if (wanted(p)) found.push_back(p);
    for (icalproperty* p : found) {
        icalcomponent_remove_property(todo, p);
        icalproperty_free(p);
    }
}

}  // namespace

void WriteEntryProperties(std::span<const std::string_view> cells, const TWrittenColumns& written,
                          const TTodoFormats& formats, icalcomponent* todo) {
    TEntryWriter(cells, written, formats, todo).Write();
}

void RemoveEntryProperties(icalcomponent* todo) {
    RemoveProperties(todo, [](icalproperty* p) {
        const icalproperty_kind kind = icalproperty_isa(p);
        if (kind == ICAL_X_PROPERTY) return CopyColumn(icalproperty_get_x_name(p)) >= 0;
        return std::find(EntryProperties.begin(), EntryProperties.end(), kind) != EntryProperties.end();
    });
}

void ReplaceEntryNumber(std::string_view number, icalcomponent* todo) {
    RemoveProperties(todo, [](icalproperty* p) {
        return icalproperty_isa(p) == ICAL_X_PROPERTY && CopyColumn(icalproperty_get_x_name(p)) == colNo;
    });
    icalcomponent_add_property(todo, NewCopy(colNo, number, {}));
}

TEntryCells EntryFromTodo(icalcomponent* todo, const TTodoFormats& formats, std::string_view fileOrder) {
    const TCellTexts texts(formats.Formats);
    TEntryCells cells;
    cells[colNo] = fileOrder;
    std::array<icalproperty*, TaskColumnCount> copies{};
    std::vector<std::string> resources;
    // A date-time property in the desktop's zone, as a date and a time cell.
    const auto readTime = [&](icalproperty* p, int dateCol, int timeCol) {
        const auto t = TimeOf(p, formats.Zones);
        if (!t) return;
        const icaltimetype local = InDesktopZone(*t, formats.Zones);
        cells[std::size_t(dateCol)] = texts.Date(local);
        if (timeCol >= 0) cells[std::size_t(timeCol)] = texts.Time(local);
    };
    for (icalproperty* p = icalcomponent_get_first_property(todo, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(todo, ICAL_ANY_PROPERTY)) {
        const auto text = [](const char* value) { return std::string(value ? value : ""); };
        switch (icalproperty_isa(p)) {
        case ICAL_SUMMARY_PROPERTY: cells[colDescription] = text(icalproperty_get_summary(p)); break;
        case ICAL_DESCRIPTION_PROPERTY: cells[colComment] = text(icalproperty_get_description(p)); break;
        case ICAL_STATUS_PROPERTY: cells[colStatus] = StatusCell(icalproperty_get_status(p)); break;
        case ICAL_PRIORITY_PROPERTY: cells[colPriority] = PriorityCell(icalproperty_get_priority(p)); break;
        case ICAL_PERCENTCOMPLETE_PROPERTY:
            cells[colProgress] = std::to_string(icalproperty_get_percentcomplete(p));
            break;
        case ICAL_RESOURCES_PROPERTY:
            for (std::string& piece : SplitResources(text(icalproperty_get_resources(p))))
                resources.push_back(std::move(piece));
            break;
        case ICAL_DUE_PROPERTY: readTime(p, colDueDate, colDueTime); break;
        case ICAL_CREATED_PROPERTY: readTime(p, colEntryDate, -1); break;
        case ICAL_COMPLETED_PROPERTY: readTime(p, colCompletionDate, colCompletionTime); break;
        case ICAL_X_PROPERTY:
            if (const int col = CopyColumn(icalproperty_get_x_name(p)); col >= 0) copies[std::size_t(col)] = p;
            break;
        default: break;
        }
    }
    cells[colResources] = JoinedResources(resources);
    const TEntryCells standard = cells;
    for (std::size_t col = 0; col < copies.size(); ++col) {
        icalproperty* copy = copies[col];
        if (!copy) continue;
        const int partner = PartnerColumn(int(col));
        const char* of = icalproperty_get_parameter_as_string(copy, CopyOf);
        if (of && of != Fingerprint(standard[col], partner < 0 ? "" : standard[std::size_t(partner)])) continue;
        const char* value = icalproperty_get_x(copy);
        if (auto cell = CellFromCopy(value ? value : "")) cells[col] = std::move(*cell);
    }
    return cells;
}

}  // namespace tkm
