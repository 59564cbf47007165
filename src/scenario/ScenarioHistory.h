#pragma once

#include "scenario/ScenarioSnapshot.h"

#include <deque>
#include <optional>
#include <string>

// Undo and redo of whole changes (a step editor session, a restored
// backup): each entry keeps the scenario before and after the change.
// Entries share what they have in common, so the history costs about the
// documents and pictures that changed.
class TScenarioHistory {
public:
    static constexpr size_t DefaultDepth = 30;

    explicit TScenarioHistory(size_t depth = DefaultDepth) : Depth_(depth) {}

    // Records a change named label ("Step 3: Political Units"). Nothing is
    // recorded when before equals after. Drops what could be redone and,
    // beyond the depth, the oldest entry. Either way after is the state the
    // next capture starts from. Returns whether it recorded.
    bool Record(std::string label, TScenarioSnapshot before, TScenarioSnapshot after);
    // The scenario as it is now, sharing what has not changed since the
    // state the history last knew. Throws TFileError like Capture.
    TScenarioSnapshot Capture(const TScenarioData& data) const;
    // Tells the history the state of a scenario it has not seen change (one
    // just opened), to capture from.
    void Know(TScenarioSnapshot now) { Latest_ = std::move(now); }

    bool CanUndo() const { return Done_ > 0; }
    bool CanRedo() const { return Done_ < Entries_.size(); }
    // The labels of what Undo and Redo would do; empty when nothing.
    std::string UndoLabel() const;
    std::string RedoLabel() const;
    // Restore the state before (Undo) or after (Redo) the entry. The
    // position moves even when a picture could not be written back (the
    // documents are restored; TScenarioSnapshot::Restore throws after).
    void Undo(TScenarioData& data);
    void Redo(TScenarioData& data);
    void Clear();
    size_t Size() const { return Entries_.size(); }
    // The snapshot of the scenario as the history last left it (null when
    // it knows none): pass it to Capture so what is unchanged is shared.
    const TScenarioSnapshot* Current() const;
    // The bytes the entries hold, packed as they are, each shared text or
    // picture counted once.
    size_t Bytes() const;

private:
    struct TEntry {
        std::string Label;
        TScenarioSnapshot Before;
        TScenarioSnapshot After;
    };
    void Restore(TScenarioData& data, const TScenarioSnapshot& target,
                 const TScenarioSnapshot& leaving);

    std::deque<TEntry> Entries_;
    // Entries before this index are done; the rest can be redone.
    size_t Done_ = 0;
    size_t Depth_;
    std::optional<TScenarioSnapshot> Latest_;
};
