#include "grid/print/desktop_print.h"

#include "grid/print/print_test_support.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_printer.h"

namespace tkm::testing {
namespace {

class DesktopPrintTest : public PrintTest {
protected:
    DesktopPrintTest() { Fill({"No", "Status"}, 3); }

    FakePrinter printer;
    ScriptedDialogs dialogs;
};

TEST_F(DesktopPrintTest, AnInstalledPrinterPrintsLandscapeWithoutAQuestion) {
    EXPECT_TRUE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    EXPECT_EQ(printer.Jobs, 1);
    EXPECT_TRUE(printer.Files.empty());
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(printer.Device.Orientation, TPrintOrientation::Landscape);
    EXPECT_TRUE(printer.Device.Ended);
    EXPECT_NE(Find(printer.Device.canvas, "r3c1"), nullptr);
}

TEST_F(DesktopPrintTest, WithoutAPrinterThePagesGoToTheChosenPdfFileOrNowhereOnlyWhenDeclined) {
    printer.IsInstalled = false;
    dialogs.Answers = {TConfirmAnswer::Yes};
    dialogs.SaveChoices = {TFileDialogResult{"/home/u/chosen.pdf", 1}};
    EXPECT_TRUE(PrintOnDesktop(engine, printer, dialogs, "/home/u/list.pdf"));
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "No printer is installed. Save the pages as a PDF file?");
    EXPECT_EQ(dialogs.Questions[0].Buttons, TConfirmButtons::YesNo);
    EXPECT_EQ(dialogs.SaveRequests.at(0).FileName, "/home/u/list.pdf");
    EXPECT_EQ(dialogs.SaveRequests.at(0).DefaultExt, "pdf");
    EXPECT_EQ(printer.Files, std::vector<std::string>{"/home/u/chosen.pdf"});
    EXPECT_TRUE(printer.Device.Ended);

    dialogs.Answers = {TConfirmAnswer::No};
    EXPECT_FALSE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    dialogs.Answers = {TConfirmAnswer::Yes};
    dialogs.SaveChoices = {std::nullopt};
    EXPECT_FALSE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    EXPECT_EQ(printer.Jobs, 1);
}

TEST_F(DesktopPrintTest, AJobThatCannotStartReachesTheCaller) {
    printer.Device.RefuseStart = true;
    EXPECT_THROW(PrintOnDesktop(engine, printer, dialogs, "list.pdf"), EGridError);
    EXPECT_FALSE(printer.Device.Ended);
}

}  // namespace
}  // namespace tkm::testing
