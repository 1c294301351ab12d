#include "ui/dialogs/stat_form.h"

#include "grid/base_grid.h"
#include "ui/dialogs/desktop_centre.h"
#include "ui/screen_font.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>

namespace tkm {

namespace {

constexpr int TableRows = Statistics::RowCount + 1;
constexpr int RowHeight = 19;

QString Text(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// The statistics' English texts, in the user's language.
QString Translated(std::string_view s) { return QCoreApplication::translate("Statistics", std::string(s).c_str()); }

}  // namespace

TfrmStat::TfrmStat(const TBaseGrid& grid, const TDate& today, const TLocaleFormats& formats, QWidget* parent)
    : THelpDialog(HelpContext, parent), counts_(CountStatistics(grid, today, formats)) {
    setWindowTitle(tr("Statistics"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    setFont(ScreenFont(8));  // 11 pixels high on a 96 dpi screen

    auto* bevel = new QFrame(this);
    bevel->setObjectName("Bevel2");
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);
    bevel->setGeometry(19, 4, 253, 325);

    stgStat_ = new QTableWidget(TableRows, 2, this);
    stgStat_->setObjectName("stgStat");
    stgStat_->setGeometry(39, 12, 213, 305);
    stgStat_->setColumnWidth(0, 163);
    stgStat_->setColumnWidth(1, 44);
    stgStat_->horizontalHeader()->hide();
    stgStat_->verticalHeader()->hide();
    stgStat_->verticalHeader()->setMinimumSectionSize(1);
    stgStat_->verticalHeader()->setDefaultSectionSize(RowHeight);
    stgStat_->setShowGrid(false);
    stgStat_->setSelectionMode(QAbstractItemView::NoSelection);
    stgStat_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    stgStat_->setFocusPolicy(Qt::NoFocus);
    stgStat_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stgStat_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    stgStat_->setFrameShape(QFrame::NoFrame);
    QPalette face = stgStat_->palette();
    face.setColor(QPalette::Base, face.color(QPalette::Button));
    stgStat_->setPalette(face);
    stgStat_->setAccessibleName(tr("Statistics"));
    FillTable();

    auto* label1 = new QLabel(Translated(Statistics::ValidNote), this);
    label1->setObjectName("Label1");
    label1->move(21, 336);
    auto* label2 = new QLabel(Translated(Statistics::InWorkNote), this);
    label2->setObjectName("Label2");
    label2->move(21, 350);

    // The sums, and while a filter is on how much of the list the window shows.
    auto* totals = new QWidget(this);
    totals->setObjectName("pnlTotals");
    auto* form = new QFormLayout(totals);
    form->setContentsMargins(0, 0, 0, 0);
    form->setVerticalSpacing(2);
    const TTotals sums = SumTotals(grid, formats);
    const auto amountLabel = [&](const QString& text) {
        auto* label = new QLabel(text, totals);
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        return label;
    };
    const auto amount = [&](double value) { return amountLabel(Text(FormatAmount(value, formats))); };
    form->addRow(tr("Total Hours in work**:"), amount(sums.HoursInWork));
    form->addRow(tr("Cost in work**:"), amount(sums.CostInWork));
    form->addRow(tr("Total Hours of all entries*:"), amount(sums.Hours));
    form->addRow(tr("Cost of all entries*:"), amount(sums.Cost));
    if (grid.RowsFiltered()) {
        const int fixed = std::min(grid.FixedRows(), grid.RowCount());
        const QString shown = tr("%1 of %2").arg(grid.ShownRowCount() - fixed).arg(grid.RowCount() - fixed);
        form->addRow(tr("Entries shown:"), amountLabel(shown));
    }
    const int totalsHeight = std::max(totals->sizeHint().height(), form->rowCount() * 16);
    totals->setGeometry(21, 370, 251, totalsHeight);
    const int okTop = 370 + totalsHeight + 10;

    btnOK_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    btnOK_->setObjectName("btnOK");
    btnOK_->setGeometry(109, okTop, 75, 25);
    btnOK_->setDefault(true);
    connect(btnOK_, &QPushButton::clicked, this, &QDialog::accept);

    setFixedSize(292, okTop + 35);
    CentreOnDesktop(*this, parent);
}

void TfrmStat::FillTable() {
    auto put = [this](int row, int col, const QString& text) {
        auto* item = new QTableWidgetItem(text);
        item->setFlags(Qt::ItemIsEnabled);
        stgStat_->setItem(row, col, item);
    };
    put(0, 0, Translated(Statistics::ItemHeader));
    put(0, 1, Translated(Statistics::ValueHeader));
    // The headers are hidden, but screen readers read them: as the first row
    // shows them, and each row by its item rather than by its number.
    stgStat_->setHorizontalHeaderLabels({Translated(Statistics::ItemHeader), Translated(Statistics::ValueHeader)});
    QStringList items{Translated(Statistics::ItemHeader)};
    for (int i = 0; i < Statistics::RowCount; ++i) {
        items << Translated(counts_[std::size_t(i)].Label);
        put(i + 1, 0, items.back());
        put(i + 1, 1, QString::number(counts_[std::size_t(i)].Count));
    }
    stgStat_->setVerticalHeaderLabels(items);
}

void TfrmStat::showEvent(QShowEvent* event) {
    THelpDialog::showEvent(event);
    btnOK_->setFocus();
}

}  // namespace tkm
