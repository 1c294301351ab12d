#include "ui/grid/pdf_print_target.h"

#include "base/errors.h"
#include "grid/print/print_test_support.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <string>

namespace tkm {
namespace {

class PdfPrintTargetTest : public testing::PrintTest {
protected:
    PdfPrintTargetTest() { Fill({"No"}, 119); }

    std::string PathOf(const char* name) const { return folder.filePath(name).toStdString(); }
    static QByteArray Bytes(const std::string& path) {
        QFile file(QString::fromStdString(path));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QTemporaryDir folder;
};

TEST_F(PdfPrintTargetTest, WritesEveryPageOnLandscapePaperWithMargins) {
    const std::string path = PathOf("list.pdf");
    TPdfPrintTarget pdf(path);
    pdf.SetOrientation(TPrintOrientation::Landscape);
    const TDeviceArea area = pdf.PrintableArea();
    const TPageArea page = TPrintEngine::AreaOf(area);
    EXPECT_GT(page.Width, page.Height);
    EXPECT_GE(page.Height, 1900);  // A4 or Letter, less 10 mm margins
    EXPECT_LE(page.Height, 1960);
    engine.Print(pdf);
    const QByteArray bytes = Bytes(path);
    ASSERT_TRUE(bytes.startsWith("%PDF"));
    // 120 rows do not fit one landscape page.
    EXPECT_GE(QString::fromLatin1(bytes).count(QRegularExpression("/Type\\s*/Page(?!s)")), 2);
}

TEST_F(PdfPrintTargetTest, AFailedJobLeavesTheOldFileAndNoScraps) {
    const std::string path = PathOf("list.pdf");
    {
        QFile old(QString::fromStdString(path));
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old pages");
    }
    // Past counting the 120 cells, into drawing the pages.
    int cells = 0;
    engine.SetOnGetCellPrintColor([&](int, int, TCellStyle&) {
        if (++cells == 120 + 60) throw EGridError("lost the grid");
    });
    EXPECT_THROW(PrintToPdf(engine, path), EGridError);
    EXPECT_EQ(Bytes(path), "old pages");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"list.pdf"});

    EXPECT_THROW(PrintToPdf(engine, PathOf("missing/list.pdf")), EGridFileError);
}

}  // namespace
}  // namespace tkm
