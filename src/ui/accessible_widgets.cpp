#include "ui/accessible_widgets.h"

#include "ui/grid/task_grid_accessible.h"

#include <QAccessibleWidget>
#include <QLabel>
#include <QLineEdit>

namespace tkm {

namespace {

// The label a form gives a field, without its mnemonic marker.
QString BuddyText(const QWidget& field) {
    for (const QLabel* label : field.window()->findChildren<QLabel*>()) {
        if (label->buddy() != &field) continue;
        // "&&" is a shown "&"; a lone "&" marks the mnemonic.
        QString text = label->text();
        text.replace("&&", QString(QChar(0xE000)));
        text.remove('&');
        text.replace(QChar(0xE000), '&');
        return text;
    }
    return {};
}

class TLabelledComboAccessible final : public QAccessibleWidget {
public:
    explicit TLabelledComboAccessible(TLabelledComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {}

    static QAccessibleInterface* Create(const QString&, QObject* object) {
        auto* combo = qobject_cast<TLabelledComboBox*>(object);
        return combo ? new TLabelledComboAccessible(combo) : nullptr;
    }

    QString text(QAccessible::Text type) const override {
        const QComboBox* combo = Combo();
        switch (type) {
        case QAccessible::Name:
            return combo->accessibleName().isEmpty() ? BuddyText(*combo) : combo->accessibleName();
        case QAccessible::Value: return combo->isEditable() ? combo->lineEdit()->text() : combo->currentText();
        default: return QAccessibleWidget::text(type);
        }
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.editable = Combo()->isEditable();
        return state;
    }

    QStringList actionNames() const override { return QStringList{showMenuAction()} + QAccessibleWidget::actionNames(); }

    void doAction(const QString& action) override {
        if (action == showMenuAction()) Combo()->showPopup();
        else QAccessibleWidget::doAction(action);
    }

private:
    QComboBox* Combo() const { return static_cast<QComboBox*>(widget()); }
};

}  // namespace

void InstallAccessibleWidgets() {
    QAccessible::installFactory(&TTaskGridAccessible::Create);
    QAccessible::installFactory(&TLabelledComboAccessible::Create);
}

}  // namespace tkm
