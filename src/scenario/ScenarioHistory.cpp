#include "scenario/ScenarioHistory.h"

#include <unordered_set>

bool TScenarioHistory::Record(std::string label, TScenarioSnapshot before,
                              TScenarioSnapshot after) {
    Latest_ = after;
    if (before == after || Depth_ == 0)
        return false;
    Entries_.erase(Entries_.begin() + static_cast<std::ptrdiff_t>(Done_), Entries_.end());
    Entries_.push_back({std::move(label), std::move(before), std::move(after)});
    while (Entries_.size() > Depth_)
        Entries_.pop_front();
    Done_ = Entries_.size();
    return true;
}

TScenarioSnapshot TScenarioHistory::Capture(const TScenarioData& data) const {
    return TScenarioSnapshot::Capture(data, Current());
}

std::string TScenarioHistory::UndoLabel() const {
    return CanUndo() ? Entries_[Done_ - 1].Label : std::string();
}

std::string TScenarioHistory::RedoLabel() const {
    return CanRedo() ? Entries_[Done_].Label : std::string();
}

void TScenarioHistory::Restore(TScenarioData& data, const TScenarioSnapshot& target,
                               const TScenarioSnapshot& leaving) {
    // What the scenario holds now is what the history knows best; the entry
    // left only stands in when it knows nothing newer.
    const TScenarioSnapshot& replacing = Latest_ ? *Latest_ : leaving;
    try {
        Latest_ = target.Restore(data, &replacing);
    } catch (...) {
        // A picture failed after the documents went in: their revisions
        // are new, so nothing is taken as known.
        Latest_.reset();
        throw;
    }
}

void TScenarioHistory::Undo(TScenarioData& data) {
    if (!CanUndo())
        return;
    --Done_;
    Restore(data, Entries_[Done_].Before, Entries_[Done_].After);
}

void TScenarioHistory::Redo(TScenarioData& data) {
    if (!CanRedo())
        return;
    ++Done_;
    Restore(data, Entries_[Done_ - 1].After, Entries_[Done_ - 1].Before);
}

const TScenarioSnapshot* TScenarioHistory::Current() const {
    if (Latest_)
        return &*Latest_;
    if (Done_ > 0)
        return &Entries_[Done_ - 1].After;
    return Entries_.empty() ? nullptr : &Entries_.front().Before;
}

size_t TScenarioHistory::Bytes() const {
    std::unordered_set<const TPackedBytes*> counted;
    size_t bytes = 0;
    const auto add = [&](const TScenarioSnapshot& snapshot) {
        for (const auto& text : snapshot.Texts_)
            if (text && counted.insert(text.get()).second)
                bytes += text->PackedSize();
        for (const auto& picture : snapshot.Pictures_)
            if (counted.insert(picture.second.get()).second)
                bytes += picture.second->PackedSize();
    };
    for (const TEntry& entry : Entries_) {
        add(entry.Before);
        add(entry.After);
    }
    return bytes;
}

void TScenarioHistory::Clear() {
    Entries_.clear();
    Done_ = 0;
    Latest_.reset();
}
