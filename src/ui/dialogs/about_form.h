#pragma once

#include "ui/dialogs/help_dialog.h"

class QPushButton;

namespace tkm {

class Shell;
class THotLink;
class TMailToLabel;

// The about box: the program's name, icon and version and links to the
// maker's web site and e-mail address. Its owner runs it modally (exec).
class TfrmAbout : public THelpDialog {
    Q_OBJECT
public:
    static constexpr int HelpContext = 30;

    explicit TfrmAbout(Shell& shell, QWidget* parent = nullptr);

    TMailToLabel* MailTo1() const { return mailTo1_; }
    THotLink* HotLink1() const { return hotLink1_; }
    QPushButton* BitBtn1() const { return bitBtn1_; }

private:
    TMailToLabel* mailTo1_ = nullptr;
    THotLink* hotLink1_ = nullptr;
    QPushButton* bitBtn1_ = nullptr;
};

}  // namespace tkm
