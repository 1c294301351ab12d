#include "ui/main_window_fixture.h"

#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"
#include "ui/ui_language.h"

#include <QAbstractItemView>
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

// The window as a German desktop starts it: registered to run under
// LANG=de_DE.UTF-8, skipped under any other language.
class GermanWindowTest : public MainWindowTest {
protected:
    TUiLanguage language;

    void SetUp() override {
        if (QLocale::system().language() != QLocale::German) GTEST_SKIP() << "runs under LANG=de_DE.UTF-8";
        ASSERT_TRUE(language.Install(QLocale::system(), {TASKMERE_TRANSLATIONS}));
        MainWindowTest::SetUp();
    }
    TGridEditors& Editors() { return Grid().SeparateEditors(); }
    void ClickCell(int col, int row) {
        const QPoint centre = Grid().CellRect(Store().RealToDisplay(col), row).center();
        QTest::mouseClick(Grid().viewport(), Qt::LeftButton, {}, centre);
    }
};

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
    QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);  // the start-up edit
    Describe(1, "Milch kaufen");
    ClickCell(colStatus, 1);
    QComboBox* combo = Editors().Combo();
    ASSERT_EQ(Editors().Active(), combo);
    ASSERT_EQ(combo->itemText(0), "Nicht begonnen");
    ASSERT_EQ(combo->itemText(3), "Erledigt");
    for (int i = 0; i < 3; ++i) QTest::keyClick(combo->view(), Qt::Key_Down);
    QTest::keyClick(combo->view(), Qt::Key_Return);
    EXPECT_EQ(Cell(colStatus, 1), "Completed");

    const QTemporaryDir folder;
    const std::string path = QDir(folder.path()).filePath("Liste.tkm").toStdString();
    dialogs.SaveChoices.push_back(TFileDialogResult{path, 1});
    window->aclFileSaveExecute();
    std::ifstream in(path, std::ios::binary);
    std::ostringstream saved;
    saved << in.rdbuf();
    EXPECT_NE(saved.str().find(",Completed,"), std::string::npos) << saved.str();
    EXPECT_EQ(saved.str().find("Erledigt"), std::string::npos);
    EXPECT_NE(saved.str().find("No,Entry Date,Status,"), std::string::npos);
}

}  // namespace
}  // namespace tkm
