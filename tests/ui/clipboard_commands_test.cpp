#include "ui/main_window_fixture.h"

#include "platform/qt/system_locale.h"

#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QTest>

namespace tkm {
namespace {

class ClipboardTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        Activate();
    }
    void Activate() {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }
    TGridInplaceEdit* Edit() { return Grid().InplaceEditor(); }
    bool Enabled(const char* name) { return window->Action(name)->isEnabled(); }
    void Trigger(const char* name) { window->Action(name)->trigger(); }
    void EditCell(int col, int row) {
        if (Grid().EditorMode()) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        Store().SetCurrentCell(col, row);
        QTest::keyClick(&Grid(), Qt::Key_F2);
    }
    void SetClipboard(const QString& text) { QApplication::clipboard()->setText(text); }
};

TEST_F(ClipboardTest, CommandsFollowTheFocusedTextBox) {
    SetClipboard("abc");
    ASSERT_EQ(QApplication::focusWidget(), Edit());
    EXPECT_FALSE(Enabled("aclCut"));
    EXPECT_FALSE(Enabled("aclCopy"));
    EXPECT_TRUE(Enabled("aclPaste"));
    QTest::keyClicks(Edit(), "hello");
    Edit()->selectAll();
    EXPECT_TRUE(Enabled("aclCut"));
    EXPECT_TRUE(Enabled("aclCopy"));

    QTest::keyClick(Edit(), Qt::Key_Escape);  // the grid alone
    ASSERT_EQ(QApplication::focusWidget(), &Grid());
    EXPECT_FALSE(Enabled("aclCut"));
    EXPECT_FALSE(Enabled("aclCopy"));
    EXPECT_FALSE(Enabled("aclPaste"));
    Store().SetCellText(colDescription, 1, "kept");
    QTest::keyClick(&Grid(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(&Grid(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "abc");
    EXPECT_EQ(Cell(colDescription, 1), "kept");

    EditCell(colStatus, 1);  // a list is not a text box
    EXPECT_FALSE(Enabled("aclCopy"));
    EXPECT_FALSE(Enabled("aclPaste"));
    EditCell(colProgress, 1);  // the spin editor is
    EXPECT_TRUE(Enabled("aclCopy"));
    EXPECT_TRUE(Enabled("aclPaste"));
}

TEST_F(ClipboardTest, PasteInsertsAtTheCaretOrOverTheSelection) {
    SetClipboard("line one\nline two");
    Trigger("aclPaste");
    EXPECT_EQ(Edit()->text(), "line one\nline two");
    EXPECT_EQ(Edit()->cursorPosition(), 17);
    EXPECT_FALSE(Edit()->hasSelectedText());
    EXPECT_EQ(Cell(colDescription, 1), "line one\nline two");  // the line break goes into the cell
    Edit()->setSelection(5, 3);
    SetClipboard("ONE");
    QTest::keyClick(Edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit()->text(), "line ONE\nline two");
    EXPECT_EQ(Edit()->selectedText(), "ONE");
    Edit()->setSelection(0, 4);
    Trigger("aclCut");
    EXPECT_EQ(QApplication::clipboard()->text(), "line");
    EXPECT_EQ(Cell(colDescription, 1), " ONE\nline two");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_TRUE(window->Modified());
}

TEST_F(ClipboardTest, NumberEditorsTakeOnlyANumberInTheLocalesSeparators) {
    formats.DecimalSeparator = ',';
    formats.ThousandSeparator = '.';
    Start({});
    Activate();
    EditCell(colCost, 1);
    Edit()->clear();
    SetClipboard("12,5");
    Trigger("aclPaste");
    EXPECT_EQ(Edit()->text(), "12,5");
    SetClipboard("abc");
    Trigger("aclPaste");
    QTest::keyClick(Edit(), Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(Edit()->text(), "12,5");
    SetClipboard(",5");  // a second decimal separator
    Trigger("aclPaste");
    EXPECT_EQ(Edit()->text(), "12,5");
    QTest::keyClick(Edit(), Qt::Key_Return);
    EXPECT_EQ(Cell(colCost, 1), "12,5");
}

TEST_F(ClipboardTest, NonAsciiThousandsSeparatorsLeaveTheCommaDecimal) {
    for (const char* name : {"fr_FR", "ru_RU", "sv_SE"}) {
        formats = LocaleFormatsFrom(QLocale(name));
        Start({});
        Activate();
        EditCell(colCost, 1);
        Edit()->clear();
        SetClipboard(",5");
        Trigger("aclPaste");
        EXPECT_EQ(Edit()->text(), ",5") << name;
        Edit()->clear();
        SetClipboard("1,250,5");
        Trigger("aclPaste");
        EXPECT_EQ(Edit()->text(), "") << name;
        SetClipboard("1 250,5");
        Trigger("aclPaste");
        EXPECT_EQ(Edit()->text(), "1 250,5") << name;
    }
}

TEST_F(ClipboardTest, KeypadDecimalTypesTheLocalesSeparator) {
    formats.DecimalSeparator = ',';
    formats.ThousandSeparator = '.';
    Start({});
    EditCell(colTotalHours, 1);
    Edit()->clear();
    QTest::keyClicks(Edit(), "3");
    QTest::keyClick(Edit(), Qt::Key_Period, Qt::KeypadModifier);
    QTest::keyClicks(Edit(), "5");
    EXPECT_EQ(Edit()->text(), "3,5");
}

}  // namespace
}  // namespace tkm
