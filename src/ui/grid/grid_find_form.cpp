#include "ui/grid/grid_find_form.h"

#include "base/errors.h"
#include "platform/dialogs.h"
#include "ui/accessible_widgets.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/task_grid.h"
#include "ui/screen_font.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSignalBlocker>

namespace tkm {

namespace {

constexpr int ClientWidth = 354;
constexpr int ClientHeight = 225;
constexpr int LineHeight = 17;

QCheckBox* AddCheckBox(QWidget* parent, const char* name, const QString& caption, int line) {
    auto* box = new QCheckBox(caption, parent);
    box->setObjectName(name);
    box->setGeometry(8, 18 + line * LineHeight, parent->width() - 10, LineHeight);
    return box;
}

QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& title, const QRect& place) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(name);
    group->setGeometry(place);
    return group;
}

}  // namespace

TGridFindForm::TGridFindForm(Dialogs& dialogs) : QDialog(nullptr), dialogs_(dialogs) {
    setObjectName("GridFindForm");
    setWindowTitle(tr("Find text"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::WindowStaysOnTopHint);
    // An open find window must not keep the program running once the main window has closed.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFont(ScreenFont(8));
    setFixedSize(ClientWidth, ClientHeight);

    auto* label = new QLabel(tr("Text to find :"), this);
    label->setGeometry(8, 12, 70, 16);
    TextToFind_ = new TLabelledComboBox(this);
    TextToFind_->setObjectName("TextToFind");
    TextToFind_->setEditable(true);
    TextToFind_->setInsertPolicy(QComboBox::NoInsert);
    TextToFind_->setGeometry(80, 8, 266, 22);
    label->setBuddy(TextToFind_);
    connect(TextToFind_, &QComboBox::editTextChanged, this, [this] { lastHit_ = {}; });

    CreateOptions(QRect(8, 36, 156, 106));
    CreateDirection(QRect(170, 36, 176, 90));
    CreateScope(QRect(8, 148, 156, 70));

    OkBtn_ = new QPushButton(tr("OK"), this);
    OkBtn_->setObjectName("OkBtn");
    OkBtn_->setGeometry(190, 192, 75, 25);
    OkBtn_->setDefault(true);
    connect(OkBtn_, &QPushButton::clicked, this, &TGridFindForm::OkBtnClick);
    CancelBtn_ = new QPushButton(tr("Cancel"), this);
    CancelBtn_->setObjectName("CancelBtn");
    CancelBtn_->setGeometry(271, 192, 75, 25);
    connect(CancelBtn_, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TGridFindForm::CreateOptions(const QRect& place) {
    QWidget* group = AddGroup(this, "Options", tr("Options"), place);
    Docase_ = AddCheckBox(group, "Docase", tr("&Case sensitive"), 0);
    connect(Docase_, &QCheckBox::toggled, this, &TGridFindForm::MatchCaseChanged);
    Whole_ = AddCheckBox(group, "Whole", tr("&Whole words only"), 1);
    MatchFirst_ = AddCheckBox(group, "MatchFirst", tr("&Match from first char"), 2);
    IgnoreHTML_ = AddCheckBox(group, "IgnoreHTML", tr("&Ignore HTML tags"), 3);
    Fixed_ = AddCheckBox(group, "Fixed", tr("&Find in fixed cells"), 4);
}

void TGridFindForm::CreateDirection(const QRect& place) {
    QWidget* group = AddGroup(this, "Direction", tr("Direction"), place);
    cbForwardTB_ = AddCheckBox(group, "cbForwardTB", tr("Forward (top to bottom)"), 0);
    cbForwardLR_ = AddCheckBox(group, "cbForwardLR", tr("Forward (left to right)"), 1);
    cbBackwardBT_ = AddCheckBox(group, "cbBackwardBT", tr("Backward (bottom to top)"), 2);
    cbBackwardRL_ = AddCheckBox(group, "cbBackwardRL", tr("Backward (right to left)"), 3);
    // One choice: checking a box clears the others, clicking the one that is on keeps it on.
    directions_ = new QButtonGroup(this);
    directions_->setExclusive(true);
    for (QCheckBox* box : {cbForwardTB_, cbForwardLR_, cbBackwardBT_, cbBackwardRL_}) directions_->addButton(box);
    cbForwardTB_->setChecked(true);
}

void TGridFindForm::CreateScope(const QRect& place) {
    QWidget* group = AddGroup(this, "Scope", tr("Scope"), place);
    Scope_ = new QButtonGroup(this);
    const QString captions[] = {tr("All cells"), tr("Current row only"), tr("Current column only")};
    for (int i = 0; i < 3; ++i) {
        auto* item = new QRadioButton(captions[i], group);
        item->setObjectName(QString("Scope%1").arg(i));
        item->setGeometry(8, 18 + i * LineHeight, 146, LineHeight);
        Scope_->addButton(item, i);
    }
    Scope_->button(AllCells)->setChecked(true);
    connect(Scope_, &QButtonGroup::idClicked, this, &TGridFindForm::ScopeClick);
}

void TGridFindForm::ScopeClick(int scope) {
    const bool rows = scope != CurrentColumnOnly;  // left/right directions
    const bool columns = scope != CurrentRowOnly;  // top/bottom directions
    cbForwardLR_->setEnabled(rows);
    cbBackwardRL_->setEnabled(rows);
    cbForwardTB_->setEnabled(columns);
    cbBackwardBT_->setEnabled(columns);
    if (!columns && (cbForwardTB_->isChecked() || cbBackwardBT_->isChecked())) cbForwardLR_->setChecked(true);
    if (!rows && (cbForwardLR_->isChecked() || cbBackwardRL_->isChecked())) cbForwardTB_->setChecked(true);
}

TFindOptions TGridFindForm::Options() const {
    using O = TFindOption;
    TFindOptions options = O::SelectHit;
    options.Set(O::MatchCase, Docase_->isChecked());
    options.Set(O::WholeCellText, Whole_->isChecked());
    options.Set(O::MatchAtStart, MatchFirst_->isChecked());
    options.Set(O::IgnoreHtmlTags, IgnoreHTML_->isChecked());
    options.Set(O::IncludeFixedCells, Fixed_->isChecked());
    options.Set(O::AlongRows, cbForwardLR_->isChecked() || cbBackwardRL_->isChecked());
    options.Set(O::Backward, cbBackwardBT_->isChecked() || cbBackwardRL_->isChecked());
    options.Set(O::CurrentRowOnly, Scope_->checkedId() == CurrentRowOnly);
    options.Set(O::CurrentColumnOnly, Scope_->checkedId() == CurrentColumnOnly);
    return options;
}

void TGridFindForm::RememberText(const QString& text) {
    // Qt::MatchFixedString compares without regard to case.
    if (text.isEmpty() || TextToFind_->findText(text, Qt::MatchFixedString) >= 0) return;
    const QSignalBlocker sameText(TextToFind_);  // adding to the list leaves the text as it is
    TextToFind_->addItem(text);
}

void TGridFindForm::OkBtnClick() {
    if (!grid_) return;
    const QString text = TextToFind_->currentText();
    RememberText(text);
    const bool fresh = lastHit_ == TGridCoord{};
    try {
        lastHit_ = grid_->FindCell(lastHit_, DisplayToCell(text), Options());
    } catch (const EAbort&) {
        return;  // the next OK goes on from the same hit
    }
    if (lastHit_ != TGridCoord{}) return;
    const QString quoted = "\r\"" + text + "\"";
    dialogs_.ShowInformation(tr("Information").toStdString(),
                             (fresh ? tr("Could not find text %1") : tr("No more occurences of text %1"))
                                 .arg(quoted)
                                 .toStdString());
}

}  // namespace tkm
