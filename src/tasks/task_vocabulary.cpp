#include "tasks/task_vocabulary.h"

#include "tasks/task_table.h"

namespace tkm {

namespace {

template <typename TEnum, std::size_t N>
TEnum IndexIn(const std::array<std::string_view, N>& words, std::string_view text, TEnum other) {
    for (std::size_t i = 0; i < N; ++i)
        if (words[i] == text) return TEnum(i);
    return other;
}

}  // namespace

TStatus StatusOf(std::string_view text) { return IndexIn(TaskTable::StatusVocabulary, text, TStatus::Other); }

TPriority PriorityOf(std::string_view text) {
    return IndexIn(TaskTable::PriorityVocabulary, text, TPriority::Other);
}

}  // namespace tkm
