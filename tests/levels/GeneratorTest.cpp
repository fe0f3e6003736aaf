#include "Generator.h"
#include "Replay.h"
#include "SmallLevels.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>

namespace {

LevelRecipe RecipeOf(const std::string& text)
{
    std::istringstream in(text);
    RecipeParse parse = ParseRecipe(in);
    EXPECT_FALSE(parse.Error) << *parse.Error;
    return parse.Levels.at(0);
}

const char* const Frame = R"(level Frame
pattern
.........
.abbbbba.
.b.....b.
.b.....b.
.b.....b.
.b.....b.
.b.....b.
.abbbbba.
.........
mix a=7,8 b=1,2,3,4,5,6
depth 14
seed 9
bias 60
par 6-12
end
)";

} // namespace

// A predecessor is exactly a board from which one move of the rule leads
// to the given board.
TEST(Generator, MovesIntoFindsExactlyTheBoardsOneMoveBefore)
{
    std::mt19937 dice(3);
    const std::vector<std::uint8_t> codes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};
    for (int n = 0; n < 30; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 12, codes, 5);
        const MoveTable table(level.Board);
        std::set<Cells> found;
        for (const Move& move : MovesInto(table, level.Board)) {
            TCells before = level.Board;
            ApplyMove(before, move);
            const ReplayResult replay = Replay({level.Board, before}, {move});
            EXPECT_TRUE(replay.Legal && replay.Solved) << "level " << n;
            found.insert(AsArray(before));
        }
        std::set<Cells> expected;
        for (int a = 1; a <= CellCount; ++a)
            for (int b = a + 1; b <= CellCount; ++b) {
                if (level.Board[a] == 0 || level.Board[b] == 0 || level.Board[a] == level.Board[b])
                    continue;
                TCells before = level.Board;
                std::swap(before[a], before[b]);
                for (const TCells& next : Successors(before))
                    if (next == level.Board)
                        expected.insert(AsArray(before));
            }
        EXPECT_EQ(found, expected) << "level " << n;
    }
}

TEST(Generator, TheTargetKeepsFixedStonesAndColoursEachClassFromItsMix)
{
    const LevelRecipe recipe = RecipeOf(Frame);
    const TCells target = TargetOf(recipe);
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column) {
            const char symbol = recipe.Pattern[row][column];
            const int code = target[row * 9 + column + 1];
            if (symbol == '.')
                EXPECT_EQ(code, 0);
            else if (symbol == 'a')
                EXPECT_TRUE(code == 7 || code == 8);
            else
                EXPECT_TRUE(code >= 1 && code <= 6);
        }
}

TEST(Generator, MakesTheSameSolvableLevelWithinItsParWindowEveryTime)
{
    const LevelRecipe recipe = RecipeOf(Frame);
    const GenerateResult first = Generate(recipe, GeneratorBudget());
    const GenerateResult again = Generate(recipe, GeneratorBudget());
    ASSERT_TRUE(first.Level) << first.Error;
    ASSERT_TRUE(again.Level);
    EXPECT_EQ(first.Level->Record, again.Level->Record);
    EXPECT_NE(first.Level->Record.Board, first.Level->Record.Target);

    const SolveResult& solution = first.Level->Solution;
    EXPECT_EQ(solution.Status, SolveStatus::Optimal);
    EXPECT_GE(solution.Moves.size(), 6u);
    EXPECT_LE(solution.Moves.size(), 12u);
    EXPECT_TRUE(Replay(first.Level->Record, solution.Moves).Solved);

    LevelRecipe otherSeed = recipe;
    otherSeed.Seed = 10;
    const GenerateResult other = Generate(otherSeed, {});
    ASSERT_TRUE(other.Level);
    EXPECT_NE(other.Level->Record, first.Level->Record);
}

TEST(Generator, KeepsToTheDetourAndTheOneMovingColourItIsAskedFor)
{
    LevelRecipe deep = RecipeOf(Frame);
    deep.DetourLow = 1;
    deep.DetourHigh = MaxParMoves;
    deep.Tries = 500;
    const GenerateResult made = Generate(deep, {});
    ASSERT_TRUE(made.Level) << made.Error;
    const LevelSolver solver(made.Level->Record);
    EXPECT_EQ(made.Level->Detour,
              static_cast<int>(made.Level->Solution.Moves.size()) - solver.Bound(made.Level->Record.Board));
    EXPECT_GE(made.Level->Detour, 1);

    LevelRecipe teaching = RecipeOf(Frame);
    teaching.OnlyMover = 6;
    teaching.Pattern = {".........", ".........", ".........", ".........", "366366666",
                        ".........", ".........", ".........", "........."};
    teaching.Mix.clear();
    const GenerateResult taught = Generate(teaching, {});
    ASSERT_TRUE(taught.Level) << taught.Error;
    const LevelSolver taughtSolver(taught.Level->Record);
    for (const Move& move : taughtSolver.MovesFrom(taught.Level->Record.Board))
        EXPECT_EQ(taught.Level->Record.Board[move.Cell], 6) << "cell " << move.Cell;
}

// Walk 10 of the frame has a start move after which no search within a
// mebibyte settles whether the target can still be reached.
TEST(Generator, DeadAnyTakesAWalkWithUnsettledStartMovesAndOtherRulesSayWhyTheyDropIt)
{
    LevelRecipe recipe = RecipeOf(Frame);
    recipe.FirstWalk = 10;
    recipe.Tries = 1;
    SolveBudget quick = GeneratorBudget();
    quick.DeadEndMemoryBytes = std::size_t {1} << 20;
    const GenerateResult any = Generate(recipe, quick);
    ASSERT_TRUE(any.Level) << any.Error;
    EXPECT_EQ(any.Level->Attempt, 10);
    ASSERT_GT(any.Level->Starts.Unknown, 0);
    EXPECT_EQ(any.Tally.Unsettled, 0);

    recipe.Dead = {DeadRule::Kind::None, 0};
    const GenerateResult none = Generate(recipe, quick);
    EXPECT_FALSE(none.Level);
    EXPECT_EQ(none.Tally.Unsettled, 1);
    EXPECT_NE(none.Error.find("1 dropped because start moves the rule on dead ends needs settled were left unsettled"),
              std::string::npos)
        << none.Error;

    // As many dead ones as the unsettled could make up: undecided as well.
    recipe.Dead = {DeadRule::Kind::AtLeast, any.Level->Starts.Dead + 1};
    EXPECT_EQ(Generate(recipe, quick).Tally.Unsettled, 1);
    // More than they could make up: a plain failure of the rule.
    recipe.Dead = {DeadRule::Kind::AtLeast, any.Level->Starts.Dead + any.Level->Starts.Unknown + 1};
    EXPECT_EQ(Generate(recipe, quick).Tally.DeadRuleFailed, 1);
}

TEST(Generator, SaysWhyWhenNoWalkFits)
{
    LevelRecipe frozen = RecipeOf(Frame);
    frozen.Pattern = {".........", ".........", ".........", ".........", "....63...",
                      ".........", ".........", ".........", "........."};
    const GenerateResult stuck = Generate(frozen, {});
    EXPECT_FALSE(stuck.Level);
    EXPECT_NE(stuck.Error.find("cannot be scrambled"), std::string::npos) << stuck.Error;

    LevelRecipe tooLong = RecipeOf(Frame);
    tooLong.ParLow = tooLong.ParHigh = 40;
    tooLong.Tries = 3;
    const GenerateResult missed = Generate(tooLong, {});
    EXPECT_FALSE(missed.Level);
    EXPECT_NE(missed.Error.find("no walk of 3"), std::string::npos) << missed.Error;
}
