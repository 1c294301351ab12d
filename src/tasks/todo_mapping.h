#pragma once

#include "base/date_text.h"
#include "tasks/task_table.h"
#include "tasks/task_vocabulary.h"
#include "tasks/todo_entry.h"

#include <libical/ical.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tkm {

// What the cells become in a to-do and back: shared by the writer of an
// entry's properties and by both of its readers, the one of the library's
// tree and the one of the plain text.
namespace TodoMapping {

// Where a cell travels as it is, by real column.
inline constexpr std::array<const char*, TaskColumnCount> CopyNames{
    "X-TASKMERE-NUMBER",    "X-TASKMERE-ENTRY-DATE", "X-TASKMERE-STATUS",          "X-TASKMERE-TASK",
    "X-TASKMERE-PRIORITY",  "X-TASKMERE-DUE-DATE",   "X-TASKMERE-DUE-TIME",        "X-TASKMERE-RESOURCES",
    "X-TASKMERE-HOURS",     "X-TASKMERE-COST",       "X-TASKMERE-PROGRESS",        "X-TASKMERE-COMPLETION-DATE",
    "X-TASKMERE-COMPLETION-TIME", "X-TASKMERE-COMMENT"};
// The parameter of a copy holding a fingerprint of what the standard
// property gave when the copy was written.
inline constexpr char CopyOf[] = "X-TASKMERE-OF";
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

// The standard properties the cells are written to, by their names.
inline constexpr std::array<std::pair<icalproperty_kind, std::string_view>, 9> OwnedNames{{
    {ICAL_SUMMARY_PROPERTY, "SUMMARY"},
    {ICAL_DESCRIPTION_PROPERTY, "DESCRIPTION"},
    {ICAL_STATUS_PROPERTY, "STATUS"},
    {ICAL_PRIORITY_PROPERTY, "PRIORITY"},
    {ICAL_DUE_PROPERTY, "DUE"},
    {ICAL_CREATED_PROPERTY, "CREATED"},
    {ICAL_COMPLETED_PROPERTY, "COMPLETED"},
    {ICAL_PERCENTCOMPLETE_PROPERTY, "PERCENT-COMPLETE"},
    {ICAL_RESOURCES_PROPERTY, "RESOURCES"},
}};

// The statuses Status cells are written as.
inline constexpr std::array<std::pair<icalproperty_status, std::string_view>, 4> StatusWords{{
    {ICAL_STATUS_NEEDSACTION, "NEEDS-ACTION"},
    {ICAL_STATUS_INPROCESS, "IN-PROCESS"},
    {ICAL_STATUS_COMPLETED, "COMPLETED"},
    {ICAL_STATUS_CANCELLED, "CANCELLED"},
}};

// The column whose copy a property of that name is, or -1.
int CopyColumn(std::string_view name);

// A fingerprint of what a copy's standard property gives, with `partner`
// what the same property gives the other column it fills.
std::string Fingerprint(std::string_view text, std::string_view partner = {});
// A copy keeps the bytes of any cell on one line: controls, "%" and "\" as
// %XX, and every byte above ASCII too when the cell is not UTF-8; readers
// trim values, so blanks at either end too. An empty value would be dropped
// by readers, so an empty cell is a lone "%", which the encoding never
// writes otherwise.
std::string CopyText(std::string_view cell);
// Another program may have written the copy back with text escapes ("\,");
// the copy itself never holds a backslash.
std::optional<std::string> CellFromCopy(std::string_view text);
// Property texts are UTF-8 without control characters other than line
// breaks and tabs, and without blanks at either end, which is what a reader
// gets back.
std::string PropertyText(std::string_view cell);
// Resources are a list: the pieces between commas, without their blanks.
std::string JoinedResources(const std::vector<std::string>& pieces);
std::vector<std::string> SplitResources(std::string_view text);

std::string_view StatusWord(icalproperty_status status);
icalproperty_status StatusProperty(TStatus status);
std::string StatusCell(icalproperty_status status);
int PriorityProperty(TPriority priority);
std::string PriorityCell(int value);
std::optional<int> ProgressValue(std::string_view cell);

// The desktop's wall-clock time of a date and, where given, a time of day.
icaltimetype LocalTime(const TDate& date, const std::optional<TTimeOfDay>& time, icaltimezone* zone);
// Stamps are UTC; without a desktop zone the wall clock is taken as UTC.
icaltimetype AsUtc(icaltimetype local);
icaltimetype InDesktopZone(icaltimetype t, const TCalendarZones& zones);

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

// What a to-do's properties give its cells, whether the library's tree or
// the plain text was read.
class TEntryReading {
public:
    TEntryReading(const TTodoFormats& formats, std::string_view fileOrder);

    void Text(int col, std::string text) { cells_[std::size_t(col)] = std::move(text); }
    void Status(icalproperty_status status) { cells_[colStatus] = StatusCell(status); }
    void Priority(int value) { cells_[colPriority] = PriorityCell(value); }
    void Progress(int value) { cells_[colProgress] = std::to_string(value); }
    void Resources(std::string_view text) {
        for (std::string& piece : SplitResources(text)) resources_.push_back(std::move(piece));
    }
    // A date or date-time in its own zone, as a date and a time cell in the
    // desktop's zone; timeCol -1 for a date cell alone.
    void Time(const icaltimetype& t, int dateCol, int timeCol);
    // `of`: the fingerprint the copy carries, if any. The last copy of a
    // column counts.
    void Copy(int col, std::string value, std::optional<std::string> of) {
        copies_[std::size_t(col)] = TCopy{std::move(value), std::move(of)};
    }

    // The cells; a copy wins over its standard property unless another
    // program changed that property.
    TEntryCells Cells();
    // After Cells: whether No is the to-do's own rather than its file order.
    bool OwnNumber() const { return ownNumber_; }

private:
    struct TCopy {
        std::string Value;
        std::optional<std::string> Of;
    };

    const TTodoFormats& formats_;
    TCellTexts texts_;
    TEntryCells cells_;
    std::vector<std::string> resources_;
    std::array<std::optional<TCopy>, TaskColumnCount> copies_;
    bool ownNumber_ = false;
};

}  // namespace TodoMapping

}  // namespace tkm
