#include "ui/dialogs/about_form.h"

#include "main_window_fixture.h"
#include "platform/fake/fake_dialogs.h"
#include "ui/dialogs/hot_label.h"

#include <QApplication>
#include <QEnterEvent>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <gtest/gtest.h>

namespace tkm {
namespace {

std::string Text(const TfrmAbout& form, const char* name) {
    return form.findChild<QLabel*>(name)->text().toStdString();
}

QColor HintBackground() { return QToolTip::palette().color(QPalette::ToolTipBase); }

void Hover(QWidget& label) {
    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), QPointF(1, 1));
    QCoreApplication::sendEvent(&label, &enter);
}

void Leave(QWidget& label) {
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&label, &leave);
}

TEST(AboutForm, ShowsTheNameVersionAndTheMakersAddresses) {
    RecordingShell shell;
    TfrmAbout form(shell);
    EXPECT_EQ(form.windowTitle().toStdString(), "About Taskmere");
    EXPECT_EQ(Text(form, "Label1"), "Taskmere");
    EXPECT_EQ(Text(form, "Label2"), "Version 1.0.2B");
    EXPECT_FALSE(Text(form, "Label3").empty());
    EXPECT_EQ(Text(form, "Label4"), "E-mail:");
    EXPECT_EQ(Text(form, "Label5"), "Website:");
    EXPECT_EQ(Text(form, "MailTo1"), "taskmere@example.org");
    EXPECT_EQ(Text(form, "HotLink1"), "https://taskmere.example.org");
    EXPECT_TRUE(form.BitBtn1()->isDefault());
    EXPECT_EQ(form.HotLink1()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(form.MailTo1()->cursor().shape(), Qt::PointingHandCursor);
}

TEST(AboutForm, ClickingALinkAsksTheShellForItsAddress) {
    RecordingShell shell;
    TfrmAbout form(shell);
    form.show();
    int clicks = 0;
    QObject::connect(form.HotLink1(), &THotLabel::clicked, [&] { ++clicks; });
    QTest::mouseClick(form.HotLink1(), Qt::LeftButton);
    QTest::mouseClick(form.MailTo1(), Qt::LeftButton);
    QTest::mouseClick(form.MailTo1(), Qt::RightButton);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(shell.Opened, (std::vector<std::string>{"https://taskmere.example.org",
                                                      "mailto:taskmere@example.org?SUBJECT=Taskmere"}));
}

TEST(AboutForm, HoveringALinkTurnsItBlueAndLendsTheHintColourUntilTheMouseLeaves) {
    RecordingShell shell;
    TfrmAbout form(shell);
    for (THotLabel* link : std::initializer_list<THotLabel*>{form.HotLink1(), form.MailTo1()}) {
        const TLabelLook before = link->Look();
        const QColor hintBefore = HintBackground();
        link->SetHintColor(QColor(1, 2, 3));
        EXPECT_TRUE(before.Font.underline());
        EXPECT_NE(before.Color, QColor(Qt::blue));

        Hover(*link);
        EXPECT_EQ(link->Look().Color, QColor(Qt::blue));
        EXPECT_TRUE(link->Look().Font.underline());
        EXPECT_EQ(HintBackground(), QColor(1, 2, 3));

        Hover(*link);  // a second enter must not save the hot look as the one to restore
        Leave(*link);
        EXPECT_EQ(link->Look().Color, before.Color);
        EXPECT_EQ(link->Look().Font, before.Font);
        EXPECT_EQ(HintBackground(), hintBefore);
    }
}

TEST(HotLabel, ComponentDefaultsBeforeTheAboutBoxStylesThem) {
    RecordingShell shell;
    THotLabel plain("text");
    EXPECT_FALSE(plain.HotTrack());
    EXPECT_EQ(plain.HintColor(), HintBackground());

    THotLink link("web", shell);
    EXPECT_TRUE(link.HotTrack());
    EXPECT_EQ(link.HotTrackLook().Color, QColor(Qt::blue));
    EXPECT_TRUE(link.HotTrackLook().Font.underline());

    TMailToLabel mail("mail", shell);
    EXPECT_EQ(mail.Look().Color, QColor(Qt::blue));
    EXPECT_EQ(mail.HotTrackLook().Color, QColor(Qt::red));
    EXPECT_TRUE(mail.HotTrackLook().Font.underline());
}

using AboutCommand = MainWindowTest;

TEST_F(AboutCommand, OpensTheAboutBoxModallyOverTheWindow) {
    std::string title;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget* box = QApplication::activeModalWidget();
        ASSERT_NE(box, nullptr);
        title = box->windowTitle().toStdString();
        modal = box->isModal() && box->parentWidget() == window.get();
        QTest::keyClick(box, Qt::Key_Return);
    });
    window->aclaboutExecute();
    EXPECT_EQ(title, "About Taskmere");
    EXPECT_TRUE(modal);
    EXPECT_TRUE(shell.Opened.empty());
}

}  // namespace
}  // namespace tkm
