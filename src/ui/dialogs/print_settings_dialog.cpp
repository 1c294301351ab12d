#include "ui/dialogs/print_settings_dialog.h"

#include "base/errors.h"
#include "grid/print/print_engine.h"
#include "platform/dialogs.h"
#include "settings/print_settings_file.h"
#include "ui/accessible_widgets.h"
#include "ui/app/command_guard.h"
#include "ui/dialogs/grid_preview_dialog.h"
#include "ui/grid/cell_text_codec.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace tkm {

namespace {

QStringList Positions() {
    return {TGridPrintSettingsForm::tr("(none)"),        TGridPrintSettingsForm::tr("Top Left"),
            TGridPrintSettingsForm::tr("Top Right"),     TGridPrintSettingsForm::tr("Top Center"),
            TGridPrintSettingsForm::tr("Bottom Left"),   TGridPrintSettingsForm::tr("Bottom Right"),
            TGridPrintSettingsForm::tr("Bottom Center")};
}

// The group boxes in the order of their option bits.
enum TGroup { gBorders, gGeneral, gFonts, gDateTime, gTitle, gPages, gMargins, gSpacing, gOrientation, gSave };

// Where each length field's value lives in the settings.
int& LengthOf(TPrintSettings& s, int index) {
    switch (index) {
    case 0: return s.HeaderSize;
    case 1: return s.LeftSize;
    case 2: return s.RightSize;
    case 3: return s.FooterSize;
    case 4: return s.RowSpacing;
    case 5: return s.ColumnSpacing;
    default: return s.TitleSpacing;
    }
}

QFormLayout* FormIn(QGroupBox* box) {
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return form;
}

}  // namespace

TGridPrintSettingsForm::TGridPrintSettingsForm(Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs) {
    setWindowTitle(tr("Print Settings"));
    pgcSettings_ = new QTabWidget;
    pgcSettings_->setObjectName("pgcSettings");
    pgcSettings_->addTab(MakeGeneralTab(), tr("General"));
    pgcSettings_->addTab(MakeHeadersTab(), tr("Headers / Footers"));
    pgcSettings_->addTab(MakeMarginsTab(), tr("Margins"));
    pgcSettings_->addTab(MakePreferencesTab(), tr("Preferences"));

    // The pane's width takes in its gap to the tabs, so that showing it widens
    // the form by exactly that much.
    pnlRight_ = new QWidget;
    pnlRight_->setFixedWidth(PreviewWidth);
    auto* right = new QVBoxLayout(pnlRight_);
    right->setContentsMargins(PaneGap, 0, 0, 0);
    pnlPreview_ = nullptr;  // made when a grid is there to draw
    auto* top = new QHBoxLayout;
    top->setSpacing(0);
    top->addWidget(pgcSettings_, 1);
    top->addWidget(pnlRight_);

    // OK and Cancel stand either side of the form's middle, as wide as each other.
    btnOK_ = new QPushButton(tr("OK"));
    btnCancel_ = new QPushButton(tr("Cancel"));
    btnOK_->setDefault(true);
    const int buttonWidth = std::max(btnOK_->sizeHint().width(), btnCancel_->sizeHint().width());
    btnOK_->setMinimumWidth(buttonWidth);
    btnCancel_->setMinimumWidth(buttonWidth);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(0);
    buttons->addStretch();
    buttons->addWidget(btnOK_);
    buttons->addSpacing(2 * ButtonGap);
    buttons->addWidget(btnCancel_);
    buttons->addStretch();
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);  // a fixed dialog border
}

QComboBox* TGridPrintSettingsForm::MakeList(const QStringList& items) {
    auto* list = new TLabelledComboBox;
    list->addItems(items);
    connect(list, &QComboBox::currentIndexChanged, this, &TGridPrintSettingsForm::Changed);
    return list;
}

QWidget* TGridPrintSettingsForm::MakeGeneralTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);

    groups_[gBorders] = new QGroupBox(tr("Borders:"));
    auto* borders = FormIn(groups_[gBorders]);
    // Every kind a settings file can hold has its item, so loading and saving keeps it.
    cbBorders_ = MakeList({tr("(none)"), tr("Single"), tr("Double"), tr("Vertical"), tr("Horizontal"), tr("Around"),
                           tr("Around Vertical"), tr("Around Horizontal"), tr("Custom")});
    cbBorderStyle_ = MakeList(
        {tr("Solid"), tr("Dash"), tr("Dot"), tr("Dash Dot"), tr("Dash Dot Dot"), tr("(none)"), tr("Inside Frame")});
    borders->addRow(tr("&Border:"), cbBorders_);
    borders->addRow(tr("Border &Style:"), cbBorderStyle_);

    groups_[gGeneral] = new QGroupBox(tr("General:"));
    auto* general = FormIn(groups_[gGeneral]);
    cbFitToPage_ = MakeList({tr("Never"), tr("Grow to Fit"), tr("Shrink to Fit"), tr("Always"), tr("Custom")});
    general->addRow(tr("Fit to &Page:"), cbFitToPage_);
    const auto box = [&](const QString& caption) {
        auto* check = new QCheckBox(caption);
        connect(check, &QCheckBox::toggled, this, &TGridPrintSettingsForm::Changed);
        general->addRow(check);
        return check;
    };
    chkAutoSize_ = box(tr("&AutoSize Columns"));
    chkCentered_ = box(tr("&Center on Page"));
    chkRepeatRows_ = box(tr("Repeat Fixed Ro&ws"));
    chkRepeatCols_ = box(tr("Repeat Fi&xed Columns"));
    chkPrintGraphics_ = box(tr("Print graphics"));

    groups_[gFonts] = new QGroupBox(tr("Fonts:"));
    auto* fonts = new QVBoxLayout(groups_[gFonts]);
    const QString captions[] = {tr("Select the Header Font"), tr("Select the Footer Font"),
                                tr("Select the Table Font")};
    for (int i = 0; i < 3; ++i) {
        fontButtons_[std::size_t(i)] = new QPushButton(captions[i]);
        connect(fontButtons_[std::size_t(i)], &QPushButton::clicked, this, [this, i] { ChooseFont(i); });
        fonts->addWidget(fontButtons_[std::size_t(i)]);
    }
    for (QGroupBox* group : {groups_[gBorders], groups_[gGeneral], groups_[gFonts]}) layout->addWidget(group);
    layout->addStretch();
    return tab;
}

QWidget* TGridPrintSettingsForm::MakeHeadersTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const auto edit = [&] {
        auto* line = new QLineEdit;
        connect(line, &QLineEdit::textChanged, this, &TGridPrintSettingsForm::Changed);
        return line;
    };

    groups_[gDateTime] = new QGroupBox(tr("Date / Time:"));
    auto* dateTime = FormIn(groups_[gDateTime]);
    cbDatePos_ = MakeList(Positions());
    cbTimePos_ = MakeList(Positions());
    edDateFormat_ = edit();
    dateTime->addRow(tr("&Date Position:"), cbDatePos_);
    dateTime->addRow(tr("&Time Position:"), cbTimePos_);
    dateTime->addRow(tr("Date &Format:"), edDateFormat_);

    groups_[gTitle] = new QGroupBox(tr("Title:"));
    auto* title = FormIn(groups_[gTitle]);
    memTitle_ = new QPlainTextEdit;
    memTitle_->setFixedHeight(memTitle_->fontMetrics().lineSpacing() * 4);
    connect(memTitle_, &QPlainTextEdit::textChanged, this, &TGridPrintSettingsForm::Changed);
    cbTitlePos_ = MakeList(Positions());
    title->addRow(tr("Title Te&xt:"), memTitle_);
    title->addRow(tr("Title Po&sition:"), cbTitlePos_);

    groups_[gPages] = new QGroupBox(tr("Page Numbers:"));
    auto* pages = FormIn(groups_[gPages]);
    edPrefix_ = edit();
    edSeparator_ = edit();
    edSuffix_ = edit();
    cbPagesPos_ = MakeList(Positions());
    pages->addRow(tr("Pr&efix:"), edPrefix_);
    pages->addRow(tr("Sep&arator:"), edSeparator_);
    pages->addRow(tr("S&uffix:"), edSuffix_);
    pages->addRow(tr("&Pages Position:"), cbPagesPos_);

    for (QGroupBox* group : {groups_[gDateTime], groups_[gTitle], groups_[gPages]}) layout->addWidget(group);
    layout->addStretch();
    return tab;
}

QDoubleSpinBox* TGridPrintSettingsForm::MakeLength(int index, double maximum) {
    auto* field = new QDoubleSpinBox;
    field->setRange(0, maximum);
    field->setDecimals(2);
    field->setSingleStep(0.1);
    lengths_[std::size_t(index)] = field;
    units_[std::size_t(index)] = new QLabel(tr("mm"));
    connect(field, &QDoubleSpinBox::valueChanged, this, &TGridPrintSettingsForm::Changed);
    return field;
}

QWidget* TGridPrintSettingsForm::MakeMarginsTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    const auto addLength = [&](QFormLayout* form, const QString& caption, int index, double maximum) {
        auto* row = new QHBoxLayout;
        row->addWidget(MakeLength(index, maximum), 1);
        row->addWidget(units_[std::size_t(index)]);
        form->addRow(caption, row);
        static_cast<QLabel*>(form->labelForField(row))->setBuddy(lengths_[std::size_t(index)]);
    };

    groups_[gMargins] = new QGroupBox(tr("Margins:"));
    auto* margins = FormIn(groups_[gMargins]);
    addLength(margins, tr("&Top Margin :"), 0, 500);
    addLength(margins, tr("&Left Margin :"), 1, 500);
    addLength(margins, tr("&Right Margin :"), 2, 500);
    addLength(margins, tr("&Bottom Margin :"), 3, 500);
    rbMm_ = new QRadioButton(tr("mm"));
    rbInch_ = new QRadioButton(tr("inch"));
    rbMm_->setChecked(true);
    auto* units = new QHBoxLayout;
    units->addWidget(rbMm_);
    units->addWidget(rbInch_);
    units->addStretch();
    margins->addRow(units);
    connect(rbMm_, &QRadioButton::toggled, this, &TGridPrintSettingsForm::ShowLengths);

    groups_[gOrientation] = new QGroupBox(tr("Orientation:"));
    auto* orientation = FormIn(groups_[gOrientation]);
    cbOrientation_ = MakeList({tr("Portrait"), tr("Landscape")});
    orientation->addRow(tr("&Page Orientation:"), cbOrientation_);

    groups_[gSpacing] = new QGroupBox(tr("Spacing:"));
    auto* spacing = FormIn(groups_[gSpacing]);
    addLength(spacing, tr("Row &Spacing :"), 4, 100);
    addLength(spacing, tr("C&olumn Spacing :"), 5, 100);
    addLength(spacing, tr("Title &Margin :"), 6, 100);

    for (QGroupBox* group : {groups_[gMargins], groups_[gOrientation], groups_[gSpacing]}) layout->addWidget(group);
    layout->addStretch();
    return tab;
}

QWidget* TGridPrintSettingsForm::MakePreferencesTab() {
    auto* tab = new QWidget;
    auto* layout = new QVBoxLayout(tab);
    groups_[gSave] = new QGroupBox(tr("Save settings"));
    auto* buttons = new QHBoxLayout(groups_[gSave]);
    btnLoad_ = new QPushButton(tr("&Load settings"));
    btnSave_ = new QPushButton(tr("&Save settings"));
    buttons->addWidget(btnLoad_);
    buttons->addWidget(btnSave_);
    connect(btnLoad_, &QPushButton::clicked, this, &TGridPrintSettingsForm::LoadSettings);
    connect(btnSave_, &QPushButton::clicked, this, &TGridPrintSettingsForm::SaveSettings);
    layout->addWidget(groups_[gSave]);
    layout->addStretch();
    return tab;
}

void TGridPrintSettingsForm::SetPrintPreview(bool shown) { pnlRight_->setVisible(shown); }

void TGridPrintSettingsForm::SetOptions(std::uint16_t options) {
    for (std::size_t i = 0; i < groups_.size(); ++i) groups_[i]->setEnabled(options & (1u << i));
    // A tab after the first whose every group is disabled is hidden.
    const std::array<std::pair<int, std::uint16_t>, 3> tabs{
        {{1, psDateTime | psTitle | psPages}, {2, psMargins | psSpacing | psOrientation}, {3, psSaveSettings}}};
    for (const auto& [tab, bits] : tabs) pgcSettings_->setTabVisible(tab, (options & bits) != 0);
}

void TGridPrintSettingsForm::SetPrintDimensions(TPrintDimensions dimensions) {
    (dimensions == TPrintDimensions::Inches ? rbInch_ : rbMm_)->setChecked(true);
}

double TGridPrintSettingsForm::Scale() const { return rbInch_->isChecked() ? 254.0 : 10.0; }

void TGridPrintSettingsForm::ShowLengths() {
    const QString unit = rbInch_->isChecked() ? tr("inch") : tr("mm");
    for (QLabel* label : units_) label->setText(unit);
    if (!grid_) return;
    const bool wasFilling = filling_;
    filling_ = true;  // switching shows the same lengths: nothing to apply
    for (int i = 0; i < LengthCount; ++i)
        lengths_[std::size_t(i)]->setValue(LengthOf(grid_->Settings, i) / Scale());
    filling_ = wasFilling;
}

void TGridPrintSettingsForm::FillControls() {
    TPrintSettings& s = grid_->Settings;
    filling_ = true;
    if (!s.TitleText.empty()) {
        s.TitleLines = {s.TitleText};
        s.TitleText.clear();
    }
    cbBorders_->setCurrentIndex(s.Borders);
    cbBorderStyle_->setCurrentIndex(s.BorderStyle);
    cbFitToPage_->setCurrentIndex(s.FitToPage);
    chkAutoSize_->setChecked(!s.NoAutoSize);
    chkCentered_->setChecked(s.Centered);
    chkRepeatRows_->setChecked(s.RepeatFixedRows);
    chkRepeatCols_->setChecked(s.RepeatFixedCols);
    chkPrintGraphics_->setChecked(s.PrintGraphics);
    cbDatePos_->setCurrentIndex(s.Date);
    cbTimePos_->setCurrentIndex(s.Time);
    edDateFormat_->setText(CellToDisplay(s.DateFormat));
    QStringList lines;
    for (const std::string& line : s.TitleLines) lines << CellToDisplay(line);
    memTitle_->setPlainText(lines.join('\n'));
    cbTitlePos_->setCurrentIndex(s.Title);
    edPrefix_->setText(CellToDisplay(s.PagePrefix));
    edSeparator_->setText(CellToDisplay(s.PageNumSep));
    edSuffix_->setText(CellToDisplay(s.PageSuffix));
    cbPagesPos_->setCurrentIndex(s.PageNr);
    cbOrientation_->setCurrentIndex(s.Orientation == TPrintOrientation::Landscape ? 1 : 0);
    ShowLengths();
    ApplyEnabling();
    filling_ = false;
}

void TGridPrintSettingsForm::ApplyEnabling() {
    cbBorderStyle_->setEnabled(cbBorders_->currentIndex() != pbNoborder);
    edDateFormat_->setEnabled(cbDatePos_->currentIndex() != ppNone);
    memTitle_->setEnabled(cbTitlePos_->currentIndex() != ppNone);
    const bool numbered = cbPagesPos_->currentIndex() != ppNone;
    for (QLineEdit* edit : {edPrefix_, edSeparator_, edSuffix_}) edit->setEnabled(numbered);
}

void TGridPrintSettingsForm::Changed() {
    if (filling_ || !grid_) return;
    ApplyEnabling();
    ApplyControls();
}

void TGridPrintSettingsForm::ApplyControls() {
    TPrintSettings& s = grid_->Settings;
    s.Borders = TPrintBorders(cbBorders_->currentIndex());
    s.BorderStyle = TPenStyle(cbBorderStyle_->currentIndex());
    s.FitToPage = TFitToPage(cbFitToPage_->currentIndex());
    s.NoAutoSize = !chkAutoSize_->isChecked();
    s.Centered = chkCentered_->isChecked();
    s.RepeatFixedRows = chkRepeatRows_->isChecked();
    s.RepeatFixedCols = chkRepeatCols_->isChecked();
    s.PrintGraphics = chkPrintGraphics_->isChecked();
    s.Date = TPrintPosition(cbDatePos_->currentIndex());
    s.Time = TPrintPosition(cbTimePos_->currentIndex());
    s.DateFormat = DisplayToCell(edDateFormat_->text());
    s.TitleLines.clear();
    const QString title = memTitle_->toPlainText();
    QStringList lines = title.split('\n');
    // A line end after the last line starts no line of its own.
    if (lines.back().isEmpty()) lines.removeLast();
    for (const QString& line : lines) s.TitleLines.push_back(DisplayToCell(line));
    s.Title = TPrintPosition(cbTitlePos_->currentIndex());
    s.PagePrefix = DisplayToCell(edPrefix_->text());
    s.PageNumSep = DisplayToCell(edSeparator_->text());
    s.PageSuffix = DisplayToCell(edSuffix_->text());
    s.PageNr = TPrintPosition(cbPagesPos_->currentIndex());
    s.Orientation = cbOrientation_->currentIndex() == 1 ? TPrintOrientation::Landscape : TPrintOrientation::Portrait;
    // A field at its maximum is not applied: the setting may lie beyond what the field shows.
    for (int i = 0; i < LengthCount; ++i) {
        const QDoubleSpinBox& field = *lengths_[std::size_t(i)];
        if (field.value() < field.maximum()) LengthOf(s, i) = int(std::lround(field.value() * Scale()));
    }
    if (pnlPreview_ && pnlRight_->isVisible()) pnlPreview_->update();
}

void TGridPrintSettingsForm::showEvent(QShowEvent* event) {
    if (grid_ && !pnlPreview_) {
        grid_->Engine.SetPreviewFast(true);
        grid_->Engine.SetPreviewPage(1);
        pnlPreview_ = new TPreviewPage(grid_->Engine, pnlRight_);
        pnlRight_->layout()->addWidget(pnlPreview_);
    }
    QDialog::showEvent(event);
    if (grid_) ApplyControls();
}

void TGridPrintSettingsForm::ChooseFont(int index) {
    TPrintSettings& s = grid_->Settings;
    TPrintFont& font = index == 0 ? s.HeaderFont : index == 1 ? s.FooterFont : s.Font;
    if (const auto chosen = dialogs_.ChooseFont(font)) {
        font = *chosen;
        ApplyControls();
    }
}

void TGridPrintSettingsForm::LoadSettings() {
    const std::string filter = TranslatedText("Printing", PrintSettingsFilter);
    const auto chosen = dialogs_.OpenFile({tr("Load settings").toStdString(), filter, 1, "ini", "", ""});
    if (!chosen) return;
    ReportingStepFailures(dialogs_, [&] {
        LoadPrintSettingsFile(WithIniExtension(chosen->FileName, chosen->FilterIndex), grid_->Settings);
    });
    FillControls();
    ApplyControls();
}

void TGridPrintSettingsForm::SaveSettings() {
    const std::string filter = TranslatedText("Printing", PrintSettingsFilter);
    const auto chosen = dialogs_.SaveFile({tr("Save settings").toStdString(), filter, 1, "", "", ""});
    if (!chosen) return;
    ReportingStepFailures(dialogs_, [&] {
        SavePrintSettingsFile(grid_->Settings, WithIniExtension(chosen->FileName, chosen->FilterIndex));
    });
}

TGridPrintSettingsDialog::TGridPrintSettingsDialog(Dialogs& dialogs, QWidget* parent)
    : form_(std::make_unique<TGridPrintSettingsForm>(dialogs, parent)) {
    form_->SetOptions(psAll);
}

TGridPrintSettingsDialog::~TGridPrintSettingsDialog() = default;

void TGridPrintSettingsDialog::SetGrid(TPrintableGrid* grid) {
    grid_ = grid;
    form_->SetGrid(grid);
}

bool TGridPrintSettingsDialog::Execute() {
    if (!grid_) throw EGridError("The dialog does not have a grid component.");
    const TPrintSettings backup = grid_->Settings;
    form_->FillControls();
    const bool confirmed = form_->exec() == QDialog::Accepted;
    if (!confirmed) grid_->Settings = backup;
    return confirmed;
}

}  // namespace tkm
