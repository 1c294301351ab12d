#include "grid/cell_object_pool.h"

#include <algorithm>

namespace tkm {

TCellObjectPool::TCellObjectPool() { Clear(); }

void TCellObjectPool::Clear() {
    sets_.assign(1, {});
    index_.clear();
    index_.emplace(TRowObjects{}, None);
    recent_ = {};
    nextRecent_ = 0;
    sizeAfterSweep_ = 1;
}

const TCellGraphic* TCellObjectPool::Find(TId set, int col) const {
    for (const auto& [c, object] : sets_[set])
        if (c == col) return &object;
    return nullptr;
}

TCellObjectPool::TId TCellObjectPool::Intern(TRowObjects&& objects) {
    if (auto it = index_.find(objects); it != index_.end()) return it->second;
    const TId id = TId(sets_.size());
    sets_.push_back(objects);
    index_.emplace(std::move(objects), id);
    return id;
}

TCellObjectPool::TId TCellObjectPool::With(TId set, int col, const TCellGraphic& object) {
    // Loading attaches the same objects to every row: remember the last few steps.
    for (const TTransition& t : recent_)
        if (t.Col == col && t.From == set && t.Object == object) return t.To;
    TRowObjects objects = sets_[set];
    auto it = std::find_if(objects.begin(), objects.end(), [col](const auto& p) { return p.first >= col; });
    if (it != objects.end() && it->first == col)
        it->second = object;
    else
        objects.insert(it, {col, object});
    const TId to = Intern(std::move(objects));
    recent_[nextRecent_] = {set, col, object, to};
    nextRecent_ = (nextRecent_ + 1) % recent_.size();
    return to;
}

TCellObjectPool::TId TCellObjectPool::Without(TId set, int col) {
    if (!Find(set, col)) return set;
    TRowObjects objects = sets_[set];
    std::erase_if(objects, [col](const auto& p) { return p.first == col; });
    return Intern(std::move(objects));
}

std::vector<TCellObjectPool::TId> TCellObjectPool::Sweep(const std::vector<bool>& used) {
    std::vector<TId> remap(sets_.size(), None);
    std::vector<TRowObjects> kept(1);
    index_.clear();
    index_.emplace(TRowObjects{}, None);
    for (TId id = 1; id < sets_.size(); ++id) {
        if (!used[id]) continue;
        remap[id] = TId(kept.size());
        index_.emplace(sets_[id], remap[id]);
        kept.push_back(std::move(sets_[id]));
    }
    sets_ = std::move(kept);
    recent_ = {};
    sizeAfterSweep_ = sets_.size();
    return remap;
}

}  // namespace tkm
