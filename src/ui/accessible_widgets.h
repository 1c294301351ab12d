#pragma once

#include <QComboBox>

namespace tkm {

// Gives screen readers the task grid as a table and the labelled combo boxes
// their names. Called once, after the application object exists.
void InstallAccessibleWidgets();

// On Linux Qt names a combo box after the item it shows, so a screen reader
// says "Not Started" where the form says "Status:". This one is named as a
// line edit is: its accessible name, else the label it is the buddy of; the
// item it shows is its value.
class TLabelledComboBox : public QComboBox {
    Q_OBJECT
public:
    using QComboBox::QComboBox;
};

}  // namespace tkm
