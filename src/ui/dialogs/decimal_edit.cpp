#include "ui/dialogs/decimal_edit.h"

#include "tasks/multiple_entries.h"

#include <QRegularExpressionValidator>

namespace tkm {

TDecimalEdit::TDecimalEdit(int decimals, char separator, QWidget* parent)
    : QLineEdit(parent), decimals_(decimals), separator_(separator) {
    const QString escaped = QRegularExpression::escape(QString(QChar(separator)));
    setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]*" + escaped + "?[0-9]*"), this));
    connect(this, &QLineEdit::editingFinished, this, [this] { SetValue(text()); });
}

void TDecimalEdit::SetValue(const QString& text) {
    setText(QString::fromStdString(MultipleEntries::FixedDecimals(text.toStdString(), decimals_, separator_)));
}

}  // namespace tkm
