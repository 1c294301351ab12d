#pragma once

#include "grid/base_grid.h"
#include "grid/grid_changes.h"
#include "grid/sort_settings.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace tkm {

// What the view shows around a step: the current cell and the sort indicator.
struct TViewState {
    int Col = 0;  // display column
    int Row = 0;
    TSortSettings Sort;
};

// The undo and redo history of one grid. Every change the grid makes is
// recorded into the open step; a change made with no step open is a step of
// its own. Undoing a step reverts its changes last first, and what that does
// is recorded as the step's redo, so each direction is the other's undo.
class TUndoHistory final : private TGridChangeSink {
public:
    static constexpr std::size_t DefaultMaxSteps = 100;
    static constexpr std::size_t DefaultMaxBytes = std::size_t(64) << 20;

    explicit TUndoHistory(TBaseGrid& grid, std::size_t maxSteps = DefaultMaxSteps,
                          std::size_t maxBytes = DefaultMaxBytes);
    ~TUndoHistory() override;
    TUndoHistory(const TUndoHistory&) = delete;
    TUndoHistory& operator=(const TUndoHistory&) = delete;

    // Steps nest: the outermost names the step and the last End closes it.
    // A step begun while an edit's step is open closes that one first.
    void Begin(const std::string& name, const TViewState& before);
    void End(const TViewState& after);
    bool StepOpen() const { return depth_ > 0; }
    // An editor stays open for long, often without a change: its step opens
    // only at its first change and closes at EndEdit. No change, no step.
    void BeginEdit(const std::string& name, const TViewState& before);
    void EndEdit(const TViewState& after);
    // Told whenever what Undo and Redo would do changes.
    std::function<void()> OnChanged;

    // Never while a step is open.
    bool CanUndo() const { return depth_ == 0 && !open_ && done_ > 0; }
    bool CanRedo() const { return depth_ == 0 && !open_ && done_ < steps_.size(); }
    // An edit's open step is what Undo does once the editor is closed.
    bool HasUndo() const { return depth_ == 0 && (open_ || done_ > 0); }
    const std::string& UndoName() const;
    const std::string& RedoName() const;
    // The memory of the step Undo or Redo would take back, 0 for none: what
    // it takes is about as long as that.
    std::size_t UndoBytes() const { return CanUndo() ? steps_[done_ - 1].Bytes : 0; }
    std::size_t RedoBytes() const { return CanRedo() ? steps_[done_].Bytes : 0; }
    // Each returns the view state to show afterwards.
    TViewState Undo();
    TViewState Redo();

    // Forgets every step; matchesFile says whether the table is now as its file has it.
    void Clear(bool matchesFile = true);
    // The document now matches the file: undoing or redoing back here leaves it unmodified.
    void MarkSaved() { savedAt_ = done_; }
    bool AtSavedPoint() const { return savedAt_ == done_; }

    std::size_t StepCount() const { return steps_.size(); }
    std::size_t Bytes() const { return bytes_; }

private:
    struct TStep {
        std::string Name;
        TViewState Before;
        TViewState After;
        std::vector<TGridChange> Changes;
        std::size_t Bytes = 0;
    };

    void Record(TGridChange&& change) override;
    void RowsReplaced() override { Clear(false); }
    // Reverts a step's changes and keeps their reverse in their place.
    void Reverse(TStep& step);
    // Reverses steps_[index] and gives the view state it names.
    TViewState Move(std::size_t index, TViewState TStep::*shown);
    TViewState Here() const;
    void Close(const TViewState& after);
    void Push(TStep&& step);
    void DropRedo();
    void DropOldest();
    void DropNewest();
    void Trim();
    void Changed() const;

    TBaseGrid& grid_;
    const std::size_t maxSteps_;
    const std::size_t maxBytes_;
    std::vector<TStep> steps_;  // oldest first; those from done_ on are redone
    std::size_t done_ = 0;
    std::size_t bytes_ = 0;
    std::optional<std::size_t> savedAt_ = 0;
    std::optional<TStep> open_;  // at depth 0, an edit's step with a change in it
    int depth_ = 0;
    std::optional<TStep> edit_;  // the step an open editor's first change opens
    TSortSettings lastSort_;  // for the view state of a step nobody opened
    std::vector<TGridChange>* reverse_ = nullptr;  // where Reverse collects
};

}  // namespace tkm
