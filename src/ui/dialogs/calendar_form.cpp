#include "ui/dialogs/calendar_form.h"

#include "ui/dialogs/desktop_centre.h"
#include "ui/dialogs/glyph_button.h"
#include "ui/grid/grid_date_picker.h"
#include "ui/screen_font.h"

#include <QAbstractItemView>
#include <QCalendarWidget>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tkm {

namespace {

// The outer size is 600 x 400; what the window frame takes is the desktop's.
constexpr QSize ClientSize(592, 373);
constexpr int TopBarHeight = 33;
constexpr int BottomBarHeight = 41;

// The top bar's buttons leave Enter to OK.
QPushButton* BarButton(const char* name, const QString& caption, int width, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setMinimumWidth(width);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

TfrmCalendar::TfrmCalendar(const TDate& today, const TLocaleFormats& formats, QWidget* parent)
    : THelpDialog(HelpContext, parent), formats_(formats), today_(today) {
    setWindowTitle(tr("Taskmere - Calendar"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(ScreenFont(8));

    auto* label1 = new QLabel(tr("Goto &Date:"), this);
    label1->setObjectName("Label1");
    dtedCalendar_ = new TGridDatePicker(TGridDatePicker::dtkDate, formats_, this);
    dtedCalendar_->setObjectName("dtedCalendar");
    dtedCalendar_->setCalendarPopup(true);
    dtedCalendar_->setMinimumWidth(121);
    label1->setBuddy(dtedCalendar_);
    button1_ = BarButton("Button1", tr("&Go"), 33, this);
    button2_ = BarButton("Button2", tr("&Today"), 45, this);
    connect(button1_, &QPushButton::clicked, this, &TfrmCalendar::Button1Click);
    connect(button2_, &QPushButton::clicked, this, &TfrmCalendar::Button2Click);

    auto* topBar = new QHBoxLayout;
    topBar->setContentsMargins(16, 4, 16, 4);
    topBar->addWidget(label1);
    topBar->addWidget(dtedCalendar_);
    topBar->addWidget(button1_);
    topBar->addWidget(button2_);
    topBar->addStretch();

    mthCalCalendar_ = new QCalendarWidget(this);
    mthCalCalendar_->setObjectName("mthCalCalendar");
    mthCalCalendar_->setGridVisible(false);
    mthCalCalendar_->setVerticalHeaderFormat(QCalendarWidget::NoVerticalHeader);

    btnOk_ = GlyphButton("btnOk", QStyle::SP_DialogOkButton, tr("OK"), this);
    btnOk_->setDefault(true);
    connect(btnOk_, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottomBar = new QHBoxLayout;
    bottomBar->addStretch();
    bottomBar->addWidget(btnOk_);
    bottomBar->addStretch();

    auto* top = new QWidget(this);
    top->setLayout(topBar);
    top->setFixedHeight(TopBarHeight);
    auto* bottom = new QWidget(this);
    bottom->setLayout(bottomBar);
    bottom->setFixedHeight(BottomBarHeight);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(top);
    layout->addWidget(mthCalCalendar_, 1);
    layout->addWidget(bottom);
    setFixedSize(ClientSize);

    Button2Click();
    installEventFilter(this);
    for (QWidget* child : findChildren<QWidget*>()) child->installEventFilter(this);

    CentreOnDesktop(*this, parent);
}

void TfrmCalendar::Button1Click() {
    const QDate date = dtedCalendar_->date();
    mthCalCalendar_->setSelectedDate(date);
    mthCalCalendar_->setCurrentPage(date.year(), date.month());
}

void TfrmCalendar::Button2Click() {
    dtedCalendar_->SetValue({today_, {}});
    Button1Click();
}

bool TfrmCalendar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return THelpDialog::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    auto* widget = static_cast<QWidget*>(watched);
    const bool escape = key == Qt::Key_Escape && widget->window() == this;
    // The month's day table takes Enter for itself; here it belongs to OK.
    const bool enterInDays = (key == Qt::Key_Return || key == Qt::Key_Enter) &&
                             qobject_cast<QAbstractItemView*>(widget) && mthCalCalendar_->isAncestorOf(widget);
    if (escape || enterInDays) {
        btnOk_->click();
        return true;
    }
    return THelpDialog::eventFilter(watched, event);
}

}  // namespace tkm
