#include "tasks/todo_entry.h"

#include "tasks/calendar_zones.h"
#include "tasks/content_line.h"
#include "tasks/todo_mapping.h"

#include <algorithm>
#include <vector>

namespace tkm {

using namespace TodoMapping;

namespace {

// Reads the properties Taskmere owns straight from a to-do's text. Whatever
// the library might read otherwise than this plain reading would (escapes,
// quoting, lower-case names, values out of range, control bytes) makes it
// give up, and the library reads the to-do instead.
class TTodoTextReader {
public:
    TTodoTextReader(std::string_view text, const TTodoFormats& formats, std::string_view fileOrder)
        : lines_(text), zones_(formats.Zones), reading_(formats, fileOrder) {}

    std::optional<TEntryCells> Read(bool* ownNumber) {
        std::string_view line;
        if (!lines_.Next(line) || line != "BEGIN:VTODO") return std::nullopt;
        // The components open around the line, the to-do's own included.
        std::vector<std::string> open{"VTODO"};
        while (!open.empty()) {
            if (!lines_.Next(line)) return std::nullopt;
            const std::string_view name = ContentLineName(line);
            if (name.empty() || !std::all_of(name.begin(), name.end(), IsUpperNameChar)) return std::nullopt;
            if (name == "BEGIN" || name == "END") {
                const auto plain = PlainContentLine(line);
                if (!plain || plain->ParameterCount ||
                    !std::all_of(plain->Value.begin(), plain->Value.end(), IsUpperNameChar))
                    return std::nullopt;
                if (name == "BEGIN") open.emplace_back(plain->Value);
                else if (open.back() == plain->Value) open.pop_back();
                else return std::nullopt;
            } else if (open.size() == 1 && !Property(name, line)) {
                return std::nullopt;
            }
        }
        // Nothing after the to-do's END line.
        if (lines_.Next(line) || !lines_.Plain()) return std::nullopt;
        TEntryCells cells = reading_.Cells();
        if (ownNumber) *ownNumber = reading_.OwnNumber();
        return cells;
    }

private:
    static bool IsUpperNameChar(char c) { return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-'; }

    // False for a property of Taskmere's the plain reading cannot be sure of.
    bool Property(std::string_view name, std::string_view text) {
        const int copy = name.starts_with("X-TASKMERE-") ? CopyColumn(name) : -1;
        const auto property = std::find_if(OwnedNames.begin(), OwnedNames.end(),
                                           [&](const auto& owned) { return owned.second == name; });
        if (copy < 0 && property == OwnedNames.end()) return true;
        const auto line = PlainContentLine(text);
        if (!line) return false;
        if (copy >= 0) return Copy(copy, *line);
        switch (property->first) {
        case ICAL_SUMMARY_PROPERTY: return Text(colDescription, *line);
        case ICAL_DESCRIPTION_PROPERTY: return Text(colComment, *line);
        case ICAL_STATUS_PROPERTY: return Status(*line);
        case ICAL_PRIORITY_PROPERTY: return Number(*line, 1, [&](int n) { reading_.Priority(n); });
        case ICAL_PERCENTCOMPLETE_PROPERTY: return Number(*line, 3, [&](int n) { reading_.Progress(n); });
        case ICAL_RESOURCES_PROPERTY: return List(*line);
        case ICAL_DUE_PROPERTY: return Time(*line, colDueDate, colDueTime);
        case ICAL_CREATED_PROPERTY: return Time(*line, colEntryDate, -1);
        case ICAL_COMPLETED_PROPERTY: return Time(*line, colCompletionDate, colCompletionTime);
        default: return false;
        }
    }

    bool Text(int col, const TContentLine& line) {
        if (line.ParameterCount) return false;
        auto text = UnescapedText(line.Value);
        if (!text) return false;
        reading_.Text(col, std::move(*text));
        return true;
    }

    // The library splits a list at its unescaped commas; the pieces are
    // split at every comma when they become the cell, so the escapes of the
    // whole value can go first.
    bool List(const TContentLine& line) {
        if (line.ParameterCount) return false;
        const auto text = UnescapedText(line.Value);
        if (!text) return false;
        reading_.Resources(*text);
        return true;
    }

    bool Status(const TContentLine& line) {
        if (line.ParameterCount) return false;
        for (const auto& [status, word] : StatusWords) {
            if (line.Value != word) continue;
            reading_.Status(status);
            return true;
        }
        return false;
    }

    // A whole number of at most `most` digits without leading zeros.
    template <typename TTake>
    bool Number(const TContentLine& line, std::size_t most, TTake take) {
        const std::string_view digits = line.Value;
        if (line.ParameterCount || digits.size() > most || (digits.size() > 1 && digits[0] == '0')) return false;
        int value = 0;
        for (const char c : digits) {
            if (c < '0' || c > '9') return false;
            value = value * 10 + (c - '0');
        }
        take(value);
        return true;
    }

    bool Time(const TContentLine& line, int dateCol, int timeCol) {
        const std::string_view value = line.Value;
        const auto kind = line.Parameter("VALUE");
        const auto tzid = line.Parameter("TZID");
        if (line.ParameterCount != int(kind.has_value()) + int(tzid.has_value())) return false;
        const bool isDate = value.size() == 8;
        if (!isDate && !(value.size() == 15 || (value.size() == 16 && value.back() == 'Z'))) return false;
        if (kind && *kind != (isDate ? "DATE" : "DATE-TIME")) return false;
        icaltimetype t = icaltime_null_time();
        const auto field = [&](std::size_t at, std::size_t count, int least, int most, int& out) {
            int n = 0;
            for (std::size_t i = at; i < at + count; ++i) {
                if (value[i] < '0' || value[i] > '9') return false;
                n = n * 10 + (value[i] - '0');
            }
            out = n;
            return n >= least && n <= most;
        };
        if (!field(0, 4, 1, 3000, t.year) || !field(4, 2, 1, 12, t.month) ||
            !field(6, 2, 1, icaltime_days_in_month(t.month, t.year), t.day))
            return false;
        t.is_date = isDate;
        if (!isDate) {
            if (value[8] != 'T' || !field(9, 2, 0, 23, t.hour) || !field(11, 2, 0, 59, t.minute) ||
                !field(13, 2, 0, 59, t.second))
                return false;
            if (value.size() == 16) t.zone = icaltimezone_get_utc_timezone();
            else if (tzid) t.zone = zones_.Find(*tzid);
        }
        reading_.Time(t, dateCol, timeCol);
        return true;
    }

    bool Copy(int col, const TContentLine& line) {
        const auto of = line.Parameter(CopyOf);
        if (line.ParameterCount != int(of.has_value()) || line.Value.find('\\') != std::string_view::npos)
            return false;
        reading_.Copy(col, std::string(line.Value), of ? std::optional<std::string>(*of) : std::nullopt);
        return true;
    }

    TContentLineReader lines_;
    const TCalendarZones& zones_;
    TEntryReading reading_;
};

}  // namespace

std::optional<TEntryCells> EntryFromTodoText(std::string_view text, const TTodoFormats& formats,
                                             std::string_view fileOrder, bool* ownNumber) {
    return TTodoTextReader(text, formats, fileOrder).Read(ownNumber);
}

}  // namespace tkm
