#include "ui/dialogs/calendar_form.h"

#include "main_window_fixture.h"
#include "support/temp_folder.h"
#include "ui/grid/grid_date_picker.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolBar>

namespace tkm {
namespace {

TEST(CalendarForm, OpensOnTodayAndOnlyGoMovesTheCalendar) {
    TfrmCalendar form(TDate{2026, 12, 8}, TLocaleFormats{});
    EXPECT_EQ(form.windowTitle(), "Taskmere - Calendar");
    EXPECT_EQ(form.size(), QSize(592, 373));
    EXPECT_EQ(form.minimumSize(), form.maximumSize());
    EXPECT_EQ(form.dtedCalendar()->Text(), "08/12/2026");
    EXPECT_EQ(form.mthCalCalendar()->selectedDate(), QDate(2026, 12, 8));
    EXPECT_TRUE(form.btnOk()->isDefault());

    form.dtedCalendar()->SetValue({TDate{2027, 3, 1}, {}});
    EXPECT_EQ(form.mthCalCalendar()->selectedDate(), QDate(2026, 12, 8));
    QTest::mouseClick(form.Button1(), Qt::LeftButton);
    EXPECT_EQ(form.mthCalCalendar()->selectedDate(), QDate(2027, 3, 1));
    EXPECT_EQ(form.mthCalCalendar()->monthShown(), 3);
    QTest::mouseClick(form.Button2(), Qt::LeftButton);
    EXPECT_EQ(form.dtedCalendar()->Text(), "08/12/2026");
    EXPECT_EQ(form.mthCalCalendar()->selectedDate(), QDate(2026, 12, 8));
    if (!qEnvironmentVariableIsEmpty("TKM_SCREENSHOTS")) {
        form.show();
        form.grab().save(qEnvironmentVariable("TKM_SCREENSHOTS") + "/calendar_form.png");
    }
}

TEST(CalendarForm, EscapeActsAsOkEvenWithTheDateEditFocused) {
    TfrmCalendar form(TDate{2026, 12, 8}, TLocaleFormats{});
    form.show();
    form.activateWindow();
    form.dtedCalendar()->setFocus();
    QTest::keyClick(form.dtedCalendar(), Qt::Key_Escape);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

TEST(CalendarForm, EnterInTheMonthCalendarActsAsOk) {
    TfrmCalendar form(TDate{2026, 12, 8}, TLocaleFormats{});
    form.show();
    form.activateWindow();
    auto* days = form.mthCalCalendar()->findChild<QAbstractItemView*>();
    ASSERT_NE(days, nullptr);
    days->setFocus();
    QTest::keyClick(days, Qt::Key_Return);
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.result(), QDialog::Accepted);
}

using CalendarCommand = MainWindowTest;

TEST_F(CalendarCommand, TheLastToolButtonOpensItModallyOnToday) {
    QAction* action = window->Action("aclViewCalendar");
    EXPECT_EQ(action->text(), "&View Calendar");
    EXPECT_EQ(action->statusTip(), "Opens calendar window");
    EXPECT_EQ(action->toolTip(), "View Calendar");
    EXPECT_EQ(window->findChild<QToolBar*>("tlbMain")->actions().back(), action);
    clock.Set({2027, 1, 15}, {8, 0, 0});
    QDate shown;
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TfrmCalendar*>(QApplication::activeModalWidget());
        if (!form) return ADD_FAILURE() << "the calendar is not showing";
        shown = form->mthCalCalendar()->selectedDate();
        QTest::keyClick(form->dtedCalendar(), Qt::Key_Escape);
    });
    action->trigger();
    EXPECT_EQ(shown, QDate(2027, 1, 15));
}

class HelpCommand : public MainWindowTest {};

TEST_F(HelpCommand, WithoutTaskmereHlpF1OpensTheInstalledUserGuide) {
    const test::TTempFolder root;
    std::filesystem::create_directories(root.Path() / "bin");
    std::filesystem::create_directories(root.Path() / "share/doc/taskmere");
    const std::string guide = (root.Path() / "share/doc/taskmere/user-guide.html").string();
    test::WriteBytes(guide, "<html></html>");
    window = std::make_unique<TfrmMain>(
        TAppServices{dialogs, shell, clock, formats, "", (root.Path() / "bin").string()}, QStringList());
    window->Action("mnuContents1")->trigger();
    ASSERT_EQ(shell.Opened, std::vector<std::string>{guide});

    // F1 in a dialog opens the same page.
    const auto pressF1AndClose = [] {
        if (QWidget* form = QApplication::activeModalWidget()) {
            QTest::keyClick(form, Qt::Key_F1);
            QTest::keyClick(form, Qt::Key_Escape);
        }
    };
    QTimer::singleShot(0, pressF1AndClose);
    window->aclViewCalendarExecute();
    QTimer::singleShot(0, pressF1AndClose);
    window->aclaboutExecute();
    EXPECT_EQ(shell.Opened, (std::vector<std::string>{guide, guide, guide}));
}

}  // namespace
}  // namespace tkm
