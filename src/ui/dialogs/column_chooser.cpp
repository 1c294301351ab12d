#include "ui/dialogs/column_chooser.h"

#include "base/errors.h"
#include "grid/base_grid.h"
#include "ui/screen_font.h"
#include "ui/table_texts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tkm {

namespace {

constexpr int PrintHelpContext = 660;
constexpr int SaveAsHelpContext = 670;
constexpr int RowsPerColumn = 5;
constexpr QSize StartSize(344, 216);

constexpr std::array<const char*, TfrmPrint::ColumnCount> BoxTitles{
    QT_TRANSLATE_NOOP("Columns", "No."),         QT_TRANSLATE_NOOP("Columns", "Entry Date"),
    QT_TRANSLATE_NOOP("Columns", "Status"),      QT_TRANSLATE_NOOP("Columns", "Task Description"),
    QT_TRANSLATE_NOOP("Columns", "Priority"),    QT_TRANSLATE_NOOP("Columns", "Due Date"),
    QT_TRANSLATE_NOOP("Columns", "Due Time"),    QT_TRANSLATE_NOOP("Columns", "Resources"),
    QT_TRANSLATE_NOOP("Columns", "Total Hours"), QT_TRANSLATE_NOOP("Columns", "Cost"),
    QT_TRANSLATE_NOOP("Columns", "Progress"),    QT_TRANSLATE_NOOP("Columns", "Completion Date"),
    QT_TRANSLATE_NOOP("Columns", "Completion Time"), QT_TRANSLATE_NOOP("Columns", "Comment")};

}  // namespace

TfrmPrint::TfrmPrint(TBaseGrid& grid, std::function<void()> showPreview, QWidget* parent)
    : TfrmPrint(grid, tr("Print"), tr("Column to Print"), PrintHelpContext, parent) {
    showPreview_ = std::move(showPreview);
}

TfrmPrint::TfrmPrint(TBaseGrid& grid, const QString& caption, const QString& heading, int helpContext,
                     QWidget* parent)
    : QDialog(parent), grid_(grid), helpContext_(helpContext) {
    setWindowTitle(caption);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ScreenFont(8));

    auto* title = new QLabel(heading, this);
    title->setObjectName("lblHeading");
    auto* line = new QFrame(this);
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto* panel = new QFrame(this);
    panel->setObjectName("pnlColumns");
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setAccessibleName(heading);
    auto* boxes = new QGridLayout(panel);
    boxes->setHorizontalSpacing(16);
    for (int col = 0; col < ColumnCount; ++col) {
        auto* box = new QCheckBox(ColumnText(BoxTitles[std::size_t(col)]), panel);
        box->setObjectName(QString("cbx%1").arg(col));
        box->setChecked(!grid_.IsColumnHidden(col));
        boxes->addWidget(box, col % RowsPerColumn, col / RowsPerColumn);
        boxes_[std::size_t(col)] = box;
    }
    btnCheckAll_ = new QPushButton(tr("&Check All"), panel);
    btnCheckAll_->setObjectName("btnCheckAll");
    btnClearAll_ = new QPushButton(tr("C&lear All"), panel);
    btnClearAll_->setObjectName("btnClearAll");
    for (QPushButton* button : {btnCheckAll_, btnClearAll_}) button->setAutoDefault(false);
    auto* selection = new QHBoxLayout;
    selection->addStretch(1);
    selection->addWidget(btnCheckAll_);
    selection->addWidget(btnClearAll_);
    boxes->addLayout(selection, RowsPerColumn - 1, 2, Qt::AlignRight | Qt::AlignBottom);
    connect(btnCheckAll_, &QPushButton::clicked, this, [this] { SetAll(true); });
    connect(btnClearAll_, &QPushButton::clicked, this, [this] { SetAll(false); });

    btnOK_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    btnOK_->setObjectName("btnOK");
    btnOK_->setDefault(true);
    btnCancel_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogCancelButton), tr("Cancel"), this);
    btnCancel_->setObjectName("btnCancel");
    btnCancel_->setAutoDefault(false);
    connect(btnOK_, &QPushButton::clicked, this, [this] { OkStep(); });
    connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(btnOK_);
    buttons->addWidget(btnCancel_);
    buttons->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(line);
    layout->addWidget(panel, 1);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(StartSize));
    if (const QScreen* screen = QWidget::screen()) move(screen->availableGeometry().center() - rect().center());
}

bool TfrmPrint::IsChecked(int column) const { return boxes_[std::size_t(column)]->isChecked(); }

void TfrmPrint::SetAll(bool checked) {
    for (QCheckBox* box : boxes_) box->setChecked(checked);
}

void TfrmPrint::OkStep() {
    for (int col = 0; col < ColumnCount; ++col) {
        if (IsChecked(col)) grid_.UnhideColumn(col);
        else grid_.HideColumn(col);
    }
    // The chooser closes however the preview ends.
    if (showPreview_) (void)StepFailure(showPreview_);
    accept();
}

void TfrmPrint::CloseStep() {
    for (int col = 0; col < ColumnCount; ++col) grid_.UnhideColumn(col);
}

void TfrmPrint::done(int result) {
    CloseStep();
    QDialog::done(result);
}

void TfrmPrint::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F1) {
        emit helpRequested(helpContext_);
        return;
    }
    QDialog::keyPressEvent(event);
}

TfrmSaveAs::TfrmSaveAs(TBaseGrid& grid, std::function<void()> setModified, QWidget* parent)
    : TfrmPrint(grid, tr("Save As..."), tr("Column to be Saved"), SaveAsHelpContext, parent),
      setModified_(std::move(setModified)) {}

void TfrmSaveAs::OkStep() {
    for (int col = 0; col < ColumnCount; ++col)
        if (!IsChecked(col)) Grid().HideColumn(col);
    setModified_();
    accept();
}

}  // namespace tkm
