#include "grid/undo_history.h"

#include <algorithm>
#include <numeric>

namespace tkm {

namespace {

std::size_t StepBytes(const std::vector<TGridChange>& changes) {
    return std::accumulate(changes.begin(), changes.end(), std::size_t(0),
                           [](std::size_t sum, const TGridChange& change) { return sum + ChangeBytes(change); });
}

// Typing writes the cell at every key: its first old text is all a step needs.
bool RepeatsLastCell(const std::vector<TGridChange>& changes, const TGridChange& change) {
    const auto* text = std::get_if<TCellTextChange>(&change);
    const auto* last = changes.empty() ? nullptr : std::get_if<TCellTextChange>(&changes.back());
    return text && last && last->Col == text->Col && last->Row == text->Row;
}

// Nothing, or a cell edited and then cancelled back to its text.
bool IsNoOp(const TBaseGrid& grid, const std::vector<TGridChange>& changes) {
    if (changes.size() != 1) return changes.empty();
    const auto* text = std::get_if<TCellTextChange>(&changes.front());
    return text && text->Row < grid.RowCount() && text->Col < grid.RealColCount() &&
           grid.CellView(text->Col, text->Row) == text->OldText;
}

}  // namespace

TUndoHistory::TUndoHistory(TBaseGrid& grid, std::size_t maxSteps, std::size_t maxBytes)
    : grid_(grid), maxSteps_(maxSteps), maxBytes_(maxBytes) {
    grid_.SetChangeSink(this);
}

TUndoHistory::~TUndoHistory() { grid_.SetChangeSink(nullptr); }

void TUndoHistory::Begin(const std::string& name, const TViewState& before) {
    if (depth_++ > 0) return;
    Close(before);
    open_ = TStep{name, before, before, {}, 0};
    lastSort_ = before.Sort;
}

void TUndoHistory::End(const TViewState& after) {
    if (depth_ == 0 || --depth_ > 0) return;
    Close(after);
}

void TUndoHistory::BeginEdit(const std::string& name, const TViewState& before) {
    if (depth_ == 0) Close(before);
    edit_ = TStep{name, before, before, {}, 0};
}

void TUndoHistory::EndEdit(const TViewState& after) {
    edit_.reset();
    if (depth_ == 0) Close(after);
}

void TUndoHistory::Close(const TViewState& after) {
    if (!open_) return;
    lastSort_ = after.Sort;
    TStep step = std::move(*open_);
    open_.reset();
    step.After = after;
    if (IsNoOp(grid_, step.Changes)) Changed();
    else Push(std::move(step));
}

void TUndoHistory::Record(TGridChange&& change) {
    if (reverse_) {
        reverse_->push_back(std::move(change));
        return;
    }
    const bool editStarts = !open_ && edit_;
    if (editStarts) open_ = *edit_;
    if (open_) {
        if (RepeatsLastCell(open_->Changes, change)) return;
        open_->Bytes += ChangeBytes(change);
        open_->Changes.push_back(std::move(change));
        if (editStarts) Changed();
        return;
    }
    TStep step{"Change", Here(), Here(), {}, ChangeBytes(change)};
    step.Changes.push_back(std::move(change));
    Push(std::move(step));
}

void TUndoHistory::Push(TStep&& step) {
    DropRedo();
    bytes_ += step.Bytes;
    steps_.push_back(std::move(step));
    done_ = steps_.size();
    Trim();
    Changed();
}

void TUndoHistory::Changed() const {
    if (OnChanged) OnChanged();
}

const std::string& TUndoHistory::UndoName() const {
    static const std::string none;
    if (!HasUndo()) return none;
    return open_ ? open_->Name : steps_[done_ - 1].Name;
}

const std::string& TUndoHistory::RedoName() const {
    static const std::string none;
    return CanRedo() ? steps_[done_].Name : none;
}

void TUndoHistory::Reverse(TStep& step) {
    std::vector<TGridChange> reverse;
    reverse.reserve(step.Changes.size());
    reverse_ = &reverse;
    try {
        for (auto it = step.Changes.rbegin(); it != step.Changes.rend(); ++it) RevertChange(grid_, *it);
    } catch (...) {
        // Half reverted, no step matches the table any more.
        reverse_ = nullptr;
        Clear(false);
        throw;
    }
    reverse_ = nullptr;
    bytes_ -= step.Bytes;
    step.Changes = std::move(reverse);
    step.Bytes = StepBytes(step.Changes);
    bytes_ += step.Bytes;
}

TViewState TUndoHistory::Undo() { return CanUndo() ? Move(--done_, &TStep::Before) : Here(); }

TViewState TUndoHistory::Redo() { return CanRedo() ? Move(done_++, &TStep::After) : Here(); }

TViewState TUndoHistory::Here() const { return {grid_.Col(), grid_.Row(), lastSort_}; }

TViewState TUndoHistory::Move(std::size_t index, TViewState TStep::*shown) {
    TStep& step = steps_[index];
    Reverse(step);
    const TViewState state = step.*shown;
    lastSort_ = state.Sort;
    Trim();
    Changed();
    return state;
}

void TUndoHistory::Clear(bool matchesFile) {
    // What the open step holds belongs to the table that went.
    if (depth_ == 0) {
        open_.reset();
    } else {
        open_->Changes.clear();
        open_->Bytes = 0;
    }
    steps_.clear();
    done_ = 0;
    bytes_ = 0;
    savedAt_ = matchesFile ? std::optional<std::size_t>(0) : std::nullopt;
    Changed();
}

void TUndoHistory::DropRedo() {
    while (done_ < steps_.size()) DropNewest();
}

void TUndoHistory::DropOldest() {
    bytes_ -= steps_.front().Bytes;
    steps_.erase(steps_.begin());
    --done_;
    if (savedAt_) savedAt_ = *savedAt_ > 0 ? std::optional<std::size_t>(*savedAt_ - 1) : std::nullopt;
}

void TUndoHistory::DropNewest() {
    bytes_ -= steps_.back().Bytes;
    steps_.pop_back();
    if (savedAt_ && *savedAt_ > steps_.size()) savedAt_.reset();
}

// The oldest steps go first; only when none is left to undo do the redo steps.
void TUndoHistory::Trim() {
    const auto over = [this] { return steps_.size() > maxSteps_ || bytes_ > maxBytes_; };
    while (over() && done_ > 0) DropOldest();
    while (over() && !steps_.empty()) DropNewest();
}

}  // namespace tkm
