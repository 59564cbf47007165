#include "scenario/ScenarioHistory.h"

bool TScenarioHistory::Record(std::string label, TScenarioSnapshot before,
                              TScenarioSnapshot after) {
    if (before == after || Depth_ == 0)
        return false;
    Entries_.erase(Entries_.begin() + static_cast<std::ptrdiff_t>(Done_), Entries_.end());
    Entries_.push_back({std::move(label), std::move(before), std::move(after)});
    while (Entries_.size() > Depth_)
        Entries_.pop_front();
    Done_ = Entries_.size();
    return true;
}

std::string TScenarioHistory::UndoLabel() const {
    return CanUndo() ? Entries_[Done_ - 1].Label : std::string();
}

std::string TScenarioHistory::RedoLabel() const {
    return CanRedo() ? Entries_[Done_].Label : std::string();
}

void TScenarioHistory::Undo(TScenarioData& data) {
    if (!CanUndo())
        return;
    --Done_;
    Entries_[Done_].Before.Restore(data, &Entries_[Done_].After);
}

void TScenarioHistory::Redo(TScenarioData& data) {
    if (!CanRedo())
        return;
    ++Done_;
    Entries_[Done_ - 1].After.Restore(data, &Entries_[Done_ - 1].Before);
}

const TScenarioSnapshot* TScenarioHistory::Current() const {
    if (Done_ > 0)
        return &Entries_[Done_ - 1].After;
    return Entries_.empty() ? nullptr : &Entries_.front().Before;
}

void TScenarioHistory::Clear() {
    Entries_.clear();
    Done_ = 0;
}
