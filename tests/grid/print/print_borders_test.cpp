#include "grid/print/print_engine.h"
#include "print_test_support.h"

namespace tkm::testing {
namespace {

// Two columns 80 and 110 wide, two rows: the table spans x 25 to 215, y 38 to 118.
class PrintBordersFixture : public PrintTest {
protected:
    PrintBordersFixture() { Fill({"No", "Status"}, 1); }
    static constexpr int Left = 25;
    static constexpr int Right = 25 + 80 + 110;
    static constexpr int Bottom = TopBlock + 2 * RowPitch;
};

TEST_F(PrintBordersFixture, SingleBordersDrawFourThinSidesOfEveryCellAndNoClosingLine) {
    const auto canvas = PreviewOf(1);
    ASSERT_EQ(canvas.Lines.size(), 4u * 4);
    for (const auto& line : canvas.Lines) EXPECT_EQ(line.Width, 2);
    const auto& first = canvas.Lines.front();
    EXPECT_EQ((std::vector<int>{first.X1, first.Y1, first.X2, first.Y2}),
              (std::vector<int>{Left, TopBlock, Left, TopBlock + RowPitch}));
    EXPECT_EQ(CellsOn(canvas, 1).back().Right, Right);
}

TEST_F(PrintBordersFixture, DoubleBordersAreOneMillimetreWideAndClosedUnderTheLastRow) {
    settings.Borders = pbDouble;
    settings.BorderStyle = psDash;
    const auto canvas = PreviewOf(1);
    ASSERT_EQ(canvas.Lines.size(), 4u * 4 + 1);
    for (const auto& line : canvas.Lines) {
        EXPECT_EQ(line.Width, 10);
        EXPECT_EQ(line.Style, psDash);
    }
    const auto& closing = canvas.Lines.back();
    EXPECT_EQ((std::vector<int>{closing.X1, closing.Y1, closing.X2, closing.Y2}),
              (std::vector<int>{Left, Bottom - 1, Right, Bottom - 1}));
}

TEST_F(PrintBordersFixture, OtherKindsDrawTheirSidesAndFrames) {
    struct TCase {
        TPrintBorders Kind;
        std::size_t CellLines;
        std::size_t ClosingLines;
    };
    for (const TCase c : {TCase{pbNoborder, 0, 0}, TCase{pbVertical, 2, 0}, TCase{pbHorizontal, 2, 1},
                          TCase{pbAround, 0, 4}, TCase{pbAroundVertical, 2, 4}, TCase{pbAroundHorizontal, 2, 5},
                          TCase{pbCustom, 0, 0}}) {
        settings.Borders = c.Kind;
        const auto canvas = PreviewOf(1);
        EXPECT_EQ(canvas.Lines.size(), 4 * c.CellLines + c.ClosingLines) << int(c.Kind);
        if (c.ClosingLines >= 4) {
            // The frame runs from under the header block to just above the last row's bottom.
            const auto& top = canvas.Lines[4 * c.CellLines];
            EXPECT_EQ((std::vector<int>{top.X1, top.Y1, top.X2, top.Y2}),
                      (std::vector<int>{Left, TopBlock, Right, TopBlock}));
            const auto& bottom = canvas.Lines[4 * c.CellLines + 2];
            EXPECT_EQ(bottom.Y1, Bottom - 1);
        }
    }
}

}  // namespace
}  // namespace tkm::testing
