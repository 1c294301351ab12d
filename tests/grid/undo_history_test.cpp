#include "grid/grid_sorter.h"
#include "grid/undo_history.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace tkm {
namespace {

constexpr int Cols = 4;

// Everything a step may change: texts, cell objects, keys and heights of every row.
struct TSnapshot {
    std::vector<std::vector<std::string>> Texts;
    std::vector<std::vector<std::string>> Objects;
    std::vector<std::uint32_t> Keys;
    std::vector<int> Heights;
    bool operator==(const TSnapshot&) const = default;
};

void PrintTo(const TSnapshot& snap, std::ostream* out) {
    for (std::size_t r = 0; r < snap.Texts.size(); ++r) {
        *out << "\n  #" << snap.Keys[r] << " " << snap.Heights[r] << ":";
        for (std::size_t c = 0; c < snap.Texts[r].size(); ++c)
            *out << " [" << snap.Texts[r][c] << "|" << snap.Objects[r][c] << "]";
    }
}

TSnapshot Snap(const TBaseGrid& grid) {
    TSnapshot snap;
    for (int r = 0; r < grid.RowCount(); ++r) {
        std::vector<std::string> texts, objects;
        for (int c = 0; c < grid.RealColCount(); ++c) {
            texts.push_back(grid.GetCellText(c, r));
            const TCellGraphic* object = grid.CellObject(c, r);
            objects.push_back(!object ? "" : object->Kind == TCellGraphicKind::Comment ? "comment" : "bar");
        }
        snap.Texts.push_back(texts);
        snap.Objects.push_back(objects);
        snap.Keys.push_back(grid.RowKey(r));
        snap.Heights.push_back(grid.RowHeight(r));
    }
    return snap;
}

void Fill(TBaseGrid& grid, int dataRows) {
    grid.SetRowCount(dataRows + 1);
    for (int r = 1; r <= dataRows; ++r) {
        for (int c = 0; c < Cols; ++c) grid.SetCellText(c, r, "r" + std::to_string(r) + "c" + std::to_string(c));
        grid.AddProgressBar(2, r, clRed, clWindow, clWindow, clWindowText);
        grid.AddComment(3, r, "note " + std::to_string(r));
        grid.SetRowKey(r, std::uint32_t(100 + r));
    }
    grid.SetRowHeight(2, 40);
}

TViewState View(int col, int row, int sortColumn = 0) { return {col, row, {.Column = sortColumn}}; }

TEST(UndoHistory, EveryKindOfChangeIsUndoneAndRedoneExactly) {
    const std::vector<std::pair<const char*, std::function<void(TBaseGrid&)>>> steps{
        {"cell text", [](TBaseGrid& g) { g.SetCellText(1, 2, "typed"); }},
        {"row cells", [](TBaseGrid& g) { g.SetRowCells(3, 1, std::vector<std::string_view>{"a", "b"}); }},
        {"object added", [](TBaseGrid& g) { g.AddComment(1, 1, "new"); }},
        {"object removed", [](TBaseGrid& g) { g.RemoveCellObject(2, 4); }},
        {"rows inserted", [](TBaseGrid& g) { g.InsertRows(2, 3); }},
        {"rows removed", [](TBaseGrid& g) { g.RemoveRows(2, 2); }},
        {"cells cleared", [](TBaseGrid& g) { g.ClearCells(0, 1, 3, Cols - 1); }},
        {"rows appended", [](TBaseGrid& g) { g.SetRowCount(g.RowCount() + 2); }},
        {"rows cut off", [](TBaseGrid& g) { g.SetRowCount(2); }},
        {"sorted", [](TBaseGrid& g) { SortByColumn(g, {.Column = 1, .Direction = TSortDirection::sdDescending}, {}); }},
        {"several at once", [](TBaseGrid& g) {
             g.RemoveRows(1, 1);
             g.SetCellText(0, 1, "x");
             g.InsertRows(1, 1);
             g.SetCellText(0, 1, "y");
         }},
    };
    for (const auto& [name, change] : steps) {
        SCOPED_TRACE(name);
        TBaseGrid grid(Cols, 1);
        Fill(grid, 5);
        TUndoHistory history(grid);
        history.Clear();
        const TSnapshot before = Snap(grid);
        history.Begin("Step", View(1, 2));
        change(grid);
        history.End(View(0, 3));
        const TSnapshot after = Snap(grid);
        ASSERT_NE(before, after);

        EXPECT_EQ(history.Undo().Row, 2);
        EXPECT_EQ(Snap(grid), before);
        EXPECT_EQ(history.Redo().Row, 3);
        EXPECT_EQ(Snap(grid), after);
        history.Undo();
        EXPECT_EQ(Snap(grid), before);
        EXPECT_FALSE(history.CanUndo());
    }
}

TEST(UndoHistory, StepsNameThemselvesAndANewStepDropsTheRedo) {
    TBaseGrid grid(Cols, 1);
    Fill(grid, 3);
    TUndoHistory history(grid);
    history.Clear();
    history.Begin("Delete Entry", View(1, 1));
    history.Begin("Inner", View(1, 1));  // nested: one step, the outer name
    grid.RemoveRows(1, 1);
    history.End(View(1, 1));
    EXPECT_FALSE(history.CanUndo()) << "no undo while a step is open";
    history.End(View(1, 1));
    history.Begin("Nothing", View(1, 1));
    history.End(View(1, 1));
    EXPECT_EQ(history.StepCount(), 1u) << "a step without changes is not kept";
    EXPECT_EQ(history.UndoName(), "Delete Entry");

    history.Undo();
    EXPECT_EQ(history.RedoName(), "Delete Entry");
    grid.SetCellText(0, 1, "loose");  // no step open: a step of its own
    EXPECT_FALSE(history.CanRedo());
    EXPECT_EQ(history.UndoName(), "Change");
    history.Undo();
    EXPECT_EQ(grid.GetCellText(0, 1), "r1c0");
}

// The grid's editor is open nearly all the time: only a change it makes opens its step.
TEST(UndoHistory, AnOpenEditorHoldsNoStepUntilItsFirstChangeAndItsTypingIsOneChange) {
    TBaseGrid grid(Cols, 1);
    Fill(grid, 3);
    TUndoHistory history(grid);
    history.Clear();
    history.Begin("Delete Entry", View(1, 1));
    grid.RemoveRows(1, 1);
    history.End(View(1, 1));
    history.BeginEdit("Edit", View(1, 1));
    EXPECT_TRUE(history.CanUndo()) << "an untouched editor leaves the last step in reach";
    for (const char* text : {"a", "ab", "abc"}) grid.SetCellText(1, 1, text);
    EXPECT_FALSE(history.CanUndo());
    EXPECT_EQ(history.UndoName(), "Edit") << "what Undo takes back once the editor closes";

    history.Begin("Insert Entry", View(1, 1));  // a command closes the edit's step first
    grid.InsertRows(1, 1);
    history.BeginEdit("Edit", View(1, 1));  // and may open an editor itself
    history.End(View(1, 1));
    history.EndEdit(View(1, 1));
    EXPECT_EQ(history.StepCount(), 3u) << "an editor closed without a change records nothing";
    history.Undo();
    history.Undo();
    EXPECT_EQ(grid.GetCellText(1, 1), "r2c1");
    EXPECT_EQ(history.UndoName(), "Delete Entry");
    history.Redo();
    EXPECT_EQ(grid.GetCellText(1, 1), "abc");
}

TEST(UndoHistory, ASortOfManyRowsIsUndoneToTheExactOrderAndCostsFourBytesARow) {
    constexpr int Rows = 100'000;
    TBaseGrid grid(2, Rows + 1);
    std::mt19937 random(7);
    for (int r = 1; r <= Rows; ++r) {
        grid.SetCellText(0, r, std::to_string(r));
        grid.SetCellText(1, r, std::to_string(random() % 50));  // many ties: an unstable sort moves them
    }
    TUndoHistory history(grid);
    history.Clear();
    std::vector<std::string> before;
    for (int r = 1; r <= Rows; ++r) before.push_back(grid.GetCellText(0, r));

    history.Begin("Sort", View(0, 1));
    SortByColumn(grid, {.Column = 1}, {});
    history.End(View(0, 1));
    EXPECT_LT(history.Bytes(), std::size_t(Rows) * 4 + 1024);
    history.Undo();
    for (int r = 1; r <= Rows; ++r) ASSERT_EQ(grid.GetCellText(0, r), before[std::size_t(r - 1)]) << r;
}

TEST(UndoHistory, TheBoundDropsTheOldestStepsFirst) {
    TBaseGrid grid(Cols, 1);
    Fill(grid, 2);
    TUndoHistory byCount(grid, 3);
    for (int i = 1; i <= 5; ++i) grid.SetCellText(0, 1, std::to_string(i));
    EXPECT_EQ(byCount.StepCount(), 3u);
    while (byCount.CanUndo()) byCount.Undo();
    EXPECT_EQ(grid.GetCellText(0, 1), "2") << "steps 1 and 2 went first";
}

TEST(UndoHistory, TheByteBoundKeepsTheNewestStepsThatFit) {
    TBaseGrid grid(Cols, 1);
    Fill(grid, 2);
    TUndoHistory history(grid, 100, 3000);
    grid.SetCellText(0, 1, "before");
    // Each step holds the text it replaced: the last three hold a thousand bytes each.
    for (int i = 0; i < 4; ++i) grid.SetCellText(0, 1, std::string(1000, char('a' + i)));
    EXPECT_LE(history.Bytes(), 3000u);
    EXPECT_EQ(history.StepCount(), 2u);
    while (history.CanUndo()) history.Undo();
    EXPECT_EQ(grid.GetCellText(0, 1), std::string(1000, 'b'));

    TUndoHistory tiny(grid, 100, 10);
    grid.SetCellText(0, 1, std::string(100, 'z'));
    EXPECT_FALSE(tiny.CanUndo()) << "a step larger than the whole bound is not kept";
    EXPECT_EQ(tiny.Bytes(), 0u);
}

TEST(UndoHistory, TheSavedPointIsReachedOnlyWhereTheFileWasWritten) {
    TBaseGrid grid(Cols, 1);
    Fill(grid, 2);
    TUndoHistory history(grid);
    history.Clear();
    EXPECT_TRUE(history.AtSavedPoint());
    grid.SetCellText(0, 1, "one");
    history.MarkSaved();
    grid.SetCellText(0, 1, "two");
    EXPECT_FALSE(history.AtSavedPoint());
    history.Undo();
    EXPECT_TRUE(history.AtSavedPoint());
    history.Undo();
    EXPECT_FALSE(history.AtSavedPoint());
    history.Redo();
    EXPECT_TRUE(history.AtSavedPoint());
    history.Undo();
    grid.SetCellText(0, 1, "other");  // the saved state is now out of reach
    history.Undo();
    EXPECT_FALSE(history.AtSavedPoint());

    TBaseGrid loaded(Cols, 3);
    grid.TakeRowsFrom(loaded);
    EXPECT_FALSE(history.CanUndo()) << "replaced rows leave nothing to undo";
    EXPECT_FALSE(history.AtSavedPoint());
}

TEST(UndoHistory, TheSavedPointMovesWithTheStepsWhenTheOldestDropOff) {
    TBaseGrid grid(Cols, 1);
    Fill(grid, 2);
    TUndoHistory history(grid, 2);
    history.Clear();
    grid.SetCellText(0, 1, "one");
    history.MarkSaved();
    grid.SetCellText(0, 1, "two");
    grid.SetCellText(0, 1, "three");  // the step before the saved one drops off
    history.Undo();
    EXPECT_FALSE(history.AtSavedPoint()) << "the table holds \"two\", the file \"one\"";
    history.Undo();
    EXPECT_EQ(grid.GetCellText(0, 1), "one");
    EXPECT_TRUE(history.AtSavedPoint());

    history.Redo();
    history.Redo();
    grid.SetCellText(0, 1, "four");  // the saved state itself drops off now
    while (history.CanUndo()) history.Undo();
    EXPECT_EQ(grid.GetCellText(0, 1), "two");
    EXPECT_FALSE(history.AtSavedPoint());
}

}  // namespace
}  // namespace tkm
