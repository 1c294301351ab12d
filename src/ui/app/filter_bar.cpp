#include "ui/app/filter_bar.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolButton>

namespace tkm {

TFilterBar::TFilterBar(QWidget* parent) : QWidget(parent) {
    setObjectName("pnlFilter");
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 3, 4, 3);
    auto* wordsLabel = new QLabel(tr("&Filter:"), this);
    edtWords_ = new QLineEdit(this);
    edtWords_->setObjectName("edtFilter");
    edtWords_->setPlaceholderText(tr("Words the entries hold"));
    edtWords_->setClearButtonEnabled(true);
    wordsLabel->setBuddy(edtWords_);
    auto* showLabel = new QLabel(tr("&Show:"), this);
    cbxShow_ = new QComboBox(this);
    cbxShow_->setObjectName("cbxFilterShow");
    // In the order of TShowChoice.
    cbxShow_->addItems({tr("All entries"), tr("Open"), tr("Due today"), tr("Overdue"), tr("Due this week")});
    showLabel->setBuddy(cbxShow_);
    auto* close = new QToolButton(this);
    close->setObjectName("btnFilterClose");
    close->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
    close->setToolTip(tr("Close the filter (Esc)"));
    close->setAutoRaise(true);
    layout->addWidget(wordsLabel);
    layout->addWidget(edtWords_, 1);
    layout->addWidget(showLabel);
    layout->addWidget(cbxShow_);
    layout->addWidget(close);
    connect(edtWords_, &QLineEdit::textChanged, this, &TFilterBar::FilterChanged);
    connect(cbxShow_, &QComboBox::currentIndexChanged, this, &TFilterBar::FilterChanged);
    connect(close, &QToolButton::clicked, this, &TFilterBar::Close);
    edtWords_->installEventFilter(this);
    cbxShow_->installEventFilter(this);
    hide();
}

TTaskFilter TFilterBar::Filter() const {
    if (isHidden()) return {};
    return {.Words = edtWords_->text().toStdString(), .Show = TShowChoice(cbxShow_->currentIndex())};
}

void TFilterBar::Open() {
    show();
    edtWords_->setFocus();
    edtWords_->selectAll();
    emit FilterChanged();
}

void TFilterBar::Close() {
    if (isHidden()) return;
    hide();
    emit FilterChanged();
    emit Closed();
}

bool TFilterBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
        Close();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace tkm
