#include "ui/main_window_fixture.h"

#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"
#include "ui/ui_language.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QComboBox>
#include <QDir>
#include <QLocale>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sstream>

namespace tkm {
namespace {

// The window as a desktop in another language starts it: each fixture is
// registered to run under its LANG and skipped under any other.
template <QLocale::Language Language>
class TranslatedWindowTest : public MainWindowTest {
protected:
    TUiLanguage language;

    void SetUp() override {
        if (QLocale::system().language() != Language)
            GTEST_SKIP() << "runs under the LANG of " << QLocale::languageToString(Language).toStdString();
        ASSERT_TRUE(language.Install(QLocale::system(), {TASKMERE_TRANSLATIONS}));
        MainWindowTest::SetUp();
    }
    TGridEditors& Editors() { return Grid().SeparateEditors(); }
    void ClickCell(int col, int row) {
        const QPoint centre = Grid().CellRect(Store().RealToDisplay(col), row).center();
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, centre);
    }
    // Picks the status at `index` of the list in the first entry, which the
    // list shows as `shown`, then saves: the file's text.
    std::string ChooseStatusAndSave(int index, const QString& shown) {
        QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);  // the start-up edit
        Describe(1, "Milch kaufen");
        ClickCell(colStatus, 1);
        QComboBox* combo = Editors().Combo();
        EXPECT_EQ(Editors().Active(), combo);
        EXPECT_EQ(combo->itemText(index), shown);
        for (int i = 0; i < index; ++i) QTest::keyClick(combo->view(), Qt::Key_Down);
        QTest::keyClick(combo->view(), Qt::Key_Return);
        const QTemporaryDir folder;
        const std::string path = QDir(folder.path()).filePath("Liste.tkm").toStdString();
        dialogs.SaveChoices.push_back(TFileDialogResult{path, 1});
        window->aclFileSaveExecute();
        std::ifstream in(path, std::ios::binary);
        std::ostringstream saved;
        saved << in.rdbuf();
        return saved.str();
    }
};

using GermanWindowTest = TranslatedWindowTest<QLocale::German>;
using FrenchWindowTest = TranslatedWindowTest<QLocale::French>;

TEST_F(GermanWindowTest, MenusQuestionsAndQtsOwnButtonsSpeakGerman) {
    EXPECT_EQ(window->menuBar()->actions().front()->text(), "&Datei");

    Describe(1, "Milch kaufen");
    Store().SetCurrentCell(colDescription, 1);
    dialogs.Answers.push_back(TConfirmAnswer::No);
    window->aclDeleteExecute();
    ASSERT_EQ(dialogs.Questions.size(), 1u);
    EXPECT_EQ(dialogs.Questions[0].Text, "Möchten Sie die aktuelle Zeile wirklich löschen?");
    EXPECT_EQ(Cell(colDescription, 1), "Milch kaufen");

    // The Yes and No of every question come from Qt's own catalogue.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), "&Ja");
}

TEST_F(GermanWindowTest, AStatusChosenInGermanIsKeptAndSavedInEnglish) {
    const std::string saved = ChooseStatusAndSave(3, "Erledigt");
    EXPECT_EQ(Cell(colStatus, 1), "Completed");
    EXPECT_EQ(Grid().ShownText(colStatus, 1), "Erledigt");
    EXPECT_NE(saved.find(",Completed,"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("Erledigt"), std::string::npos);
    EXPECT_NE(saved.find("No,Entry Date,Status,"), std::string::npos);
}

// The table shows its headings, statuses and priorities in German and keeps
// them, and the copies of them, in English.
TEST_F(GermanWindowTest, TheTableShowsItsOwnWordsInGermanAndKeepsThemInEnglish) {
    EXPECT_EQ(window->windowTitle(), "Unbenannt - Taskmere");
    EXPECT_EQ(Grid().accessibleName(), "Unbenannt");
    EXPECT_EQ(Cell(colDescription, 0), "Task Description");
    EXPECT_EQ(Grid().ShownText(colDescription, 0), "Aufgabenbeschreibung");
    Store().SetCellText(colPriority, 1, "High");
    EXPECT_EQ(Grid().ShownText(colPriority, 1), "Hoch");
    // A word outside its own column, or a heading the user renamed, is the user's text.
    Store().SetCellText(colComment, 1, "High");
    Store().SetCellText(colComment, 0, "Notes");
    EXPECT_EQ(Grid().ShownText(colComment, 1), "High");
    EXPECT_EQ(Grid().ShownText(colComment, 0), "Notes");

    QAccessibleTableInterface* cells = QAccessible::queryAccessibleInterface(&Grid())->tableInterface();
    EXPECT_EQ(cells->cellAt(1, Store().RealToDisplay(colPriority))->text(QAccessible::Name), "Hoch");
    EXPECT_EQ(cells->columnDescription(Store().RealToDisplay(colDescription)), "Aufgabenbeschreibung");

    // The first show makes room for "Eintragsdatum" and "Nicht begonnen"; the
    // description's column was wide enough.
    for (const int col : {colEntryDate, colStatus})
        EXPECT_GT(Store().ColWidth(Store().RealToDisplay(col)), TaskTable::Widths[std::size_t(col)]) << col;
    EXPECT_EQ(Store().ColWidth(Store().RealToDisplay(colDescription)), TaskTable::Widths[colDescription]);
}

TEST_F(FrenchWindowTest, TheFileMenuAndAStatusChosenInFrench) {
    EXPECT_EQ(window->menuBar()->actions().front()->text(), "&Fichier");
    const std::string saved = ChooseStatusAndSave(1, "En cours");
    EXPECT_EQ(Cell(colStatus, 1), "In Progress");
    EXPECT_NE(saved.find(",In Progress,"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("En cours"), std::string::npos);
}

}  // namespace
}  // namespace tkm
