#pragma once

#include <QString>

#include <string_view>

namespace tkm {

// The task table's English words as the window shows them: a status or a
// priority, and a column's heading, in the user's language.
QString VocabularyText(std::string_view english);
QString ColumnText(std::string_view english);

}  // namespace tkm
