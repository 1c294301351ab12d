#include "ui/dialogs/print_settings_dialog.h"

#include "platform/fake/fake_dialogs.h"
#include "settings/print_settings_file.h"
#include "support/temp_folder.h"
#include "ui/task_list_print_fixture.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTimer>

#include <gtest/gtest.h>

namespace tkm {
namespace {

class PrintSettingsDialogTest : public TaskListPrintTest {
protected:
    TPrintableGrid grid{settings, print.Engine()};
    ScriptedDialogs dialogs;
    TGridPrintSettingsDialog dialog{dialogs};
    test::TTempFolder folder;

    void SetUp() override { dialog.SetGrid(&grid); }
    // Runs the dialog; `work` sees the shown form and closes it.
    bool Run(const std::function<void(TGridPrintSettingsForm&)>& work) {
        QTimer::singleShot(0, [&] { work(dialog.Form()); });
        return dialog.Execute();
    }
};

TEST_F(PrintSettingsDialogTest, OkWithoutChangesMovesTheTitleTextAndRoundsInchesBackToTheSameTenths) {
    settings.TitleText = "Kitchen plan";
    settings.LeftSize = 25;
    dialog.SetPrintDimensions(TPrintDimensions::Inches);
    EXPECT_TRUE(Run([&](TGridPrintSettingsForm& form) {
        EXPECT_EQ(form.windowTitle(), "Print Settings");
        EXPECT_EQ(form.Length(1)->text(), QLocale().toString(0.10, 'f', 2));
        EXPECT_EQ(form.UnitLabel(1)->text(), "inch");
        EXPECT_EQ(form.memTitle()->toPlainText(), "Kitchen plan");
        EXPECT_NE(form.pnlPreview(), nullptr);
        form.btnOK()->click();
    }));
    EXPECT_EQ(settings.LeftSize, 25);
    EXPECT_TRUE(settings.TitleText.empty());
    EXPECT_EQ(settings.TitleLines, std::vector<std::string>{"Kitchen plan"});

    // Back in mm the same length shows in tenths of a millimetre.
    EXPECT_TRUE(Run([&](TGridPrintSettingsForm& form) {
        form.rbMm()->setChecked(true);
        EXPECT_DOUBLE_EQ(form.Length(1)->value(), 2.5);
        EXPECT_EQ(form.UnitLabel(6)->text(), "mm");
        form.btnOK()->click();
    }));
    EXPECT_EQ(settings.LeftSize, 25);
}

TEST_F(PrintSettingsDialogTest, ControlsEditTheSettingsAndFollowTheEnablingRules) {
    EXPECT_TRUE(Run([&](TGridPrintSettingsForm& form) {
        form.cbBorders()->setCurrentIndex(0);
        EXPECT_FALSE(form.cbBorderStyle()->isEnabled());
        form.cbDatePos()->setCurrentIndex(0);
        EXPECT_FALSE(form.edDateFormat()->isEnabled());
        form.cbDatePos()->setCurrentIndex(ppTopRight);
        EXPECT_TRUE(form.edDateFormat()->isEnabled());
        form.edDateFormat()->setText("yyyy-mm-dd");
        form.memTitle()->setPlainText("Week\nKitchen");
        form.chkAutoSize()->setChecked(false);
        form.Length(0)->setValue(12.5);
        form.cbOrientation()->setCurrentIndex(0);
        EXPECT_EQ(settings.Borders, pbNoborder);  // changes go straight in
        form.btnOK()->click();
    }));
    EXPECT_EQ(settings.Date, ppTopRight);
    EXPECT_EQ(settings.DateFormat, "yyyy-mm-dd");
    EXPECT_EQ(settings.TitleLines, (std::vector<std::string>{"Week", "Kitchen"}));
    EXPECT_TRUE(settings.NoAutoSize);
    EXPECT_EQ(settings.HeaderSize, 125);
    EXPECT_EQ(settings.Orientation, TPrintOrientation::Portrait);

    // Only the first tab and the groups left in the options.
    dialog.SetOptions(psBorders | psFonts);
    EXPECT_FALSE(dialog.Form().pgcSettings()->isTabVisible(1));
    EXPECT_FALSE(dialog.Form().pgcSettings()->isTabVisible(3));
    EXPECT_FALSE(dialog.Form().cbFitToPage()->isEnabled());
    EXPECT_THROW(TGridPrintSettingsDialog(dialogs).Execute(), EGridError);
}

TEST_F(PrintSettingsDialogTest, EveryStoredKindAndLengthComesBackAsItWentInAndATrailingLineEndAddsNoTitleLine) {
    settings.Borders = pbCustom;
    settings.BorderStyle = psInsideFrame;
    settings.FitToPage = fpCustom;
    settings.LeftSize = 9000;  // beyond the field's 500 mm, from a file written by hand
    settings.RowSpacing = 1000;
    EXPECT_TRUE(Run([&](TGridPrintSettingsForm& form) {
        EXPECT_EQ(form.cbBorders()->currentIndex(), int(pbCustom));
        EXPECT_EQ(form.cbBorderStyle()->currentIndex(), int(psInsideFrame));
        EXPECT_EQ(form.cbFitToPage()->currentIndex(), int(fpCustom));
        form.memTitle()->setPlainText("Week\nKitchen\n");
        form.btnOK()->click();
    }));
    EXPECT_EQ(settings.Borders, pbCustom);
    EXPECT_EQ(settings.BorderStyle, psInsideFrame);
    EXPECT_EQ(settings.FitToPage, fpCustom);
    EXPECT_EQ(settings.TitleLines, (std::vector<std::string>{"Week", "Kitchen"}));
    // A field at its maximum is not applied; just below it is.
    EXPECT_EQ(settings.LeftSize, 9000);
    EXPECT_EQ(settings.RowSpacing, 1000);
    EXPECT_TRUE(Run([&](TGridPrintSettingsForm& form) {
        form.Length(1)->setValue(499.99);
        form.Length(4)->setValue(100);
        form.btnOK()->click();
    }));
    EXPECT_EQ(settings.LeftSize, 5000);
    EXPECT_EQ(settings.RowSpacing, 1000);
}

TEST_F(PrintSettingsDialogTest, ThePreviewPaneWidensTheFormByItsWidthAndOkAndCancelFlankTheMiddle) {
    TGridPrintSettingsForm& form = dialog.Form();
    form.FillControls();
    const auto shownWidth = [&](bool pane) {
        form.SetPrintPreview(pane);
        form.show();
        const int middle = form.width() / 2;
        EXPECT_NEAR(form.btnOK()->geometry().right() + 1, middle - TGridPrintSettingsForm::ButtonGap, 1);
        EXPECT_NEAR(form.btnCancel()->x(), middle + TGridPrintSettingsForm::ButtonGap, 1);
        const int width = form.width();
        form.hide();
        return width;
    };
    const int withPane = shownWidth(true);
    const int withoutPane = shownWidth(false);
    EXPECT_EQ(withPane - withoutPane, TGridPrintSettingsForm::PreviewWidth);
    EXPECT_EQ(withoutPane - form.pgcSettings()->width(), 2 * form.layout()->contentsMargins().left());
}

TEST_F(PrintSettingsDialogTest, SavedSettingsLoadBackAndCancelRestoresFontsAndLoadedFiles) {
    const std::string file = folder.File("kitchen");
    dialogs.SaveChoices = {TFileDialogResult{file, 1}};
    dialogs.Fonts = {TPrintFont{"Courier New", 14, 1, 0}};
    EXPECT_TRUE(Run([&](TGridPrintSettingsForm& form) {
        form.btnFont(2)->click();  // the table font
        form.memTitle()->setPlainText("One\nTwo");
        form.btnSave()->click();
        form.btnOK()->click();
    }));
    EXPECT_EQ(dialogs.FontRequests.at(0), TPrintSettings::TaskGrid().Font);
    EXPECT_EQ(dialogs.SaveRequests.at(0).Filter, "INI files (*.ini)|*.ini|All files (*.*)|*.*");
    const TPrintSettings saved = settings;
    EXPECT_EQ(saved.Font, (TPrintFont{"Courier New", 14, 1, 0}));

    // A file without "Centered", loaded then cancelled; then the saved one loaded for good.
    test::WriteBytes(folder.File("hand.ini"), "[PRINTSETTINGS]\r\nBorders=2\r\n");
    settings.Centered = false;
    const TPrintSettings before = settings;
    dialogs.OpenChoices = {TFileDialogResult{folder.File("hand.ini"), 1}};
    dialogs.Fonts = {TPrintFont{"Times New Roman", 8, 2, 0}};
    EXPECT_FALSE(Run([&](TGridPrintSettingsForm& form) {
        form.btnLoad()->click();
        EXPECT_TRUE(settings.Centered);
        EXPECT_EQ(form.cbBorders()->currentIndex(), pbDouble);
        form.btnFont(0)->click();
        form.btnCancel()->click();
    }));
    EXPECT_EQ(settings, before);

    dialogs.OpenChoices = {TFileDialogResult{file, 1}};  // the ".ini" rule finds kitchen.ini
    settings = TPrintSettings::TaskGrid();
    EXPECT_TRUE(Run([&](TGridPrintSettingsForm& form) {
        form.btnLoad()->click();
        form.btnOK()->click();
    }));
    EXPECT_TRUE(dialogs.Errors.empty()) << dialogs.Errors.at(0);
    TPrintSettings expected = saved;
    expected.Font.Styles = saved.Font.Styles | TPrintSettings::TaskGrid().Font.Styles;
    EXPECT_EQ(settings, expected);
}

}  // namespace
}  // namespace tkm
