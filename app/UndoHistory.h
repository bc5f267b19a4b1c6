#pragma once

#include <cstddef>
#include <deque>
#include <utility>
#include <vector>

// Snapshots of a document for undo and redo: the state now, the states
// before it and those undone since. A new step forgets what was undone;
// beyond the depth the oldest steps are forgotten.
template <typename State> class UndoHistory
{
public:
    UndoHistory(State start, std::size_t depth) : current_(std::move(start)), depth_(depth) {}

    const State &Current() const { return current_; }
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }

    // A change that can be taken back.
    void Record(State now)
    {
        undo_.push_back(std::move(current_));
        if (undo_.size() > depth_)
            undo_.pop_front();
        redo_.clear();
        current_ = std::move(now);
    }

    // The state now, changed in a way that is no step of its own.
    void Replace(State now) { current_ = std::move(now); }

    // The state before; call only when CanUndo().
    const State &Undo()
    {
        redo_.push_back(std::move(current_));
        current_ = std::move(undo_.back());
        undo_.pop_back();
        return current_;
    }

    // The state undone last; call only when CanRedo().
    const State &Redo()
    {
        undo_.push_back(std::move(current_));
        current_ = std::move(redo_.back());
        redo_.pop_back();
        return current_;
    }

private:
    State current_;
    std::deque<State> undo_;
    std::vector<State> redo_;
    std::size_t depth_;
};
