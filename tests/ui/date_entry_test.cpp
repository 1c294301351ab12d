#include "ui/main_window_fixture.h"

#include "platform/qt/system_locale.h"
#include "ui/grid/grid_date_picker.h"
#include "ui/grid/grid_editors.h"
#include "ui/grid/inplace_edit.h"

#include <QLocale>
#include <QTest>

#include <cctype>

namespace tkm {
namespace {

// What a person types into a Due Date and a Due Time in one locale, and the
// cell texts that must come of it.
struct TTypedEntry {
    const char* Locale;
    const char* DateKeys;
    const char* DateCell;
    const char* ShortDateKeys;
    const char* ShortDateCell;
    const char* TimeKeys;
    const char* TimeCell;
};

void PrintTo(const TTypedEntry& entry, std::ostream* out) { *out << entry.Locale; }

class DateEntryTest : public MainWindowTest, public ::testing::WithParamInterface<TTypedEntry> {
protected:
    void SetUp() override {
        formats = LocaleFormatsFrom(QLocale(GetParam().Locale));
        MainWindowTest::SetUp();
        QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);  // the start-up edit
    }

    // The first key lands on the grid and opens the picker, the rest go to the picker.
    std::string TypeInto(int col, const char* keys) {
        Store().SetCurrentCell(Store().RealToDisplay(col), 1);
        QTest::keyClick(&Grid(), keys[0]);
        QWidget* picker = Grid().SeparateEditors().Active();
        EXPECT_NE(picker, nullptr);
        if (!picker) return "";
        for (const char* key = keys + 1; *key; ++key) {
            // A keyboard sends Shift before most separators.
            if (!std::isalnum(static_cast<unsigned char>(*key))) QTest::keyPress(picker, Qt::Key_Shift);
            QTest::keyClick(picker, *key);
            if (!std::isalnum(static_cast<unsigned char>(*key))) QTest::keyRelease(picker, Qt::Key_Shift);
        }
        QTest::keyClick(picker, Qt::Key_Return);
        EXPECT_FALSE(Grid().EditorMode());
        return Cell(col, 1);
    }
};

TEST_P(DateEntryTest, TypedDatesAndTimesAreStoredAsTyped) {
    EXPECT_EQ(TypeInto(colDueDate, GetParam().DateKeys), GetParam().DateCell);
    EXPECT_EQ(TypeInto(colCompletionDate, GetParam().ShortDateKeys), GetParam().ShortDateCell);
    EXPECT_EQ(TypeInto(colDueTime, GetParam().TimeKeys), GetParam().TimeCell);
    // Opened and closed again, the picker keeps what it wrote.
    for (const int col : {colDueDate, colDueTime}) {
        const std::string before = Cell(col, 1);
        Store().SetCurrentCell(Store().RealToDisplay(col), 1);
        QTest::keyClick(&Grid(), Qt::Key_F2);
        ASSERT_TRUE(Grid().EditorMode());
        QTest::keyClick(Grid().SeparateEditors().Active(), Qt::Key_Tab);
        EXPECT_EQ(Cell(col, 1), before);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Locales, DateEntryTest,
    ::testing::Values(TTypedEntry{"en_GB", "15/01/2027", "15/01/2027", "5/1/27", "05/01/2027", "09:30", "09:30:00"},
                      TTypedEntry{"en_US", "12/20/2026", "12/20/2026", "5/1/49", "5/1/2049", "3:15 PM", "3:15:00 PM"},
                      TTypedEntry{"de_DE", "15.01.2027", "15.01.2027", "5.1.50", "05.01.1950", "17:05:09", "17:05:09"},
                      TTypedEntry{"fr_FR", "15/01/2027", "15/01/2027", "31/12/99", "31/12/1999", "0930", "09:30:00"},
                      TTypedEntry{"C", "15 Jan 2027", "15 Jan 2027", "5 dec 27", "5 Dec 2027", "9:5", "09:05:00"}),
    [](const auto& info) { return std::string(info.param.Locale); });

class TwelveHourTest : public MainWindowTest {
protected:
    void SetUp() override {
        formats = LocaleFormatsFrom(QLocale("en_US"));
        MainWindowTest::SetUp();
        QTest::keyClick(Grid().InplaceEditor(), Qt::Key_Escape);
    }
};

TEST_F(TwelveHourTest, AnAfternoonTimeSurvivesItsPicker) {
    int changes = 0;
    const TCellsChangedHook counter(Store(), [&](const TGridRect&) { ++changes; });
    Store().SetCellText(colDueTime, 1, "3:15:00 PM");
    Store().SetCurrentCell(Store().RealToDisplay(colDueTime), 1);
    QTest::keyClick(&Grid(), Qt::Key_F2);
    TGridDatePicker* picker = Grid().SeparateEditors().TimePicker();
    ASSERT_EQ(Grid().SeparateEditors().Active(), picker);
    EXPECT_EQ(picker->time(), QTime(15, 15, 0));
    QTest::keyClick(picker, Qt::Key_Return);
    EXPECT_EQ(Cell(colDueTime, 1), "3:15:00 PM");
    EXPECT_EQ(changes, 0);
    AddEntries(1);
    EXPECT_EQ(Cell(colDueTime, 2), "9:30:05 AM") << "a new entry's time";
    EXPECT_EQ(Cell(colDueDate, 2), "12/8/2026");
}

}  // namespace
}  // namespace tkm
