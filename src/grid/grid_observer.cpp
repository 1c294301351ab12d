#include "grid/grid_observer.h"

#include "grid/base_grid.h"

#include <algorithm>

namespace tkm {

void TGridObserverList::Add(TGridObserver& observer) {
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
        observers_.push_back(&observer);
}

void TGridObserverList::Remove(TGridObserver& observer) {
    const auto it = std::find(observers_.begin(), observers_.end(), &observer);
    if (it == observers_.end()) return;
    if (depth_ > 0) *it = nullptr;
    else observers_.erase(it);
}

TGridObserverList::TTelling::~TTelling() {
    if (--list_.depth_ == 0) std::erase(list_.observers_, nullptr);
}

TCellsChangedHook::TCellsChangedHook(TBaseGrid& grid, THandler handler) : grid_(grid), handler_(std::move(handler)) {
    grid_.AddObserver(*this);
}

TCellsChangedHook::~TCellsChangedHook() { grid_.RemoveObserver(*this); }

}  // namespace tkm
