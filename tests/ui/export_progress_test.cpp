#include "ui/dialogs/export_progress.h"

#include "base/errors.h"
#include "grid/io/office_export.h"
#include "platform/fake/fake_office_converter.h"
#include "tasks/task_document.h"
#include "tasks/task_table.h"

#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <memory>

namespace tkm {
namespace {

class ExportProgressTest : public ::testing::Test {
protected:
    QWidget window;
    TBaseGrid grid = EmptyTaskDocument();
    std::shared_ptr<FakeOfficeConverter> converter = std::make_shared<FakeOfficeConverter>();
    TOfficeExport exportInWindow = WithExportProgress(OfficeExportThrough(converter, {}), window);

    void SetUp() override {
        grid.SetCellText(colDescription, 1, "water the plants");
        window.show();
    }
};

TEST_F(ExportProgressTest, TheWindowGoesOnWhileTheServerWorksAndCancelStopsIt) {
    converter->RunUntilStopped = true;
    int windowEvents = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++windowEvents; });
    ticker.start(10);
    QString label;
    bool modal = false;
    QTimer::singleShot(300, [&] {
        auto* progress = window.findChild<QProgressDialog*>();
        if (!progress) return;
        label = progress->labelText();
        modal = progress->isVisible() && progress->windowModality() == Qt::WindowModal;
        progress->findChild<QPushButton*>()->click();
    });
    EXPECT_THROW(exportInWindow(grid, TOfficeFormat::Doc, "/nowhere/my list.doc", {}), EAbort);
    EXPECT_EQ(label.toStdString(), "Exporting my list.doc...");
    EXPECT_TRUE(modal);
    EXPECT_GT(windowEvents, 10) << "the window's events went on during the export";
    EXPECT_EQ(converter->Calls, 1);
    EXPECT_NE(converter->Document.find("water the plants"), std::string::npos);
    EXPECT_EQ(window.findChild<QProgressDialog*>(), nullptr) << "the dialog goes with the export";
}

TEST_F(ExportProgressTest, TheServersFailureComesBackToTheWindow) {
    converter->FailWith = "the disk is full";
    try {
        exportInWindow(grid, TOfficeFormat::Docx, "/nowhere/list.docx", {});
        ADD_FAILURE() << "no failure";
    } catch (const EGridFileError& e) {
        EXPECT_EQ(e.FullMessage(), "Cannot Create file /nowhere/list.docx: the disk is full");
    }
    EXPECT_EQ(converter->TargetPath, "/nowhere/list.docx");
}

}  // namespace
}  // namespace tkm
