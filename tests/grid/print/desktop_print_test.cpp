#include "grid/print/desktop_print.h"

#include "grid/print/print_test_support.h"
#include "platform/fake/fake_dialogs.h"
#include "platform/fake/fake_printer.h"

#include <climits>

namespace tkm::testing {
namespace {

class DesktopPrintTest : public PrintTest {
protected:
    DesktopPrintTest() { Fill({"No", "Status"}, 3); }

    FakePrinter printer;
    ScriptedDialogs dialogs;
};

TEST_F(DesktopPrintTest, AnInstalledPrinterPrintsLandscapeWhatThePrintDialogChose) {
    dialogs.PrintJobs = {TPrintJob{"Office", 1, INT_MAX, 2}};
    EXPECT_TRUE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    ASSERT_EQ(printer.Jobs.size(), 1u);
    EXPECT_EQ(printer.Jobs[0].PrinterName, "Office");
    EXPECT_EQ(printer.Jobs[0].Copies, 2);
    EXPECT_TRUE(printer.Files.empty());
    EXPECT_TRUE(dialogs.Questions.empty());
    EXPECT_EQ(printer.Device.Orientation, TPrintOrientation::Landscape);
    EXPECT_TRUE(printer.Device.Ended);
    EXPECT_NE(Find(printer.Device.canvas, "r3c1"), nullptr);

    // Cancel in the print dialog prints nothing.
    dialogs.PrintJobs = {std::nullopt};
    EXPECT_FALSE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    EXPECT_EQ(printer.Jobs.size(), 1u);
}

TEST_F(DesktopPrintTest, APageRangePrintsOnlyThosePagesWithTheirNumbersOfTheWholeJob) {
    Fill({"No", "Status"}, 100);
    settings.PageNr = ppBottomRight;
    RecordingPrinter all;
    engine.Print(all);
    ASSERT_GE(all.canvas.Page, 4);

    dialogs.PrintJobs = {TPrintJob{"", 2, 3, 1}};
    EXPECT_TRUE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    const RecordingCanvas& pages = printer.Device.canvas;
    EXPECT_EQ(pages.Page, 2);  // two sheets, not three with a blank one first
    EXPECT_EQ(Find(pages, "r1c1"), nullptr);
    EXPECT_EQ(Find(pages, "r100c1"), nullptr);
    // The first sheet is the job's page 2 of all of them.
    EXPECT_EQ(DecorationsOn(pages, 1), DecorationsOn(all.canvas, 2));
    EXPECT_NE(DecorationsOn(pages, 1), DecorationsOn(all.canvas, 1));
}

TEST_F(DesktopPrintTest, WithoutAPrinterThePagesGoToTheChosenPdfFileOrNowhereOnlyWhenDeclined) {
    printer.IsInstalled = false;
    dialogs.Answers = {TConfirmAnswer::Yes};
    dialogs.SaveChoices = {TFileDialogResult{"/home/u/chosen.pdf", 1}};
    EXPECT_TRUE(PrintOnDesktop(engine, printer, dialogs, "/home/u/list.pdf"));
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "No printer is installed. Save the pages as a PDF file?");
    EXPECT_EQ(dialogs.Questions[0].Buttons, TConfirmButtons::YesNo);
    EXPECT_EQ(dialogs.SaveRequests.at(0).InitialDir, "/home/u");
    EXPECT_EQ(dialogs.SaveRequests.at(0).FileName, "list.pdf");
    EXPECT_EQ(dialogs.SaveRequests.at(0).DefaultExt, "pdf");
    EXPECT_EQ(printer.Files, std::vector<std::string>{"/home/u/chosen.pdf"});
    EXPECT_TRUE(printer.Device.Ended);

    dialogs.Answers = {TConfirmAnswer::No};
    EXPECT_FALSE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    dialogs.Answers = {TConfirmAnswer::Yes};
    dialogs.SaveChoices = {std::nullopt};
    EXPECT_FALSE(PrintOnDesktop(engine, printer, dialogs, "list.pdf"));
    EXPECT_EQ(printer.Files.size(), 1u);
}

TEST_F(DesktopPrintTest, AJobThatCannotStartReachesTheCaller) {
    printer.Device.RefuseStart = true;
    dialogs.PrintJobs = {TPrintJob{}};
    EXPECT_THROW(PrintOnDesktop(engine, printer, dialogs, "list.pdf"), EGridError);
    EXPECT_FALSE(printer.Device.Ended);
}

}  // namespace
}  // namespace tkm::testing
