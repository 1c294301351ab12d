#include "tasks/multiple_entries.h"

#include "platform/clock.h"

#include <algorithm>
#include <optional>

namespace tkm::MultipleEntries {

namespace {

// Today and now, read from the clock only when a completion cell needs them.
class TCompletionStamp {
public:
    explicit TCompletionStamp(const TaskTable::TNewEntryContext& context) : context_(context) {}
    const std::string& Date() {
        if (!date_) date_ = FormatDate(context_.TimeSource.Today(), context_.Formats.ShortDateFormat, context_.Formats);
        return *date_;
    }
    const std::string& Time() {
        if (!time_) time_ = FormatTime(context_.TimeSource.Now(), context_.Formats.LongTimeFormat, context_.Formats);
        return *time_;
    }

private:
    const TaskTable::TNewEntryContext& context_;
    std::optional<std::string> date_;
    std::optional<std::string> time_;
};

// Writes the values into the empty cells of columns 1 to 12 (never the number
// or the description) as one row write, then attaches the row's cell objects.
void FillRow(TBaseGrid& grid, int row, const TEntryValues& values, const TaskTable::TNewEntryContext& context) {
    std::array<std::string_view, colComment> cells;
    grid.RowView(row, cells);
    TCompletionStamp stamp(context);
    bool changed = false;
    auto fill = [&](TTaskColumn col, std::string_view value) {
        std::string_view& cell = cells[std::size_t(col)];
        if (!cell.empty()) return;
        cell = value;
        changed = changed || !value.empty();
    };
    fill(colEntryDate, values.EntryDate);
    fill(colStatus, values.Status);
    fill(colPriority, values.Priority);
    fill(colDueDate, values.DueDate);
    fill(colDueTime, values.DueTime);
    fill(colResources, values.Resources);
    fill(colTotalHours, values.TotalHours);
    fill(colCost, values.Cost);
    fill(colProgress, ProgressFor(values.Status));
    if (cells[colCompletionDate].empty()) fill(colCompletionDate, stamp.Date());
    if (cells[colCompletionTime].empty()) fill(colCompletionTime, stamp.Time());
    if (changed) grid.SetRowCells(row, 0, cells);

    // Attaching equal objects again would change nothing, and a long list's
    // rows all carry these: only rows with other objects are touched.
    if (!TaskTable::HasEntryCellObjects(grid, row)) TaskTable::AttachCellObjects(grid, row);
}

}  // namespace

std::string FixedDecimals(std::string_view typed, int decimals, char separator) {
    std::string whole;
    std::string fraction;
    bool inFraction = false;
    for (const char c : typed) {
        if (c >= '0' && c <= '9') (inFraction ? fraction : whole) += c;
        else if (c == separator && !inFraction) inFraction = true;
        else return FixedDecimals("", decimals, separator);
    }
    const bool roundUp = fraction.size() > std::size_t(decimals) && fraction[std::size_t(decimals)] >= '5';
    fraction.resize(std::size_t(decimals), '0');
    std::string digits = whole + fraction;
    if (roundUp) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9') digits[--i] = '0';
        if (i == 0) digits.insert(digits.begin(), '1');
        else ++digits[i - 1];
    }
    std::string integer = digits.substr(0, digits.size() - std::size_t(decimals));
    integer.erase(0, std::min(integer.find_first_not_of('0'), integer.empty() ? 0 : integer.size() - 1));
    if (integer.empty()) integer = "0";
    if (decimals == 0) return integer;
    return integer + separator + digits.substr(digits.size() - std::size_t(decimals));
}

std::string_view ProgressFor(std::string_view status) { return status == "Completed" ? "100" : "0"; }

void AddAtEnd(TBaseGrid& grid, int count, const std::function<TEntryValues()>& readValues,
              const TaskTable::TNewEntryContext& context) {
    for (int i = 0; i < count; ++i) {
        grid.SetRowCount(grid.RowCount() + 1);
        FillRow(grid, grid.RowCount() - 1, readValues(), context);
    }
}

void InsertBefore(TBaseGrid& grid, int row, int count, const TEntryValues& values,
                  const TaskTable::TNewEntryContext& context) {
    // Rows go in among the entries, never above the header row.
    if (row < grid.FixedRows())
        throw EGridError("Cannot insert entries before row " + std::to_string(row));
    grid.InsertRows(row, count);
    for (int r = grid.FixedRows(); r < grid.RowCount(); ++r) FillRow(grid, r, values, context);
}

}  // namespace tkm::MultipleEntries
