#include "grid/color_scheme.h"
#include "platform/fake/fake_clock.h"
#include "platform/fake/fake_dialogs.h"
#include "tasks/task_table.h"
#include "ui/grid/task_grid.h"
#include "ui/grid/ui_colors.h"

#include <QCoreApplication>
#include <QDir>
#include <QImage>
#include <QStyle>
#include <QStyleFactory>

#include <gtest/gtest.h>

#include <memory>

namespace tkm {
namespace {

// Fusion's usual dark palette, as dark desktop themes set it.
QPalette DarkPalette() {
    QPalette p;
    p.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::WindowText, Qt::white);
    p.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
    p.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::Text, Qt::white);
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, Qt::white);
    p.setColor(QPalette::Dark, QColor(0x23, 0x23, 0x23));
    p.setColor(QPalette::Highlight, QColor(0x2A, 0x82, 0xDA));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x35, 0x35, 0x35));
    return p;
}

TColor ToColor(QRgb rgb) { return RGBColor(std::uint8_t(qRed(rgb)), std::uint8_t(qGreen(rgb)), std::uint8_t(qBlue(rgb))); }

struct TLook {
    const char* Status;
    const char* Priority;
    int DueInDays;
};

// One row of every look the colour rules give.
constexpr TLook Looks[] = {
    {"Completed", "Normal", -2},     {"Cancelled", "High", 1},         {"Postponed", "Low", 1},
    {"In Progress", "High", -2},     {"Pending", "Normal", -2},        {"In Progress", "Most Important", 1},
    {"In Progress", "High", 0},      {"In Progress", "Low", 1},        {"Pending", "Lowest", 1},
    {"In Progress", "Normal", 1},    {"Not Started", "High", -2},      {"Not Started", "Most Important", 3},
    {"Not Started", "Normal", 3},
};

class DarkPaletteTest : public ::testing::Test {
protected:
    RecordingShell shell;
    FixedClock clock{{2026, 12, 8}, {9, 30, 0}};
    TLocaleFormats formats;
    std::unique_ptr<QStyle> fusion{QStyleFactory::create("Fusion")};
    TTaskGrid grid{shell};

    void SetUp() override {
        grid.setStyle(fusion.get());
        grid.SetClock(clock);
        grid.SetFormats(formats);
        TaskTable::SetUpGrid(grid.Store());
        grid.Store().SetRowCount(int(std::size(Looks)) + 1);
        for (std::size_t i = 0; i < std::size(Looks); ++i) {
            const int row = int(i) + 1;
            const TDate due = TDate::FromDayNumber(clock.Today().DayNumber() + Looks[i].DueInDays);
            grid.Store().SetCellText(colStatus, row, Looks[i].Status);
            grid.Store().SetCellText(colPriority, row, Looks[i].Priority);
            grid.Store().SetCellText(colDueDate, row, FormatDate(due, formats.ShortDateFormat, formats));
            grid.Store().SetCellText(colDescription, row, "IIIIHHHHllll Readable");
        }
        grid.Store().SetCurrentCell(colEntryDate, 1);  // the highlight away from the texts measured
        grid.resize(1700, 24 * int(std::size(Looks)) + 40);
        grid.show();
    }

    // Background at the cell's corner; the text's colour where it stands out most.
    static double TextContrast(const QImage& shot, const QRect& cell, TColor& background, TColor& text) {
        background = ToColor(shot.pixel(cell.left() + 1, cell.top() + 1));
        double best = 1;
        for (int y = cell.top(); y <= cell.bottom(); ++y)
            for (int x = cell.left(); x <= cell.right(); ++x) {
                const TColor pixel = ToColor(shot.pixel(x, y));
                if (const double ratio = ContrastRatio(pixel, background); ratio > best) {
                    best = ratio;
                    text = pixel;
                }
            }
        return best;
    }
};

TEST_F(DarkPaletteTest, EveryRowStaysReadableAndTheMarkedRowsStandOut) {
    grid.setPalette(DarkPalette());
    QCoreApplication::processEvents();
    ASSERT_TRUE(grid.Scheme().IsDark());
    const QImage shot = grid.viewport()->grab().toImage();
    QDir().mkpath(TASKMERE_ARTIFACTS);
    shot.save(QString(TASKMERE_ARTIFACTS) + "/dark-palette-rows.png");
    const TColor window = ToColor(DarkPalette().color(QPalette::Base).rgb());
    for (std::size_t i = 0; i < std::size(Looks); ++i) {
        const int row = int(i) + 1;
        TColor background = 0, text = 0;
        const double contrast = TextContrast(shot, grid.CellRect(colDescription, row), background, text);
        const TCellStyle look = grid.Scheme().Resolve(grid.CellStyle(colDescription, row));
        SCOPED_TRACE(std::string(Looks[i].Status) + " / " + Looks[i].Priority);
        EXPECT_EQ(background, look.Brush);
        EXPECT_GE(contrast, 4.5);
        EXPECT_GE(ContrastRatio(look.FontColor, look.Brush), 4.5);
    }
    // Overdue and the most important entries keep a background of their own.
    EXPECT_NE(grid.Scheme().Resolve(grid.CellStyle(colDescription, 4).Brush), window);
    EXPECT_NE(grid.Scheme().Resolve(grid.CellStyle(colDescription, 6).Brush), window);
}

TEST_F(DarkPaletteTest, ALightPaletteDrawsTheRulesOwnColours) {
    QPalette light = fusion->standardPalette();
    light.setColor(QPalette::Base, Qt::white);
    light.setColor(QPalette::Text, Qt::black);
    grid.setPalette(light);
    QCoreApplication::processEvents();
    ASSERT_FALSE(grid.Scheme().IsDark());
    const QImage shot = grid.viewport()->grab().toImage();
    const QRect overdue = grid.CellRect(colDescription, 4);
    EXPECT_EQ(ToColor(shot.pixel(overdue.left() + 1, overdue.top() + 1)), TaskColors::OverdueBackground);
    EXPECT_EQ(grid.CellStyle(colDescription, 4).FontColor, TaskColors::Red);
    EXPECT_EQ(grid.CellStyle(colDescription, 8).FontColor, TaskColors::LowBlue);
}

}  // namespace
}  // namespace tkm
