#include "tasks/task_table.h"

#include "platform/clock.h"

#include <charconv>
#include <string>

namespace tkm::TaskTable {

namespace {

// The columns a new entry and a reset entry share.
void WriteEntryValues(TBaseGrid& grid, int row, const TNewEntryContext& context) {
    const std::string today = FormatDate(context.TimeSource.Today(), context.Formats.ShortDateFormat, context.Formats);
    const std::string now = FormatTime(context.TimeSource.Now(), context.Formats.LongTimeFormat, context.Formats);
    grid.SetCellText(colEntryDate, row, today);
    grid.SetCellText(colStatus, row, StatusVocabulary[0]);
    grid.SetCellText(colPriority, row, "Normal");
    grid.SetCellText(colDueDate, row, today);
    grid.SetCellText(colDueTime, row, now);
    // In the locale's writing, as typed numbers are.
    const char decimal = context.Formats.DecimalSeparator;
    grid.SetCellText(colTotalHours, row, std::string{'0', decimal, '0'});
    grid.SetCellText(colCost, row, std::string{'0', decimal, '0', '0'});
    grid.AddProgressBar(colProgress, row, ProgressBarColor, clWindow, clWindow, clWindowText);
    grid.SetCellInteger(colProgress, row, 0);
    grid.SetCellText(colCompletionDate, row, today);
    grid.SetCellText(colCompletionTime, row, now);
}

template <std::size_t N>
TTableWord WordIn(const std::array<std::string_view, N>& words, const char* context, std::string_view text) {
    for (const std::string_view word : words)
        if (word == text) return {context, word.data()};
    return {};
}

}  // namespace

TTableWord TableWord(int realCol, bool heading, std::string_view text) {
    if (heading) {
        // A renamed heading is the user's own text.
        if (realCol < 0 || realCol >= TaskColumnCount) return {};
        const std::string_view own = Headers[std::size_t(realCol)];
        return text == own ? TTableWord{"Columns", own.data()} : TTableWord{};
    }
    if (realCol == colStatus) return WordIn(StatusVocabulary, "Vocabulary", text);
    if (realCol == colPriority) return WordIn(PriorityVocabulary, "Vocabulary", text);
    return {};
}

std::vector<TShownWord> ShownWords() {
    std::vector<TShownWord> words;
    const auto add = [&](int col, bool heading, const char* context, std::string_view word) {
        std::string shown = TranslatedText(context, word.data());
        if (shown != word) words.push_back({col, heading, std::string(word), std::move(shown)});
    };
    for (int col = 0; col < TaskColumnCount; ++col) add(col, true, "Columns", Headers[std::size_t(col)]);
    for (const std::string_view word : StatusVocabulary) add(colStatus, false, "Vocabulary", word);
    for (const std::string_view word : PriorityVocabulary) add(colPriority, false, "Vocabulary", word);
    return words;
}

TSheetTyping SheetTyping(const TLocaleFormats& formats) {
    TSheetTyping typing{std::vector<TSheetValueType>(TaskColumnCount, TSheetValueType::Text), formats};
    for (const int col : {colNo, colTotalHours, colCost, colProgress})
        typing.Columns[std::size_t(col)] = TSheetValueType::Number;
    for (const int col : {colEntryDate, colDueDate, colCompletionDate})
        typing.Columns[std::size_t(col)] = TSheetValueType::Date;
    for (const int col : {colDueTime, colCompletionTime}) typing.Columns[std::size_t(col)] = TSheetValueType::Time;
    return typing;
}

TEditorType EditorTypeFor(int col) {
    switch (col) {
    case colStatus:
    case colPriority: return TEditorType::ComboList;
    case colEntryDate:
    case colDueDate:
    case colCompletionDate: return TEditorType::DatePicker;
    case colDueTime:
    case colCompletionTime: return TEditorType::TimePicker;
    case colTotalHours:
    case colCost: return TEditorType::Number;
    case colProgress: return TEditorType::SpinEdit;
    default: return TEditorType::Normal;
    }
}

void SetUpGrid(TBaseGrid& grid) {
    grid.SetFixedRows(1);
    grid.SetFixedCols(0);
    grid.SetColCount(TaskColumnCount);
    grid.SetRowCount(2);
    grid.SetDefaultRowHeight(DefaultRowHeight);
    grid.SetDefaultColWidth(DefaultColWidth);
    for (int c = 0; c < TaskColumnCount; ++c) grid.SetColWidth(c, Widths[std::size_t(c)]);
    WriteHeaders(grid);
    grid.SetCurrentCell(0, 1);
    grid.SetTopRow(1);
}

void WriteHeaders(TBaseGrid& grid) {
    for (int c = 0; c < TaskColumnCount; ++c) grid.SetCellText(c, 0, Headers[std::size_t(c)]);
}

void AttachCellObjects(TBaseGrid& grid, int row) {
    grid.AddProgressBar(colProgress, row, ProgressBarColor, clWindow, clWindow, clWindowText);
    grid.AddComment(colComment, row, "");
}

bool HasEntryCellObjects(const TBaseGrid& grid, int row) {
    static const TCellGraphic progressBar =
        TCellGraphic::ProgressBar(ProgressBarColor, clWindow, clWindow, clWindowText);
    static const TCellGraphic comment = TCellGraphic::Comment("");
    const TCellGraphic* bar = grid.CellObject(colProgress, row);
    const TCellGraphic* marker = grid.CellObject(colComment, row);
    return bar && *bar == progressBar && marker && *marker == comment;
}

void FillNewEntry(TBaseGrid& grid, const TNewEntryContext& context) {
    const int row = grid.RowCount() - 1;
    grid.SetCellText(colNo, row, std::to_string(row));
    WriteEntryValues(grid, row, context);
    grid.SetCellText(colComment, row, "");
    grid.AddComment(colComment, row, "");
    grid.SetCurrentCell(colDescription, row);
}

void ResetCurrentEntry(TBaseGrid& grid, const TNewEntryContext& context) {
    const int row = grid.Row();
    grid.SetCellText(colNo, row, std::to_string(grid.RowCount() - 1));
    WriteEntryValues(grid, row, context);
    grid.AddComment(colComment, row, "");
    grid.SetCellText(colDescription, row, "");
    grid.SetCurrentCell(colDescription, grid.RowCount() - 1);
}

void Renumber(TBaseGrid& grid) {
    // A long list is renumbered after every Add Multiple Entries: no string per row.
    char digits[16];
    for (int r = 1; r < grid.RowCount(); ++r) {
        const char* end = std::to_chars(digits, digits + sizeof digits, r).ptr;
        grid.SetCellText(colNo, r, std::string_view(digits, std::size_t(end - digits)));
    }
}

}  // namespace tkm::TaskTable
