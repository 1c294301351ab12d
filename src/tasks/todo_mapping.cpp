#include "tasks/todo_mapping.h"

#include "base/percent_encoding.h"
#include "base/windows_1252.h"
#include "tasks/calendar_zones.h"

#include <algorithm>
#include <charconv>
#include <cstdint>

namespace tkm::TodoMapping {

int CopyColumn(std::string_view name) {
    for (std::size_t col = 0; col < CopyNames.size(); ++col)
        if (name == CopyNames[col]) return int(col);
    return -1;
}


std::string Fingerprint(std::string_view text, std::string_view partner) {
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

std::string_view StatusWord(icalproperty_status status) {
    for (const auto& [known, word] : StatusWords)
        if (known == status) return word;
    return {};
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
    // A time in a zone of the desktop's name is on the desktop's clock: by way
    // of UTC, a time the clocks skip would move by an hour.
    if (zones.IsDesktopZone(t.zone)) {
        t.zone = zones.Desktop();
        return t;
    }
    return icaltime_convert_to_zone(t, zones.Desktop());
}

TEntryReading::TEntryReading(const TTodoFormats& formats, std::string_view fileOrder)
    : formats_(formats), texts_(formats.Formats) {
    cells_[colNo] = fileOrder;
}

void TEntryReading::Time(const icaltimetype& t, int dateCol, int timeCol) {
    const icaltimetype local = InDesktopZone(t, formats_.Zones);
    cells_[std::size_t(dateCol)] = texts_.Date(local);
    if (timeCol >= 0) cells_[std::size_t(timeCol)] = texts_.Time(local);
}

TEntryCells TEntryReading::Cells() {
    cells_[colResources] = JoinedResources(resources_);
    const TEntryCells standard = cells_;
    for (std::size_t col = 0; col < copies_.size(); ++col) {
        const std::optional<TCopy>& copy = copies_[col];
        if (!copy) continue;
        const int partner = PartnerColumn(int(col));
        if (copy->Of && *copy->Of != Fingerprint(standard[col], partner < 0 ? "" : standard[std::size_t(partner)]))
            continue;
        if (auto cell = CellFromCopy(copy->Value)) {
            cells_[col] = std::move(*cell);
            if (col == colNo) ownNumber_ = true;
        }
    }
    return std::move(cells_);
}

}  // namespace tkm::TodoMapping
