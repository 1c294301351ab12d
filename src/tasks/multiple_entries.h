#pragma once

#include "tasks/task_table.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace tkm {

// The values Add Multiple Entries gives every entry it makes, as typed once.
struct TEntryValues {
    std::string EntryDate;
    std::string Status{TaskTable::StatusVocabulary[0]};
    std::string Priority{"Normal"};
    std::string DueDate;
    std::string DueTime;
    std::string Resources;
    std::string TotalHours{"0.0"};
    std::string Cost{"0.00"};
};

namespace MultipleEntries {

// The counts on offer, and the one chosen at first.
constexpr std::array<int, 21> CountChoices{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 100};
constexpr int InitialCount = 3;

// An unsigned decimal number as its edit shows it: `decimals` places after the
// separator, rounded half up; empty or unreadable text is 0. "0" gives "0.0".
std::string FixedDecimals(std::string_view typed, int decimals, char separator);

// A new entry's progress: complete only when its status is exactly "Completed".
std::string_view ProgressFor(std::string_view status);

// Adds `count` entries after the last row, one row at a time, each reading the
// values and the clock afresh. A failure leaves the rows added before it.
void AddAtEnd(TBaseGrid& grid, int count, const std::function<TEntryValues()>& readValues,
              const TaskTable::TNewEntryContext& context);

// Inserts `count` empty rows before the entry row `row`, then gives the empty
// cells of every entry row, old ones too, the values, and every entry row a
// fresh progress bar and comment marker. A failure leaves the rows filled so far.
void InsertBefore(TBaseGrid& grid, int row, int count, const TEntryValues& values,
                  const TaskTable::TNewEntryContext& context);

}  // namespace MultipleEntries
}  // namespace tkm
