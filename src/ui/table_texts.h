#pragma once

#include "tasks/task_table.h"

#include <QString>

#include <string_view>

namespace tkm {

// The task table's English words as the window shows them: a status or a
// priority, and a column's heading, in the user's language.
QString VocabularyText(std::string_view english);
QString ColumnText(std::string_view english);
// A heading, status or priority cell as the table shows it.
QString TableWordText(const TaskTable::TTableWord& word);

}  // namespace tkm
