#include "tasks/recovery_file.h"

#include "base/percent_encoding.h"
#include "base/translatable.h"
#include "grid/io/csv_writer.h"
#include "tasks/document_name.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace tkm {

namespace {

constexpr std::string_view Signature = "Taskmere recovery\r\n";
constexpr std::string_view DocumentKey = "Document=";
constexpr std::string_view WrittenKey = "Written=";
constexpr std::string_view UnsavedPrefix = "unsaved-";
constexpr std::string_view DeclinedPrefix = "declined-";
constexpr std::string_view Extension = ".recovery";
constexpr std::string_view LockExtension = ".lock";

// The next CR LF-ended line after `key`, moving `rest` past it.
std::optional<std::string_view> TakeLine(std::string_view& rest, std::string_view key) {
    const auto end = rest.find("\r\n");
    if (end == std::string_view::npos || !rest.starts_with(key)) return std::nullopt;
    const std::string_view value = rest.substr(key.size(), end - key.size());
    rest.remove_prefix(end + 2);
    return value;
}

// Reads the fields of "yyyy-mm-dd hh:nn:ss" (or "yyyymmdd" with no separators).
std::optional<std::vector<int>> Numbers(std::string_view text, std::span<const int> widths, std::string_view separators) {
    std::vector<int> numbers;
    std::size_t at = 0;
    for (std::size_t i = 0; i < widths.size(); ++i) {
        if (i > 0 && !separators.empty()) {
            if (at >= text.size() || text[at] != separators[i - 1]) return std::nullopt;
            ++at;
        }
        int value = 0;
        const char* first = text.data() + at;
        const char* last = first + std::min<std::size_t>(widths[i], text.size() - at);
        const auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != first + widths[i]) return std::nullopt;
        numbers.push_back(value);
        at += widths[i];
    }
    if (at != text.size()) return std::nullopt;
    return numbers;
}

std::string_view Stem(std::string_view name) { return name.substr(0, name.size() - Extension.size()); }

}  // namespace

std::string RecoveryFolderPath(const char* stateHome, const char* home) {
    if (stateHome && stateHome[0] == '/') return std::string(stateHome) + "/Taskmere";
    if (home && home[0] == '/') return std::string(home) + "/.local/state/Taskmere";
    return {};
}

std::string RecoveryHeader(const TRecoveryRecord& record) {
    char written[32];
    std::snprintf(written, sizeof written, "%04d-%02d-%02d %02d:%02d:%02d", record.Date.Year, record.Date.Month,
                  record.Date.Day, record.Time.Hour, record.Time.Minute, record.Time.Second);
    // The name is encoded so that no line break in it can end its line.
    return std::string(Signature) + std::string(DocumentKey) + PercentEncoded(record.DocumentName, "/._- ") +
           "\r\n" + std::string(WrittenKey) + written + "\r\n\r\n";
}

std::optional<TRecoveryContent> ReadRecoveryContent(std::string_view bytes) {
    if (!bytes.starts_with(Signature)) return std::nullopt;
    std::string_view rest = bytes.substr(Signature.size());
    const auto name = TakeLine(rest, DocumentKey);
    const auto written = TakeLine(rest, WrittenKey);
    if (!name || !written || !rest.starts_with("\r\n")) return std::nullopt;
    auto documentName = PercentDecoded(*name);
    static constexpr int Widths[] = {4, 2, 2, 2, 2, 2};
    const auto fields = Numbers(*written, Widths, "-- ::");
    if (!documentName || !fields) return std::nullopt;
    const auto& f = *fields;
    TRecoveryContent content{{std::move(*documentName), {f[0], f[1], f[2]}, {f[3], f[4], f[5]}}, rest.substr(2)};
    if (!content.Record.Date.IsValid() || f[3] > 23 || f[4] > 59 || f[5] > 59) return std::nullopt;
    return content;
}

void WriteRecoveryFile(const std::string& fileName, const TRecoveryRecord& record, const TBaseGrid& table) {
    WriteExportFile(fileName, [&](const TByteSink& sink) {
        sink(RecoveryHeader(record));
        WriteCsv(table, {}, sink);
    });
}

std::string RecoveryQuestion(const TRecoveryRecord& record, const TLocaleFormats& formats) {
    return FillText(TKM_TR("Recovery",
                           "Taskmere was not closed properly. Restore the unsaved changes of %1 from %2 %3?"),
                    {DocumentShownName(record.DocumentName), FormatDate(record.Date, formats.ShortDateFormat, formats),
                     FormatTime(record.Time, formats.LongTimeFormat, formats)});
}

namespace RecoveryNames {

std::string Unsaved(std::string_view instanceId) {
    return std::string(UnsavedPrefix) + std::string(instanceId) + std::string(Extension);
}

std::string LockOf(std::string_view unsavedName) { return std::string(Stem(unsavedName)) + std::string(LockExtension); }

std::string Declined(std::string_view unsavedName, TDate today) {
    char day[16];
    std::snprintf(day, sizeof day, "%04d%02d%02d-", today.Year, today.Month, today.Day);
    return std::string(DeclinedPrefix) + day + std::string(unsavedName.substr(UnsavedPrefix.size()));
}

std::vector<std::string> UnsavedAmong(std::span<const std::string> names) {
    std::vector<std::string> unsaved;
    for (const std::string& name : names)
        if (name.starts_with(UnsavedPrefix) && name.ends_with(Extension) &&
            name.size() > UnsavedPrefix.size() + Extension.size())
            unsaved.push_back(name);
    std::sort(unsaved.begin(), unsaved.end());
    return unsaved;
}

std::vector<std::string> LonelyLocksAmong(std::span<const std::string> names) {
    std::vector<std::string> lonely;
    for (const std::string& name : names) {
        if (!name.starts_with(UnsavedPrefix) || !name.ends_with(LockExtension)) continue;
        const std::string unsaved = name.substr(0, name.size() - LockExtension.size()) + std::string(Extension);
        if (std::find(names.begin(), names.end(), unsaved) == names.end()) lonely.push_back(name);
    }
    return lonely;
}

std::vector<std::string> ExpiredAmong(std::span<const std::string> names, TDate today) {
    std::vector<std::string> expired;
    for (const std::string& name : names) {
        if (!name.starts_with(DeclinedPrefix) || !name.ends_with(Extension)) continue;
        static constexpr int Widths[] = {4, 2, 2};
        const std::string_view day = std::string_view(name).substr(DeclinedPrefix.size(), 8);
        const auto fields = Numbers(day, Widths, "");
        const TDate declined = fields ? TDate{(*fields)[0], (*fields)[1], (*fields)[2]} : TDate{};
        if (!fields || !declined.IsValid() || today.DayNumber() - declined.DayNumber() >= DaysKeptAside)
            expired.push_back(name);
    }
    return expired;
}

}  // namespace RecoveryNames

}  // namespace tkm
