#include "Solver.h"
#include "Moves.h"
#include "Replay.h"
#include "Reversed.h"
#include "SmallLevels.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::uint8_t> AllCodes = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
const std::vector<std::uint8_t> OneWay = {3, 4, 5, 6, 9, 10, 11, 12};
const std::vector<std::uint8_t> TwoWay = {1, 2, 7, 8};

void ExpectParOfBreadthFirstSearch(const std::vector<std::uint8_t>& codes, unsigned seed)
{
    std::mt19937 dice(seed);
    int compared = 0;
    for (int n = 0; n < 40; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 8 + n % 4, codes, 4 + n % 9);
        const auto par = BreadthFirstPar(level, 300'000);
        ASSERT_TRUE(par.has_value()) << "level " << n << " is solvable by construction";
        const SolveResult solved = Solve(level);
        ASSERT_EQ(solved.Status, SolveStatus::Optimal) << "level " << n;
        EXPECT_EQ(static_cast<int>(solved.Moves.size()), *par) << "level " << n;
        const ReplayResult replay = Replay(level, solved.Moves);
        EXPECT_TRUE(replay.Legal) << "level " << n << ", move " << replay.IllegalMove;
        EXPECT_TRUE(replay.Solved) << "level " << n;
        // With a second thread searching back from the target: the same par.
        SolveBudget both;
        both.Threads = 2;
        const SolveResult raced = Solve(level, both);
        ASSERT_EQ(raced.Status, SolveStatus::Optimal) << "level " << n;
        EXPECT_EQ(raced.Moves.size(), solved.Moves.size()) << "level " << n;
        EXPECT_TRUE(Replay(level, raced.Moves).Solved) << "level " << n;
        compared += *par > 0;
    }
    EXPECT_GT(compared, 30);
}

} // namespace

TEST(Solver, ParEqualsBreadthFirstSearchAndEverySolutionReplaysToTheTarget)
{
    ExpectParOfBreadthFirstSearch(AllCodes, 1);
    ExpectParOfBreadthFirstSearch(OneWay, 2);
    ExpectParOfBreadthFirstSearch(TwoWay, 3);
}

TEST(Solver, ProvesALevelUnsolvableWhenNoMoveHelps)
{
    // Row 0: an up stone cannot leave the top row and a right stone has an
    // empty cell to its right, so nothing moves at all.
    TLevelRecord stuck {};
    stuck.Board[1] = 3;
    stuck.Board[2] = 6;
    stuck.Target[1] = 6;
    stuck.Target[2] = 3;
    EXPECT_EQ(Solve(stuck).Status, SolveStatus::Unsolvable);

    // The right stone can move, but only away from where it must go.
    TLevelRecord away {};
    away.Board[1] = 5;
    away.Board[2] = 6;
    away.Board[3] = 5;
    away.Target[1] = 6;
    away.Target[2] = 5;
    away.Target[3] = 5;
    EXPECT_EQ(Solve(away).Status, SolveStatus::Unsolvable);
    EXPECT_EQ(BreadthFirstPar(away), std::nullopt);

    TLevelRecord otherStones = away;
    otherStones.Target[3] = 4;
    EXPECT_EQ(Solve(otherStones).Status, SolveStatus::Unsolvable);

    // A search asked to start from a board with other stones or other empty
    // cells than its level's target reaches nothing.
    const LevelSearch search(away);
    TCells moved = away.Board;
    std::swap(moved[3], moved[4]);
    EXPECT_EQ(search.Run(moved, {}).Outcome, SearchOutcome::Exhausted);
    TCells recoloured = away.Board;
    recoloured[3] = 6;
    EXPECT_EQ(search.Run(recoloured, {}).Outcome, SearchOutcome::Exhausted);
}

namespace {

// A full board, and as its target the end of 24 random moves from it: too
// much for a search of a few megabytes. The moves lead from board to target.
struct ScrambledBoard {
    TLevelRecord Level {};
    std::vector<Move> Walk;
};

ScrambledBoard FullBoardWalk()
{
    std::mt19937 dice(7);
    ScrambledBoard made;
    for (int cell = 1; cell <= CellCount; ++cell)
        made.Level.Board[cell] = AllCodes[dice() % AllCodes.size()];
    made.Level.Target = made.Level.Board;
    for (int n = 0; n < 24; ++n) {
        std::vector<Move> moves;
        for (int cell = 1; cell <= CellCount; ++cell) {
            const MoveOffer offer = StoneMove(made.Level.Target, cell);
            if (offer.Kind == MoveKind::Swap)
                moves.push_back({cell, cell + offer.Offset});
            if (offer.Kind == MoveKind::Ring) {
                moves.push_back({cell, offer.Ring1});
                moves.push_back({cell, offer.Ring2});
            }
        }
        const Move move = moves[dice() % moves.size()];
        ApplyMove(made.Level.Target, move);
        made.Walk.push_back(move);
    }
    return made;
}

constexpr std::size_t SmallMemory = std::size_t {4} << 20;

} // namespace

TEST(Solver, OverItsMemoryKeepsTheKnownSolutionOrFallsBackToAReplayableBound)
{
    const ScrambledBoard scrambled = FullBoardWalk();
    SolveBudget small;
    small.MemoryBytes = SmallMemory;

    const SolveResult kept = Solve(scrambled.Level, small, scrambled.Walk);
    ASSERT_EQ(kept.Status, SolveStatus::Bound);
    EXPECT_EQ(kept.Cause, StopCause::Memory);
    EXPECT_EQ(kept.Moves, scrambled.Walk) << "nothing shorter was found, so the walk is what is known";
    EXPECT_GT(kept.LowerBound, 0);
    EXPECT_LE(kept.LowerBound, 24);
    EXPECT_LE(kept.PeakBytes, SmallMemory);
    EXPECT_NE(AnswerText(kept).find("solvable in at most 24 moves, par at least"), std::string::npos)
        << AnswerText(kept);

    const SolveResult found = Solve(scrambled.Level, small);
    ASSERT_EQ(found.Status, SolveStatus::Bound);
    EXPECT_EQ(found.Cause, StopCause::Memory);
    EXPECT_LE(found.LowerBound, static_cast<int>(found.Moves.size()));
    EXPECT_LE(found.Moves.size(), 48u) << "weight 2 over a par of at most 24";
    const ReplayResult replay = Replay(scrambled.Level, found.Moves);
    EXPECT_TRUE(replay.Legal && replay.Solved);
}

TEST(Solver, WithoutTimeOrWhenStoppedItSaysUnknownNeverUnsolvable)
{
    const ScrambledBoard scrambled = FullBoardWalk();
    SolveBudget none;
    none.Seconds = 0;
    const SolveResult late = Solve(scrambled.Level, none);
    EXPECT_EQ(late.Status, SolveStatus::Unknown);
    EXPECT_EQ(late.Cause, StopCause::Time);
    EXPECT_TRUE(late.Moves.empty());
    EXPECT_GT(late.LowerBound, 0);
    EXPECT_NE(AnswerText(late).find("unknown, par at least"), std::string::npos) << AnswerText(late);

    SearchWatch watch;
    watch.Cancel();
    SolveBudget stopped;
    stopped.Watch = &watch;
    const SolveResult asked = Solve(scrambled.Level, stopped);
    EXPECT_EQ(asked.Status, SolveStatus::Unknown);
    EXPECT_EQ(asked.Cause, StopCause::Request);

    // Stopped with a solution known, that solution stays the answer.
    const SolveResult kept = Solve(scrambled.Level, stopped, scrambled.Walk);
    EXPECT_EQ(kept.Status, SolveStatus::Bound);
    EXPECT_EQ(kept.Moves, scrambled.Walk);
}

// The quick search's solution plays and is never shorter than the bound; it
// claims nothing where there is no solution, or when asked to stop.
TEST(Solver, AQuickSolutionPlaysToTheTargetOrIsNotThere)
{
    const ScrambledBoard scrambled = FullBoardWalk();
    const LevelSolver solver(scrambled.Level);
    const SolveResult quick = solver.QuickSolution(scrambled.Level.Board, 10);
    ASSERT_EQ(quick.Status, SolveStatus::Bound);
    EXPECT_GT(quick.Nodes, 0u);
    EXPECT_GE(static_cast<int>(quick.Moves.size()), solver.Bound(scrambled.Level.Board));
    const ReplayResult replay = Replay(scrambled.Level, quick.Moves);
    EXPECT_TRUE(replay.Legal && replay.Solved);

    std::mt19937 dice(9);
    for (int n = 0; n < 10; ++n) { // small levels of several groups, each solved on its own
        const TLevelRecord level = RandomSmallLevel(dice, 10, AllCodes, 8);
        const SolveResult small = LevelSolver(level).QuickSolution(level.Board, 10);
        ASSERT_EQ(small.Status, SolveStatus::Bound) << "level " << n;
        EXPECT_TRUE(Replay(level, small.Moves).Solved) << "level " << n;
    }

    TLevelRecord stuck {}; // an up stone in the top row, a right stone before an empty cell
    stuck.Board[1] = stuck.Target[2] = 3;
    stuck.Board[2] = stuck.Target[1] = 6;
    EXPECT_TRUE(LevelSolver(stuck).QuickSolution(stuck.Board, 10).Moves.empty());
    SearchWatch watch;
    watch.Cancel();
    EXPECT_TRUE(solver.QuickSolution(scrambled.Level.Board, 10, &watch).Moves.empty());
}

TEST(Solver, AKnownSolutionIsProvedShortestOrBeatenAndAWrongOneIgnored)
{
    std::mt19937 dice(5);
    int compared = 0;
    for (int n = 0; n < 20; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 9, AllCodes, 6);
        const SolveResult plain = Solve(level);
        ASSERT_EQ(plain.Status, SolveStatus::Optimal);
        if (plain.Moves.empty())
            continue;
        // The shortest solution itself: proved by seeing nothing shorter.
        const SolveResult same = Solve(level, {}, plain.Moves);
        EXPECT_EQ(same.Status, SolveStatus::Optimal);
        EXPECT_EQ(same.Moves.size(), plain.Moves.size());
        // The same with a move and its undoing put in front: a shorter one is found.
        const LevelSolver solver(level);
        for (const Move& first : solver.MovesFrom(level.Board)) {
            TCells after = level.Board;
            ApplyMove(after, first);
            const auto back = solver.MovesFrom(after);
            const auto undo = std::find_if(back.begin(), back.end(), [&](const Move& m) {
                TCells again = after;
                ApplyMove(again, m);
                return again == level.Board;
            });
            if (undo == back.end())
                continue;
            std::vector<Move> longer {first, *undo};
            longer.insert(longer.end(), plain.Moves.begin(), plain.Moves.end());
            const SolveResult beaten = Solve(level, {}, longer);
            EXPECT_EQ(beaten.Status, SolveStatus::Optimal);
            EXPECT_EQ(beaten.Moves.size(), plain.Moves.size());
            EXPECT_TRUE(Replay(level, beaten.Moves).Solved);
            ++compared;
            break;
        }
        // A "solution" that does not solve is no solution.
        std::vector<Move> wrong(plain.Moves.begin(), plain.Moves.end() - 1);
        const SolveResult ignored = Solve(level, {}, wrong);
        EXPECT_EQ(ignored.Status, SolveStatus::Optimal);
        EXPECT_EQ(ignored.Moves.size(), plain.Moves.size());
    }
    EXPECT_GT(compared, 5);
}

// Backwards, every colour goes the other way: the reversed level, from the
// reversed target to the reversed start, has the same par, and its
// solution read backwards plays the level itself.
TEST(Solver, TheReversedLevelHasTheSameParAndItsSolutionPlaysTheLevel)
{
    EXPECT_EQ(ReversedCode(3), 4);
    EXPECT_EQ(ReversedCode(6), 5);
    EXPECT_EQ(ReversedCode(9), 10);
    EXPECT_EQ(ReversedCode(11), 12);
    EXPECT_EQ(ReversedCode(7), 7);
    EXPECT_EQ(ReversedCode(13), 13);
    std::mt19937 dice(9);
    for (int n = 0; n < 30; ++n) {
        const TLevelRecord level = RandomSmallLevel(dice, 9, n % 2 ? OneWay : AllCodes, 3 + n % 6);
        const auto par = BreadthFirstPar(level, 300'000);
        ASSERT_TRUE(par.has_value());
        const TLevelRecord reversed {Reversed(level.Board), Reversed(level.Target)};
        const SolveResult back = Solve(reversed);
        ASSERT_EQ(back.Status, SolveStatus::Optimal) << "level " << n;
        EXPECT_EQ(static_cast<int>(back.Moves.size()), *par) << "level " << n;
        const ReplayResult replay = Replay(level, ForwardOf(back.Moves));
        EXPECT_TRUE(replay.Legal && replay.Solved) << "level " << n;
    }
}

TEST(Solver, ALevelSolvedAtTheStartNeedsNoMove)
{
    TLevelRecord level {};
    level.Target[5] = level.Board[5] = 1;
    level.Target[6] = level.Board[6] = 2;
    const SolveResult solved = Solve(level);
    EXPECT_EQ(solved.Status, SolveStatus::Optimal);
    EXPECT_TRUE(solved.Moves.empty());
}
