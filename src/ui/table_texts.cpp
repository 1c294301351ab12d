#include "ui/table_texts.h"

#include <QCoreApplication>

#include <string>

namespace tkm {

QString VocabularyText(std::string_view english) {
    return QCoreApplication::translate("Vocabulary", std::string(english).c_str());
}

QString ColumnText(std::string_view english) {
    return QCoreApplication::translate("Columns", std::string(english).c_str());
}

QString TableWordText(const TaskTable::TTableWord& word) {
    return QCoreApplication::translate(word.Context, word.Text);
}

}  // namespace tkm
