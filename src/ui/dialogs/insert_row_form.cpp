#include "ui/dialogs/insert_row_form.h"

#include "platform/clock.h"
#include "ui/accessible_widgets.h"
#include "ui/dialogs/decimal_edit.h"
#include "ui/dialogs/desktop_centre.h"
#include "ui/dialogs/glyph_button.h"
#include "ui/grid/cell_text_codec.h"
#include "ui/grid/grid_date_picker.h"
#include "ui/screen_font.h"
#include "ui/table_texts.h"

#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tkm {

namespace {

constexpr int ClientWidth = 299;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

template <std::size_t N>
QComboBox* ListOf(const char* name, const std::array<std::string_view, N>& items, std::string_view initial,
                  QWidget* parent) {
    auto* list = new TLabelledComboBox(parent);
    list->setObjectName(name);
    // Shown in the user's language, taken in English.
    for (const std::string_view item : items) list->addItem(VocabularyText(item), Text(item));
    list->setCurrentIndex(list->findData(Text(initial)));
    return list;
}

TGridDatePicker* Picker(const char* name, TGridDatePicker::TKind kind, const TLocaleFormats& formats,
                        const TPickerValue& value, QWidget* parent) {
    auto* picker = new TGridDatePicker(kind, formats, parent);
    picker->setObjectName(name);
    picker->setCalendarPopup(kind == TGridDatePicker::dtkDate);
    picker->SetValue(value);
    return picker;
}

}  // namespace

TfrmInsertRow::TfrmInsertRow(int currentRow, const Clock& clock, const TLocaleFormats& formats, QWidget* parent)
    : THelpDialog(HelpContext, parent), formats_(formats) {
    setWindowTitle(tr("Insert Row"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ScreenFont(8));  // 11 pixels high on a 96 dpi screen

    btnOK_ = GlyphButton("btnOK", QStyle::SP_DialogOkButton, tr("OK"), this);
    btnOK_->setDefault(true);
    btnCancel_ = GlyphButton("btnCancel", QStyle::SP_DialogCancelButton, tr("Cancel"), this);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(CreatePlaceSection(currentRow));
    layout->addWidget(CreateValuesBox(clock));
    layout->addSpacing(4);
    layout->addLayout(buttons);
    // As wide as the list of values needs, and never narrower than its usual size.
    setFixedSize(sizeHint().expandedTo(QSize(ClientWidth, 0)));
    // Top to bottom as the fields stand, the buttons last; they were made first.
    const std::array<QWidget*, 13> tabOrder{rbtnAfter_,   rbtnBefore_,     cbxInsertRow_, dtedEntryDate_, cbxStatus_,
                                            cbxPriority_, dtedDueDate_,    dtEdDueTime_,  txtTotalHours_, txtCost_,
                                            txtResources_, btnOK_,         btnCancel_};
    for (std::size_t i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder[i - 1], tabOrder[i]);

    CentreOnDesktop(*this, parent);
}

// "Insert" with a line beside it, the two places, and the row count.
QLayout* TfrmInsertRow::CreatePlaceSection(int currentRow) {
    auto* caption = new QHBoxLayout;
    caption->addWidget(new QLabel(tr("Insert"), this));
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    caption->addWidget(line, 1);

    rbtnAfter_ = new QRadioButton(tr("From the last row"), this);
    rbtnAfter_->setObjectName("rbtnAfter");
    rbtnAfter_->setChecked(true);
    rbtnBefore_ = new QRadioButton(tr("Before row #%1").arg(currentRow), this);
    rbtnBefore_->setObjectName("rbtnBefore");

    cbxInsertRow_ = new TLabelledComboBox(this);
    cbxInsertRow_->setObjectName("cbxInsertRow");
    for (const int count : MultipleEntries::CountChoices) cbxInsertRow_->addItem(QString::number(count));
    cbxInsertRow_->setCurrentText(QString::number(MultipleEntries::InitialCount));
    auto* countLabel = new QLabel(tr("&Insert by:"), this);
    countLabel->setBuddy(cbxInsertRow_);
    auto* count = new QHBoxLayout;
    count->addWidget(countLabel);
    count->addWidget(cbxInsertRow_);
    count->addWidget(new QLabel(tr("row(s)"), this));
    count->addStretch();

    auto* section = new QVBoxLayout;
    section->addLayout(caption);
    auto* places = new QVBoxLayout;
    places->setContentsMargins(12, 0, 0, 0);
    places->addWidget(rbtnAfter_);
    places->addWidget(rbtnBefore_);
    section->addLayout(places);
    section->addSpacing(4);
    section->addLayout(count);
    return section;
}

// The eight values every new entry takes, in an uncaptioned box.
QWidget* TfrmInsertRow::CreateValuesBox(const Clock& clock) {
    auto* box = new QGroupBox(this);
    const TPickerValue now{clock.Today(), clock.Now()};
    dtedEntryDate_ = Picker("dtedEntryDate", TGridDatePicker::dtkDate, formats_, now, box);
    cbxStatus_ = ListOf("cbxStatus", TaskTable::StatusVocabulary, TaskTable::StatusVocabulary[0], box);
    cbxPriority_ = ListOf("cbxPriority", TaskTable::PriorityVocabulary, "Normal", box);
    dtedDueDate_ = Picker("dtedDueDate", TGridDatePicker::dtkDate, formats_, now, box);
    dtEdDueTime_ = Picker("dtEdDueTime", TGridDatePicker::dtkTime, formats_, now, box);
    txtTotalHours_ = new TDecimalEdit(1, formats_.DecimalSeparator, box);
    txtTotalHours_->setObjectName("txtTotalHours");
    txtTotalHours_->SetValue("0");
    txtCost_ = new TDecimalEdit(2, formats_.DecimalSeparator, box);
    txtCost_->setObjectName("txtCost");
    txtCost_->SetValue("0");
    txtResources_ = new QLineEdit(box);
    txtResources_->setObjectName("txtResources");

    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    form->addRow(tr("&Entry Date:"), dtedEntryDate_);
    form->addRow(tr("&Status:"), cbxStatus_);
    form->addRow(tr("&Priority:"), cbxPriority_);
    form->addRow(tr("Due &Date:"), dtedDueDate_);
    form->addRow(tr("Due &Time:"), dtEdDueTime_);
    form->addRow(tr("Total &Hours:"), txtTotalHours_);
    form->addRow(tr("&Cost:"), txtCost_);
    form->addRow(tr("&Resources:"), txtResources_);
    return box;
}

void TfrmInsertRow::showEvent(QShowEvent* event) {
    THelpDialog::showEvent(event);
    btnOK_->setFocus();
}

bool TfrmInsertRow::InsertsBefore() const { return rbtnBefore_->isChecked(); }

int TfrmInsertRow::Count() const { return cbxInsertRow_->currentText().toInt(); }

TEntryValues TfrmInsertRow::Values() const {
    return {dtedEntryDate_->Text(),
            DisplayToCell(cbxStatus_->currentData().toString()),
            DisplayToCell(cbxPriority_->currentData().toString()),
            dtedDueDate_->Text(),
            dtEdDueTime_->Text(),
            DisplayToCell(txtResources_->text()),
            DisplayToCell(txtTotalHours_->text()),
            DisplayToCell(txtCost_->text())};
}

}  // namespace tkm
