#pragma once

#include "grid/grid_types.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace tkm {

class TBaseGrid;

// What the views and the owner of a grid are told.
class TGridObserver {
public:
    virtual ~TGridObserver() = default;
    // Cells were edited, removed, cleared, sorted, pasted or loaded.
    virtual void CellsChanged(const TGridRect& /*rect*/) {}
    virtual void CellInvalidated(int /*realCol*/, int /*row*/) {}
    virtual void RowInvalidated(int /*row*/) {}
    virtual void GridInvalidated() {}
    // Row count, column count, widths or heights changed.
    virtual void LayoutChanged() {}
    virtual void CurrentCellChanged() {}
    // Asked before rows or columns move: close any open editor first.
    virtual void CommitEditorRequested() {}
    // Every row was replaced by the rows of another grid (a load).
    virtual void RowsReplaced() {}
};

// The observers of one grid, told in the order they were added. One may be
// removed at any time, even while it or another is being told: it hears
// nothing more. The list belongs to the grid object, so giving a grid the
// contents of another leaves its observers as they were.
class TGridObserverList {
public:
    TGridObserverList() = default;
    TGridObserverList(const TGridObserverList&) {}
    TGridObserverList& operator=(const TGridObserverList&) { return *this; }

    void Add(TGridObserver& observer);
    void Remove(TGridObserver& observer);

    template <typename... Params, typename... Args>
    void Notify(void (TGridObserver::*event)(Params...), const Args&... args) {
        const TTelling telling(*this);
        // Observers added meanwhile hear the next notification, not this one.
        for (std::size_t i = 0, n = observers_.size(); i < n; ++i)
            if (TGridObserver* observer = observers_[i]) (observer->*event)(args...);
    }

private:
    // Removals while observers are told leave a gap, closed when the telling ends.
    class TTelling {
    public:
        explicit TTelling(TGridObserverList& list) : list_(list) { ++list_.depth_; }
        ~TTelling();
        TTelling(const TTelling&) = delete;
        TTelling& operator=(const TTelling&) = delete;

    private:
        TGridObserverList& list_;
    };

    std::vector<TGridObserver*> observers_;
    int depth_ = 0;
};

// An owner's handler for cells-changed, watching the grid from its
// construction to its destruction.
class TCellsChangedHook final : public TGridObserver {
public:
    using THandler = std::function<void(const TGridRect&)>;
    TCellsChangedHook(TBaseGrid& grid, THandler handler);
    ~TCellsChangedHook() override;
    TCellsChangedHook(const TCellsChangedHook&) = delete;
    TCellsChangedHook& operator=(const TCellsChangedHook&) = delete;

    void CellsChanged(const TGridRect& rect) override { handler_(rect); }

private:
    TBaseGrid& grid_;
    THandler handler_;
};

}  // namespace tkm
