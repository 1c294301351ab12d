#pragma once

#include "base/date_text.h"
#include "base/translatable.h"
#include "grid/base_grid.h"
#include "grid/editor_type.h"
#include "grid/io/sheet_values.h"
#include "grid/shown_words.h"

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace tkm {

class Clock;

// The fourteen columns of the task table, by real column index.
enum TTaskColumn : int {
    colNo = 0,
    colEntryDate,
    colStatus,
    colDescription,
    colPriority,
    colDueDate,
    colDueTime,
    colResources,
    colTotalHours,
    colCost,
    colProgress,
    colCompletionDate,
    colCompletionTime,
    colComment,
    TaskColumnCount
};

namespace TaskTable {

// The file's header line; menus and dialogs show them translated.
constexpr std::array<std::string_view, TaskColumnCount> Headers{
    TKM_TRANSLATE_NOOP("Columns", "No"),          TKM_TRANSLATE_NOOP("Columns", "Entry Date"),
    TKM_TRANSLATE_NOOP("Columns", "Status"),      TKM_TRANSLATE_NOOP("Columns", "Task Description"),
    TKM_TRANSLATE_NOOP("Columns", "Priority"),    TKM_TRANSLATE_NOOP("Columns", "Due Date"),
    TKM_TRANSLATE_NOOP("Columns", "Due Time"),    TKM_TRANSLATE_NOOP("Columns", "Resources"),
    TKM_TRANSLATE_NOOP("Columns", "Total Hours"), TKM_TRANSLATE_NOOP("Columns", "Cost"),
    TKM_TRANSLATE_NOOP("Columns", "Progress"),    TKM_TRANSLATE_NOOP("Columns", "Completion Date"),
    TKM_TRANSLATE_NOOP("Columns", "Completion Time"), TKM_TRANSLATE_NOOP("Columns", "Comment")};
constexpr std::array<int, TaskColumnCount> Widths{40, 80, 80, 280, 100, 80, 80, 280, 70, 70, 70, 100, 100, 248};

// Stored, compared and coloured in English; the window shows them translated.
constexpr std::array<std::string_view, 6> StatusVocabulary{
    TKM_TRANSLATE_NOOP("Vocabulary", "Not Started"), TKM_TRANSLATE_NOOP("Vocabulary", "In Progress"),
    TKM_TRANSLATE_NOOP("Vocabulary", "Pending"),     TKM_TRANSLATE_NOOP("Vocabulary", "Completed"),
    TKM_TRANSLATE_NOOP("Vocabulary", "Cancelled"),   TKM_TRANSLATE_NOOP("Vocabulary", "Postponed")};
constexpr std::array<std::string_view, 5> PriorityVocabulary{
    TKM_TRANSLATE_NOOP("Vocabulary", "Most Important"), TKM_TRANSLATE_NOOP("Vocabulary", "High"),
    TKM_TRANSLATE_NOOP("Vocabulary", "Normal"), TKM_TRANSLATE_NOOP("Vocabulary", "Low"),
    TKM_TRANSLATE_NOOP("Vocabulary", "Lowest")};

constexpr int DefaultRowHeight = 19;
constexpr int DefaultColWidth = 70;
constexpr int ProgressMin = 0;
constexpr int ProgressMax = 100;
constexpr TColor ProgressBarColor = RGBColor(0x33, 0x66, 0x99);

// How a spreadsheet receives the entries: No, Total Hours, Cost and Progress
// as numbers, the dates and times as such, where their texts read so.
TSheetTyping SheetTyping(const TLocaleFormats& formats);

// A stored cell that is one of the table's own words: a column's name in
// the header row, a status or a priority in its column. The window shows and
// prints it translated; the cell keeps it in English.
struct TTableWord {
    const char* Context = nullptr;  // none: the cell is shown as it is stored
    const char* Text = nullptr;
    explicit operator bool() const { return Context != nullptr; }
};
TTableWord TableWord(int realCol, bool heading, std::string_view text);
// The table's own words that the user's language shows otherwise, for
// searches to find them as shown.
std::vector<TShownWord> ShownWords();

// The editor for a cell of the given real column; Normal where the grid's own applies.
TEditorType EditorTypeFor(int col);

// Shapes a fresh grid as the task table: 14 columns, the header row, widths, heights.
void SetUpGrid(TBaseGrid& grid);
void WriteHeaders(TBaseGrid& grid);

// The progress bar and the comment marker every entry row carries.
void AttachCellObjects(TBaseGrid& grid, int row);
// True when the row carries exactly those two, as attaching them again would leave it.
bool HasEntryCellObjects(const TBaseGrid& grid, int row);

struct TNewEntryContext {
    const Clock& TimeSource;
    const TLocaleFormats& Formats;
};

// Writes a new entry's values into the last row and makes its description current.
void FillNewEntry(TBaseGrid& grid, const TNewEntryContext& context);
// Writes a new entry's values into the current row (keeping Resources and the
// Comment text), then makes the last row's description current.
void ResetCurrentEntry(TBaseGrid& grid, const TNewEntryContext& context);
void Renumber(TBaseGrid& grid);

}  // namespace TaskTable
}  // namespace tkm
