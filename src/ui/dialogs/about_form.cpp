#include "ui/dialogs/about_form.h"

#include "base/project_info.h"
#include "ui/dialogs/hot_label.h"

#include <QApplication>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace tkm {

namespace {

QLabel* NamedLabel(const char* name, const QString& text, QWidget* parent, bool bold = false) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    if (bold) {
        QFont font = label->font();
        font.setBold(true);
        label->setFont(font);
    }
    return label;
}

QFrame* Bevel(QFrame::Shape shape, QWidget* parent) {
    auto* line = new QFrame(parent);
    line->setFrameShape(shape);
    line->setFrameShadow(QFrame::Sunken);
    return line;
}

// Both links read as the window's underlined text and turn blue under the
// mouse; the window's colour, as the e-mail link starts out blue itself.
void StyleLink(THotLabel& link, const QColor& windowText) {
    QFont underlined = link.font();
    underlined.setUnderline(true);
    link.SetLook({underlined, windowText});
    link.SetHotTrackLook({underlined, Qt::blue});
}

}  // namespace

TfrmAbout::TfrmAbout(Shell& shell, QWidget* parent) : THelpDialog(HelpContext, parent) {
    setWindowTitle(tr("About %1").arg(Project::Name));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    auto* image1 = new QLabel(this);
    image1->setObjectName("Image1");
    const QIcon icon = qApp->windowIcon().isNull() ? style()->standardIcon(QStyle::SP_FileDialogDetailedView)
                                                   : qApp->windowIcon();
    image1->setPixmap(icon.pixmap(32, 32));

    QLabel* label1 = NamedLabel("Label1", Project::Name, this, true);
    QFont title = label1->font();
    title.setPixelSize(17);
    label1->setFont(title);

    hotLink1_ = new THotLink(Project::WebSite, shell, this);
    hotLink1_->setObjectName("HotLink1");
    hotLink1_->Url = Project::WebSite;
    StyleLink(*hotLink1_, palette().color(QPalette::WindowText));

    mailTo1_ = new TMailToLabel(Project::MailAddress, shell, this);
    mailTo1_->setObjectName("MailTo1");
    mailTo1_->Message = {Project::MailAddress, Project::Name, "", ""};
    StyleLink(*mailTo1_, palette().color(QPalette::WindowText));

    bitBtn1_ = new QPushButton(style()->standardIcon(QStyle::SP_DialogOkButton), tr("OK"), this);
    bitBtn1_->setObjectName("BitBtn1");
    bitBtn1_->setMinimumSize(75, 25);
    bitBtn1_->setDefault(true);
    connect(bitBtn1_, &QPushButton::clicked, this, &QDialog::accept);

    // Icon column on the left, divided from the texts by the bevel lines.
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(10);
    grid->setVerticalSpacing(4);
    grid->addWidget(Bevel(QFrame::VLine, this), 0, 0, Qt::AlignHCenter);
    grid->addWidget(image1, 1, 0, Qt::AlignCenter);
    grid->addWidget(label1, 1, 1, Qt::AlignVCenter);
    grid->addWidget(Bevel(QFrame::HLine, this), 2, 0, 1, 2);
    grid->addWidget(Bevel(QFrame::VLine, this), 3, 0, 8, 1, Qt::AlignHCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    texts->addWidget(NamedLabel("Label2", Project::Version, this));
    texts->addWidget(NamedLabel("Label3", QCoreApplication::translate("Project", Project::Tagline), this));
    texts->addSpacing(12);
    texts->addWidget(NamedLabel("Label4", tr("E-mail:"), this, true));
    texts->addWidget(mailTo1_);
    texts->addSpacing(4);
    texts->addWidget(NamedLabel("Label5", tr("Website:"), this, true));
    texts->addWidget(hotLink1_);
    grid->addLayout(texts, 3, 1, 8, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bitBtn1_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 12, 24, 12);
    layout->addLayout(grid);
    layout->addSpacing(16);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    // The e-mail link stands above the website link; OK comes last.
    setTabOrder(mailTo1_, hotLink1_);
    setTabOrder(hotLink1_, bitBtn1_);

    if (const QScreen* screen = parent ? parent->screen() : QWidget::screen())
        move(screen->availableGeometry().center() - QPoint(sizeHint().width(), sizeHint().height()) / 2);
}

}  // namespace tkm
