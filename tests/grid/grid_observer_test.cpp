#include "grid/base_grid.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace tkm {
namespace {

// Writes what it hears into a shared log, and may act on the first cells-changed.
class TLoggingObserver final : public TGridObserver {
public:
    TLoggingObserver(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
    std::function<void()> OnCellsChanged;

    void CellsChanged(const TGridRect& rect) override {
        log_.push_back(name_ + " changed " + std::to_string(rect.Top));
        if (OnCellsChanged) std::exchange(OnCellsChanged, nullptr)();
    }
    void RowInvalidated(int row) override { log_.push_back(name_ + " row " + std::to_string(row)); }

private:
    std::string name_;
    std::vector<std::string>& log_;
};

TEST(GridObservers, EveryNotificationReachesTheObserversInTheOrderTheyWereAdded) {
    TBaseGrid grid(3, 4);
    std::vector<std::string> log;
    TLoggingObserver second("second", log);
    TLoggingObserver first("first", log);
    grid.AddObserver(first);
    grid.AddObserver(second);
    grid.AddObserver(first);  // once is enough
    grid.RepaintRow(2);
    grid.ClearCells(0, 1, 1, 2);
    EXPECT_EQ(log, (std::vector<std::string>{"first row 2", "second row 2", "first changed 1", "second changed 1"}));
}

TEST(GridObservers, AnObserverRemovedWhileTheOthersAreToldHearsNoMore) {
    TBaseGrid grid(3, 4);
    std::vector<std::string> log;
    TLoggingObserver first("first", log);
    TLoggingObserver second("second", log);
    TLoggingObserver third("third", log);
    for (TLoggingObserver* o : {&first, &second, &third}) grid.AddObserver(*o);
    first.OnCellsChanged = [&] {
        grid.RemoveObserver(second);
        grid.RemoveObserver(first);
    };
    grid.CellsChanged({0, 1, 0, 1});
    grid.CellsChanged({0, 2, 0, 2});
    EXPECT_EQ(log, (std::vector<std::string>{"first changed 1", "third changed 1", "third changed 2"}));
}

TEST(GridObservers, AHookListensFromItsConstructionToItsDestruction) {
    TBaseGrid grid(3, 4);
    std::vector<TGridRect> heard;
    {
        const TCellsChangedHook hook(grid, [&](const TGridRect& rect) { heard.push_back(rect); });
        grid.RemoveRows(2, 1);
    }
    grid.RemoveRows(1, 1);
    ASSERT_EQ(heard.size(), 1u);
    EXPECT_EQ(heard[0], (TGridRect{0, 2, 2, 3}));
}

TEST(GridObservers, ObserversStayWithTheGridWhenItTakesAnothersContents) {
    TBaseGrid grid(3, 4);
    int heard = 0;
    const TCellsChangedHook hook(grid, [&](const TGridRect&) { ++heard; });
    TBaseGrid loaded(5, 2);
    int heardByLoaded = 0;
    {
        const TCellsChangedHook other(loaded, [&](const TGridRect&) { ++heardByLoaded; });
        grid = std::move(loaded);
    }
    grid.RemoveRows(1, 1);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(heard, 1);
    EXPECT_EQ(heardByLoaded, 0);
}

}  // namespace
}  // namespace tkm
