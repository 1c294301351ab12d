#include "ui/dialogs/grid_preview_dialog.h"
#include "ui/grid/pdf_print_target.h"
#include "ui/grid/qprinter_print_target.h"
#include "ui/task_list_print_fixture.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace tkm {
namespace {

// A list whose every column holds text, printed on real sheets of paper.
class PrintedSheetTest : public TaskListPrintTest {
protected:
    void Entries(int count) {
        table.SetRowCount(count + 1);
        const char* const cells[TaskColumnCount] = {"7",        "01/12/2026", "In Progress", "Paint the fence",
                                                    "High",     "06/12/2026", "09:00:00",    "Sam",
                                                    "1.5",      "20.00",      "50",          "",
                                                    "",         "before the rain"};
        for (int row = 1; row <= count; ++row)
            for (int col = 0; col < TaskColumnCount; ++col) table.SetCellText(col, row, cells[col]);
    }
    std::string PathOf(const char* name) const { return folder.filePath(name).toStdString(); }
    static int PagesIn(const std::string& path) {
        QFile file(QString::fromStdString(path));
        if (!file.open(QIODevice::ReadOnly)) return 0;
        return int(QString::fromLatin1(file.readAll()).count(QRegularExpression("/Type\\s*/Page(?!s)")));
    }
    // pdfinfo's answer for one field, or the failure.
    static QString PdfInfo(const std::string& path, const QString& field) {
        QProcess pdfinfo;
        pdfinfo.start("pdfinfo", {QString::fromStdString(path)});
        if (!pdfinfo.waitForFinished(30000)) return "pdfinfo did not run";
        for (const QString& line : QString::fromUtf8(pdfinfo.readAllStandardOutput()).split('\n'))
            if (line.startsWith(field + ":")) return line.mid(field.size() + 1).trimmed();
        return "no " + field;
    }

    QTemporaryDir folder;
};

TEST_F(PrintedSheetTest, ThePreviewLaysItsPagesOutOnTheSheetThePrintUses) {
    Entries(100);
    const QPageSize a4(QPageSize::A4);
    const std::string path = PathOf("list.pdf");
    PrintToPdf(print.Engine(), path, a4);
    const int printed = PagesIn(path);
    ASSERT_GE(printed, 2);

    print.Engine().SetSheetSource([&](TPrintOrientation orientation) { return PdfSheet(a4, orientation); });
    TGridPreviewDialog dialog([] {});
    dialog.SetGrid(&print.Engine());
    dialog.SetPreviewWidth(600);
    dialog.SetPreviewHeight(400);
    QTimer::singleShot(0, [&] {
        auto* form = qobject_cast<TGridPreviewForm*>(QApplication::activeModalWidget());
        ASSERT_NE(form, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form));
        form->pnlPage()->repaint();
        // A window of 600 x 400 pixels shows the sheet's pages, not pages of its own size.
        EXPECT_EQ(print.Engine().PreviewPageCount(), printed);
        EXPECT_TRUE(form->btnNext()->isEnabled());
        form->btnClose()->click();
    });
    dialog.Execute();
}

TEST_F(PrintedSheetTest, TheDialogsPrinterPrintsWithItsPaperColourModeAndFile) {
    Entries(3);
    table.SetCellText(colDueDate, 1, "01/12/2026");  // overdue: red on a tinted band
    print.Engine().SetDocumentName("fence");
    // As the print dialog leaves its printer for "Print to File (PDF)" on A5 in grey.
    TPrinterSetup setup;
    setup.Printer.setOutputFormat(QPrinter::PdfFormat);
    const std::string path = PathOf("chosen.pdf");
    setup.Printer.setOutputFileName(QString::fromStdString(path));
    setup.Printer.setPageSize(QPageSize(QPageSize::A5));
    setup.Printer.setColorMode(QPrinter::GrayScale);
    TQPrinterTarget target(setup.Printer);
    print.Engine().Print(target);

    EXPECT_TRUE(PdfInfo(path, "Page size").endsWith("(A5)")) << PdfInfo(path, "Page size").toStdString();
    EXPECT_EQ(PdfInfo(path, "Title"), "fence");
    EXPECT_EQ(PdfInfo(path, "Creator"), "Taskmere");
    QProcess render;
    render.start("pdftoppm", {"-r", "40", "-png", "-singlefile", QString::fromStdString(path), folder.filePath("page")});
    ASSERT_TRUE(render.waitForFinished(30000));
    const QImage page(folder.filePath("page.png"));
    ASSERT_FALSE(page.isNull());
    EXPECT_TRUE(page.allGray());
}

}  // namespace
}  // namespace tkm
