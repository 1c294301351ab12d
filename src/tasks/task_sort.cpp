#include "tasks/task_sort.h"

#include "grid/grid_sorter.h"
#include "tasks/task_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <span>

namespace tkm {

namespace {

// Keys start with a control byte, so that the sort reads them as plain texts,
// never as numbers or dates: 1 for a known value, 2 for every other text.
constexpr char Known = '\x01';
constexpr char Other = '\x02';

std::string VocabularyKey(std::string_view text, std::span<const std::string_view> vocabulary) {
    const auto found = std::find(vocabulary.begin(), vocabulary.end(), text);
    if (found == vocabulary.end()) return Other + std::string(text);
    return {Known, char('A' + (found - vocabulary.begin()))};
}

// Empty times stay first, as an empty text sorts.
std::string TimeKey(std::string_view text, const TLocaleFormats& formats) {
    if (text.empty()) return {};
    const auto time = ParseTime(text, formats);
    if (!time) return Other + std::string(text);
    std::array<char, 8> digits{};
    std::snprintf(digits.data(), digits.size(), "%05d", time->SecondOfDay());
    return Known + std::string(digits.data());
}

}  // namespace

std::vector<std::string> TaskSortKeys(const TBaseGrid& grid, int realCol, const TLocaleFormats& formats) {
    std::vector<std::string> keys;
    const bool times = realCol == colDueTime || realCol == colCompletionTime;
    if (realCol != colPriority && realCol != colStatus && !times) return keys;
    const int first = std::min(grid.FixedRows(), grid.RowCount());
    keys.reserve(std::size_t(grid.RowCount() - first));
    for (int r = first; r < grid.RowCount(); ++r) {
        const std::string_view text = grid.CellView(realCol, r);
        if (times) keys.push_back(TimeKey(text, formats));
        else if (realCol == colPriority) keys.push_back(VocabularyKey(text, TaskTable::PriorityVocabulary));
        else keys.push_back(VocabularyKey(text, TaskTable::StatusVocabulary));
    }
    return keys;
}

void SortTaskTable(TBaseGrid& grid, const TSortSettings& settings, const TLocaleFormats& formats,
                   const TFileProgressHandler& onProgress) {
    if (settings.Column < 0 || settings.Column >= grid.RealColCount()) {
        SortByColumn(grid, settings, formats);  // reports the bad column
        return;
    }
    const std::vector<std::string> keys = TaskSortKeys(grid, settings.Column, formats);
    SortByColumn(grid, settings, formats, keys, onProgress);
}

}  // namespace tkm
