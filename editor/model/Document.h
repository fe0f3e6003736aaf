// The collection being edited: its levels, the level chosen, and every
// edit, each of which can be undone and redone. A drag of the mouse over
// the target is one stroke: all its cells are undone together.
#pragma once

#include "LevelRecord.h"

#include <cstddef>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

class Document {
public:
    // The edits kept to undo: each holds the whole collection (up to 16 KB),
    // so an afternoon's work does not grow without end.
    static constexpr std::size_t MostUndoSteps = 200;

    // A new collection of one empty level.
    Document();

    // Takes the levels of a file just read (or a collection just made),
    // forgets the history, and counts as saved or not.
    void Reset(std::vector<TLevelRecord> levels, bool saved);

    const std::vector<TLevelRecord>& Levels() const { return Now.Levels; }
    int Count() const { return static_cast<int>(Now.Levels.size()); }
    // The chosen level, 0-based; -1 when the collection is empty.
    int Current() const { return Now.Current; }
    const TLevelRecord* CurrentLevel() const;
    void Choose(int index); // not an edit: no undo step

    // The edits; each returns false, leaving no undo step, when it changes nothing.
    bool AddLevel(); // an empty level after the current one
    // `levels` after the last, as many as fit within 99, as one edit; the
    // first of them becomes the current level.
    bool AppendLevels(const std::vector<TLevelRecord>& levels);
    bool DuplicateLevel(); // a copy of the current level after it
    bool DeleteLevel();
    bool MoveLevel(int by); // -1 earlier, +1 later
    bool PaintTarget(int cell, std::uint8_t code);
    bool SwapStart(int first, int second);
    bool SetStart(const TCells& start); // false unless it holds the target's stones

    // Cells painted between these two make one undo step.
    void BeginStroke();
    void EndStroke();

    bool CanUndo() const { return !Past.empty(); }
    bool CanRedo() const { return !Future.empty(); }
    bool Undo();
    bool Redo();

    bool CanAdd() const { return Count() < MaxLevels; }
    // Whether the levels differ from the ones last saved or opened.
    bool Modified() const { return Now.Revision != SavedRevision; }
    void MarkSaved() { SavedRevision = Now.Revision; }

private:
    struct State {
        std::vector<TLevelRecord> Levels;
        int Current = -1;
        std::uint64_t Revision = 0; // names this content, for Modified()
    };

    // Called before each change: keeps the state to undo to, once per stroke.
    void Remember();
    // The current level becomes `level`, as one edit that can be undone.
    void ReplaceCurrent(const TLevelRecord& level);
    void Changed();

    State Now;
    std::deque<State> Past;
    std::vector<State> Future;
    std::uint64_t SavedRevision = 0;
    std::uint64_t NextRevision = 1;
    bool InStroke = false;
    bool StrokeRemembered = false;
};
