#include "tasks/todo_entry.h"

#include "tasks/calendar_zones.h"
#include "tasks/content_line.h"
#include "tasks/todo_mapping.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <vector>

namespace tkm {

using namespace TodoMapping;

namespace {

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
std::string CopyLine(int col, std::string_view cell, std::string_view standard = {}, std::string_view partner = {}) {
    std::string line = CopyNames[std::size_t(col)];
    if (HasStandardProperty(col)) {
        line += ';';
        line += CopyOf;
        line += '=';
        line += Fingerprint(standard, partner);
    }
    line += ':';
    line += CopyText(cell);
    return line;
}

// The property of one of the writer's lines.
icalproperty* NewProperty(std::string_view line) {
    icalproperty* property = icalproperty_new_from_string(std::string(line).c_str());
    // The library takes only the first piece of a list from a line; the
    // writer's escapes are its own, so the whole list is at hand.
    constexpr std::string_view Resources = "RESOURCES:";
    if (property && line.starts_with(Resources))
        if (const auto text = UnescapedText(line.substr(Resources.size())))
            icalproperty_set_resources(property, text->c_str());
    return property;
}

// A date or date-time value as the library writes it.
void AppendTimeValue(const icaltimetype& t, std::string& out) {
    const auto digits = [&](int value, int count) {
        char text[4];
        for (int i = count - 1; i >= 0; --i, value /= 10) text[i] = char('0' + value % 10);
        out.append(text, std::size_t(count));
    };
    digits(t.year, 4);
    digits(t.month, 2);
    digits(t.day, 2);
    if (t.is_date) return;
    out += 'T';
    digits(t.hour, 2);
    digits(t.minute, 2);
    digits(t.second, 2);
    if (icaltime_is_utc(t)) out += 'Z';
}

using TLineSink = std::function<void(std::string_view line)>;

// Makes the content lines of an entry's properties, unfolded, one at a time.
class TEntryWriter {
public:
    TEntryWriter(std::span<const std::string_view> cells, const TWrittenColumns& written, const TTodoFormats& formats,
                 const TLineSink& sink)
        : cells_(cells), written_(written), formats_(formats), texts_(formats.Formats), sink_(sink) {}

    void Write() {
        // The number always travels: an empty one is not the file order's.
        if (written_[colNo]) sink_(CopyLine(colNo, Cell(colNo)));
        WriteEntryDate();
        WriteStatus();
        WriteText(colDescription, "SUMMARY:");
        WritePriority();
        WriteDue();
        WriteResources();
        Copy(colTotalHours);
        Copy(colCost);
        WriteProgress();
        WriteCompletion();
        WriteText(colComment, "DESCRIPTION:");
    }

private:
    // Hidden columns are left out: as if empty, and never copied.
    std::string_view Cell(int col) const {
        return written_[std::size_t(col)] && std::size_t(col) < cells_.size() ? cells_[std::size_t(col)] : "";
    }

    void Copy(int col, std::string_view standard = {}, std::string_view partner = {}) {
        const std::string_view cell = Cell(col);
        if (written_[std::size_t(col)] && cell != standard) sink_(CopyLine(col, cell, standard, partner));
    }

    void WriteText(int col, std::string_view name) {
        const std::string text = PropertyText(Cell(col));
        if (!text.empty()) {
            line_.assign(name);
            AppendEscapedText(text, false, line_);
            sink_(line_);
        }
        Copy(col, text);
    }

    void WriteTime(std::string_view name, const icaltimetype& t) {
        line_.assign(name);
        if (t.is_date) {
            line_ += ";VALUE=DATE";
        } else if (t.zone && !icaltime_is_utc(t)) {
            line_ += ";TZID=";
            line_ += icaltimezone_get_tzid(const_cast<icaltimezone*>(t.zone));
        }
        line_ += ':';
        AppendTimeValue(t, line_);
        sink_(line_);
    }

    void WriteNumber(std::string_view name, int value) {
        line_.assign(name);
        line_ += std::to_string(value);
        sink_(line_);
    }

    void WriteEntryDate() {
        std::string standard;
        if (const auto date = ParseDate(Cell(colEntryDate), formats_.Formats)) {
            const icaltimetype created = AsUtc(LocalTime(*date, TTimeOfDay{}, formats_.Zones.Desktop()));
            WriteTime("CREATED", created);
            standard = texts_.Date(InDesktopZone(created, formats_.Zones));
        }
        Copy(colEntryDate, standard);
    }

    void WriteStatus() {
        const icalproperty_status status = StatusProperty(StatusOf(Cell(colStatus)));
        if (status != ICAL_STATUS_NONE) {
            line_.assign("STATUS:");
            line_ += StatusWord(status);
            sink_(line_);
        }
        Copy(colStatus, StatusCell(status));
    }

    void WritePriority() {
        const int priority = PriorityProperty(PriorityOf(Cell(colPriority)));
        if (priority != 0) WriteNumber("PRIORITY:", priority);
        Copy(colPriority, priority != 0 ? PriorityCell(priority) : "");
    }

    void WriteDue() {
        std::string date, time;
        if (const auto day = ParseDate(Cell(colDueDate), formats_.Formats)) {
            const std::string_view timeCell = Cell(colDueTime);
            const auto clock = timeCell.empty() ? std::nullopt : ParseTime(timeCell, formats_.Formats);
            const icaltimetype due = LocalTime(*day, clock, formats_.Zones.Desktop());
            WriteTime("DUE", due);
            date = texts_.Date(due);
            time = texts_.Time(due);
        }
        Copy(colDueDate, date, time);
        Copy(colDueTime, time, date);
    }

    void WriteResources() {
        const std::string text = PropertyText(Cell(colResources));
        const std::string joined = JoinedResources(SplitResources(text));
        if (!joined.empty()) {
            line_.assign("RESOURCES:");
            AppendEscapedText(text, true, line_);
            sink_(line_);
        }
        Copy(colResources, joined);
    }

    void WriteProgress() {
        const auto progress = ProgressValue(Cell(colProgress));
        if (progress) WriteNumber("PERCENT-COMPLETE:", *progress);
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
            WriteTime("COMPLETED", completed);
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
    const TLineSink& sink_;
    std::string line_;
};

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

// The column whose copy the property is, or -1.
int CopyColumnOf(icalproperty* p) {
    if (icalproperty_isa(p) != ICAL_X_PROPERTY) return -1;
    const char* name = icalproperty_get_x_name(p);
    return name ? CopyColumn(name) : -1;
}

}  // namespace

void AppendEntryLines(std::span<const std::string_view> cells, const TWrittenColumns& written,
                      const TTodoFormats& formats, std::string& out) {
    const TLineSink sink = [&](std::string_view line) { AppendFoldedLine(line, out); };
    TEntryWriter(cells, written, formats, sink).Write();
}

void WriteEntryProperties(std::span<const std::string_view> cells, const TWrittenColumns& written,
                          const TTodoFormats& formats, icalcomponent* todo) {
    const TLineSink sink = [&](std::string_view line) { icalcomponent_add_property(todo, NewProperty(line)); };
    TEntryWriter(cells, written, formats, sink).Write();
}

std::string ComponentText(icalcomponent* component) {
    char* text = icalcomponent_as_ical_string_r(component);
    std::string out(text ? text : "");
    std::free(text);
    return WithListSemicolonsEscaped(std::move(out));
}

void RemoveEntryProperties(icalcomponent* todo) {
    RemoveProperties(todo, [](icalproperty* p) {
        const icalproperty_kind kind = icalproperty_isa(p);
        if (kind == ICAL_X_PROPERTY) return CopyColumnOf(p) >= 0;
        return std::any_of(OwnedNames.begin(), OwnedNames.end(), [&](const auto& owned) { return owned.first == kind; });
    });
}

void ReplaceEntryNumber(std::string_view number, icalcomponent* todo) {
    RemoveProperties(todo, [](icalproperty* p) { return CopyColumnOf(p) == colNo; });
    icalcomponent_add_property(todo, NewProperty(CopyLine(colNo, number)));
}

std::string WithEntryNumber(std::string_view text, std::string_view number) {
    // Before the END line, the last one.
    std::string_view body = text;
    while (!body.empty() && (body.back() == '\n' || body.back() == '\r')) body.remove_suffix(1);
    const std::size_t endLine = body.rfind('\n') + 1;
    std::string out(text.substr(0, endLine));
    AppendFoldedLine(CopyLine(colNo, number), out);
    out += text.substr(endLine);
    return out;
}

TEntryCells EntryFromTodo(icalcomponent* todo, const TTodoFormats& formats, std::string_view fileOrder,
                          bool* ownNumber) {
    TEntryReading reading(formats, fileOrder);
    const auto text = [](const char* value) { return std::string(value ? value : ""); };
    for (icalproperty* p = icalcomponent_get_first_property(todo, ICAL_ANY_PROPERTY); p;
         p = icalcomponent_get_next_property(todo, ICAL_ANY_PROPERTY)) {
        const auto time = [&](int dateCol, int timeCol) {
            if (const auto t = TimeOf(p, formats.Zones)) reading.Time(*t, dateCol, timeCol);
        };
        switch (icalproperty_isa(p)) {
        case ICAL_SUMMARY_PROPERTY: reading.Text(colDescription, text(icalproperty_get_summary(p))); break;
        case ICAL_DESCRIPTION_PROPERTY: reading.Text(colComment, text(icalproperty_get_description(p))); break;
        case ICAL_STATUS_PROPERTY: reading.Status(icalproperty_get_status(p)); break;
        case ICAL_PRIORITY_PROPERTY: reading.Priority(icalproperty_get_priority(p)); break;
        case ICAL_PERCENTCOMPLETE_PROPERTY: reading.Progress(icalproperty_get_percentcomplete(p)); break;
        case ICAL_RESOURCES_PROPERTY: reading.Resources(text(icalproperty_get_resources(p))); break;
        case ICAL_DUE_PROPERTY: time(colDueDate, colDueTime); break;
        case ICAL_CREATED_PROPERTY: time(colEntryDate, -1); break;
        case ICAL_COMPLETED_PROPERTY: time(colCompletionDate, colCompletionTime); break;
        case ICAL_X_PROPERTY:
            if (const int col = CopyColumnOf(p); col >= 0) {
                const char* of = icalproperty_get_parameter_as_string(p, CopyOf);
                reading.Copy(col, text(icalproperty_get_x(p)), of ? std::optional<std::string>(of) : std::nullopt);
            }
            break;
        default: break;
        }
    }
    TEntryCells cells = reading.Cells();
    if (ownNumber) *ownNumber = reading.OwnNumber();
    return cells;
}

}  // namespace tkm
