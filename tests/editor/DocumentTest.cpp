// The collection being edited: the list edits within 1..99 levels, and
// undo and redo of every edit, a dragged stroke as one step.
#include "Document.h"
#include "Levels.h"

#include <gtest/gtest.h>

namespace {

std::vector<TLevelRecord> Numbered(int count)
{
    std::vector<TLevelRecord> levels;
    for (int n = 1; n <= count; ++n)
        levels.push_back(NumberedLevel(n));
    return levels;
}

} // namespace

TEST(Document, AddsDuplicatesDeletesAndReordersLevels)
{
    Document doc;
    doc.Reset(Numbered(3), true);
    doc.Choose(1);
    EXPECT_TRUE(doc.DuplicateLevel());
    EXPECT_EQ(doc.Levels(), (std::vector {NumberedLevel(1), NumberedLevel(2), NumberedLevel(2), NumberedLevel(3)}));
    EXPECT_EQ(doc.Current(), 2);
    EXPECT_TRUE(doc.AddLevel());
    EXPECT_EQ(doc.Levels()[3], TLevelRecord {});
    EXPECT_EQ(doc.Current(), 3);
    EXPECT_TRUE(doc.MoveLevel(+1));
    EXPECT_EQ(doc.Levels()[4], TLevelRecord {});
    EXPECT_FALSE(doc.MoveLevel(+1)); // already last
    EXPECT_TRUE(doc.DeleteLevel());
    EXPECT_EQ(doc.Levels(), (std::vector {NumberedLevel(1), NumberedLevel(2), NumberedLevel(2), NumberedLevel(3)}));
    EXPECT_EQ(doc.Current(), 3);

    doc.Reset(Numbered(MaxLevels), true);
    EXPECT_FALSE(doc.AddLevel());
    EXPECT_FALSE(doc.DuplicateLevel());
    EXPECT_EQ(doc.Count(), MaxLevels);
    EXPECT_FALSE(doc.CanUndo());

    doc.Reset({}, true); // an empty collection
    EXPECT_EQ(doc.Current(), -1);
    EXPECT_FALSE(doc.DeleteLevel());
    EXPECT_FALSE(doc.PaintTarget(1, 1));
    EXPECT_TRUE(doc.AddLevel());
    EXPECT_EQ(doc.Current(), 0);
}

TEST(Document, UndoesAndRedoesEveryEditAndKnowsWhenItIsBackAtTheSavedState)
{
    Document doc;
    doc.Reset({MakeLevel({{41, 6}, {42, 5}}, {{41, 5}, {42, 6}})}, true);
    const auto saved = doc.Levels();
    EXPECT_FALSE(doc.Modified());

    doc.BeginStroke(); // one drag over three cells, one of them twice
    EXPECT_TRUE(doc.PaintTarget(1, 3));
    EXPECT_TRUE(doc.PaintTarget(2, 3));
    EXPECT_FALSE(doc.PaintTarget(2, 3));
    EXPECT_TRUE(doc.PaintTarget(3, 3));
    doc.EndStroke();
    const auto painted = doc.Levels();
    EXPECT_TRUE(doc.SwapStart(41, 42));
    EXPECT_TRUE(doc.DuplicateLevel());
    EXPECT_TRUE(doc.Modified());

    EXPECT_TRUE(doc.Undo()); // the duplicate
    EXPECT_TRUE(doc.Undo()); // the swap
    EXPECT_EQ(doc.Levels(), painted);
    EXPECT_TRUE(doc.Undo()); // the whole stroke at once
    EXPECT_EQ(doc.Levels(), saved);
    EXPECT_FALSE(doc.Modified());
    EXPECT_FALSE(doc.Undo());

    EXPECT_TRUE(doc.Redo());
    EXPECT_EQ(doc.Levels(), painted);
    EXPECT_TRUE(doc.Modified());
    EXPECT_TRUE(doc.PaintTarget(81, 1)); // a new edit ends the redo
    EXPECT_FALSE(doc.CanRedo());

    TCells wrong = doc.CurrentLevel()->Board;
    wrong[81] = 2;
    EXPECT_FALSE(doc.SetStart(wrong)); // not the target's stones
    TCells swapped = doc.CurrentLevel()->Board;
    std::swap(swapped[41], swapped[42]);
    EXPECT_TRUE(doc.SetStart(swapped));
    doc.MarkSaved();
    EXPECT_FALSE(doc.Modified());
    EXPECT_TRUE(doc.Undo());
    EXPECT_TRUE(doc.Modified());
}

// The history keeps the latest edits; the oldest ones fall out of it.
TEST(Document, KeepsOnlyTheLatestEditsToUndo)
{
    Document doc;
    const int extra = 50;
    std::vector<TLevelRecord> after;
    for (int n = 0; n < static_cast<int>(Document::MostUndoSteps) + extra; ++n) {
        ASSERT_TRUE(doc.PaintTarget(1 + n % 2, static_cast<std::uint8_t>(1 + n % 12)));
        after.push_back(*doc.CurrentLevel());
    }
    std::size_t undone = 0;
    while (doc.Undo())
        ++undone;
    EXPECT_EQ(undone, Document::MostUndoSteps);
    EXPECT_EQ(*doc.CurrentLevel(), after[extra - 1]);
    EXPECT_TRUE(doc.Redo());
    EXPECT_EQ(*doc.CurrentLevel(), after[extra]);
}

// Levels made for the collection go after its last, as far as 99 allow, and
// come back out with one undo.
TEST(Document, AppendsMadeLevelsAsOneEditWithinNinetyNine)
{
    Document doc;
    doc.Reset(Numbered(97), true);
    EXPECT_TRUE(doc.AppendLevels(Numbered(5)));
    EXPECT_EQ(doc.Count(), 99);
    EXPECT_EQ(doc.Current(), 97);
    EXPECT_EQ(*doc.CurrentLevel(), NumberedLevel(1));
    EXPECT_FALSE(doc.AppendLevels(Numbered(1)));
    EXPECT_TRUE(doc.Undo());
    EXPECT_EQ(doc.Count(), 97);
    EXPECT_FALSE(doc.Modified());
}
