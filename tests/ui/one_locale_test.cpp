#include "ui/main_window_fixture.h"

#include "grid/io/csv_reader.h"
#include "platform/qt/system_locale.h"
#include "support/temp_folder.h"
#include "tasks/task_table.h"
#include "ui/dialogs/stat_form.h"

#include <QProcess>
#include <QTableWidget>


namespace tkm {
namespace {

// The window and tkm under the machine's locale (ctest runs this in several):
// both must write and count the same texts.
class OneLocaleTest : public MainWindowTest {
protected:
    test::TTempFolder folder;

    void SetUp() override {
        formats = SystemLocaleFormats();  // what the program hands its window
        MainWindowTest::SetUp();
    }

    // tkm's output, with the window's clock.
    std::string Tkm(const QStringList& arguments) {
        QProcess tkm;
        tkm.start(QCoreApplication::applicationDirPath() + "/../src/tkm",
                  arguments + QStringList{"--today", "2026-12-08", "--now", "09:30:05"});
        EXPECT_TRUE(tkm.waitForFinished(10000));
        EXPECT_EQ(tkm.exitCode(), 0) << tkm.readAllStandardError().toStdString();
        return tkm.readAllStandardOutput().toStdString();
    }
};

TEST_F(OneLocaleTest, TkmNewWritesTheDatesAndTimesOfAddNewEntry) {
    AddEntries(1);
    const std::string file = folder.File("new.tkm");
    Tkm({"new", QString::fromStdString(file)});
    TBaseGrid written;
    TaskTable::SetUpGrid(written);
    LoadCsvDocument(written, file);
    ASSERT_EQ(written.RowCount(), 2);
    for (const int col : {colEntryDate, colDueDate, colDueTime, colCompletionDate, colCompletionTime}) {
        EXPECT_EQ(written.GetCellText(col, 1), Cell(col, 2)) << "column " << col;
        EXPECT_FALSE(Cell(col, 2).ends_with("AMP") || Cell(col, 2).ends_with("PMP"));
    }
}

TEST_F(OneLocaleTest, TkmStatsCountsWhatTheStatisticsDialogCounts) {
    const auto date = [&](int day) { return FormatDate({2026, 12, day}, formats.ShortDateFormat, formats); };
    const std::string file = folder.File("list.tkm");
    test::WriteBytes(file, std::string("No,Entry Date,Status,Task Description,Priority,Due Date,Due Time,"
                                       "Resources,Total Hours,Cost,Progress,Completion Date,Completion Time,"
                                       "Comment\r\n") +
                       "1,,Pending,call,High," + date(7) + ",,,,,0,,,\r\n" +
                       "2,,In Progress,write,Low," + date(8) + ",,,,,0,,,\r\n" +
                       "3,,Not Started,read,Normal," + date(9) + ",,,,,0,,,\r\n" +
                       "4,,Pending,sort,High,08/12/2026,,,,,0,,,\r\n" +  // today only where days come first
                       "5,,Completed,done,Low," + date(1) + ",,,,,100,,,\r\n");
    Start({QString::fromStdString(file)});
    TfrmStat report(Store(), clock.Today(), formats);
    std::string shown;
    for (int row = 1; row < report.stgStat()->rowCount(); ++row)
        shown += report.stgStat()->item(row, 0)->text().toStdString() + "\t" +
                 report.stgStat()->item(row, 1)->text().toStdString() + "\n";
    EXPECT_EQ(Tkm({"stats", QString::fromStdString(file)}), shown);
    EXPECT_NE(shown.find("Overdues\t"), std::string::npos);
    EXPECT_EQ(shown.find("Overdues\t0\n"), std::string::npos) << "the first entry is overdue in every locale";
}

}  // namespace
}  // namespace tkm
