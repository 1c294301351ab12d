#pragma once

#include <QLineEdit>

namespace tkm {

// An edit for an unsigned decimal number with a fixed number of places: it
// takes digits and one separator, and shows what it is given, or what was
// typed once the typing ends, to its places ("0" becomes "0.0").
class TDecimalEdit : public QLineEdit {
    Q_OBJECT
public:
    TDecimalEdit(int decimals, char separator, QWidget* parent = nullptr);

    void SetValue(const QString& text);

private:
    int decimals_;
    char separator_;
};

}  // namespace tkm
