// The level file the game ships: ninety-nine levels, each proved, replayed
// and within the points; rising in difficulty; teaching each colour alone
// before the colours mix; exactly what its recipe makes; and LEVELS.md
// saying what the check finds.
#include "Generator.h"
#include "LevelCheck.h"
#include "LevelInput.h"
#include "LevelsMd.h"
#include "Moves.h"
#include "Parallel.h"
#include "Reachable.h"
#include "Recipe.h"
#include "Replay.h"
#include "SetCheck.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>

namespace {

const std::string DataDir = VELORIN_DATA_DIR;
constexpr int TeachingLevels = 24; // each colour is met alone within these
// What the later thirds ask, as LEVELS.md states it.
constexpr int MiddleLeastDetour = 3;
constexpr int LastLeastDetour = 4, LastMedianDetour = 5;
// Enough for the whole space of any level before the first trap.
constexpr std::size_t EarlyPositions = 400000;

struct ShippedSet {
    std::vector<TLevelRecord> Levels;
    std::vector<LevelCheck> Checks;
    std::vector<LevelRecipe> Recipes;
};

const ShippedSet& Shipped()
{
    static const ShippedSet set = [] {
        ShippedSet s;
        std::string error;
        if (const auto input = LoadLevels(DataDir + "/velor.dat", error); input && input->Faults.empty())
            s.Levels = input->Levels;
        std::ifstream in(DataDir + "/levels.recipe");
        s.Recipes = ParseRecipe(in).Levels;
        s.Checks.resize(s.Levels.size());
        ForEachInParallel(static_cast<int>(s.Levels.size()), [&](int n) {
            s.Checks[n] = CheckLevel(s.Levels[n], CheckBudget(), MeasuredPlayers, static_cast<std::uint64_t>(n) + 1);
        });
        return s;
    }();
    return set;
}

int Par(const LevelCheck& check)
{
    return static_cast<int>(check.Solution.Moves.size());
}

// The medians of `measure` over the three thirds of the set.
template <typename Measure> std::vector<double> MediansByThird(Measure measure)
{
    const auto& checks = Shipped().Checks;
    std::vector<double> medians;
    for (std::size_t third = 0; third < 3; ++third) {
        std::vector<double> values;
        for (std::size_t n = checks.size() * third / 3; n < checks.size() * (third + 1) / 3; ++n)
            values.push_back(static_cast<double>(measure(checks[n])));
        std::sort(values.begin(), values.end());
        medians.push_back(values[values.size() / 2]);
    }
    return medians;
}

bool OnlyColourMoves(const TCells& board, int code)
{
    bool any = false;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const MoveOffer offer = StoneMove(board, cell);
        const bool changes = (offer.Kind == MoveKind::Swap && board[cell + offer.Offset] != board[cell])
            || offer.Kind == MoveKind::Ring;
        if (changes && board[cell] != code)
            return false;
        any = any || changes;
    }
    return any;
}

bool OffersARing(const TCells& board, int code)
{
    for (int cell = 1; cell <= CellCount; ++cell)
        if (board[cell] == code && StoneMove(board, cell).Kind == MoveKind::Ring)
            return true;
    return false;
}

} // namespace

TEST(ShippedLevels, NinetyNineLevelsEachProvedReplayedSettledAndWithinThePoints)
{
    const ShippedSet& set = Shipped();
    ASSERT_EQ(set.Levels.size(), static_cast<std::size_t>(MaxLevels));
    for (std::size_t n = 0; n < set.Levels.size(); ++n) {
        SCOPED_TRACE("level " + std::to_string(n + 1));
        const LevelCheck& check = set.Checks[n];
        EXPECT_TRUE(check.Problems.empty()) << check.Problems.front();
        EXPECT_EQ(check.Solution.Status, SolveStatus::Optimal);
        EXPECT_LE(Par(check), ShippedParLimit);
        EXPECT_EQ(check.Starts.Unknown, 0);
        EXPECT_TRUE(Replay(set.Levels[n], check.Solution.Moves).Solved);
    }
}

TEST(ShippedLevels, DifficultyRisesByThinkingNotByLength)
{
    const auto par = MediansByThird([](const LevelCheck& c) { return Par(c); });
    const auto detour = MediansByThird([](const LevelCheck& c) { return c.Detour; });
    const auto positions = MediansByThird([](const LevelCheck& c) { return c.Solution.Nodes; });
    const auto players = MediansByThird([](const LevelCheck& c) { return c.Players->Percent(); });
    for (std::size_t third = 1; third < 3; ++third) {
        EXPECT_GT(par[third], par[third - 1]) << "third " << third + 1;
        EXPECT_GT(detour[third], detour[third - 1]) << "third " << third + 1;
        EXPECT_GT(positions[third], positions[third - 1]) << "third " << third + 1;
        EXPECT_LT(players[third], players[third - 1]) << "third " << third + 1;
    }
    EXPECT_GE(detour[2], LastMedianDetour);
    const auto& checks = Shipped().Checks;
    const std::size_t middle = checks.size() / 3, last = checks.size() * 2 / 3;
    for (std::size_t n = middle; n < last; ++n)
        EXPECT_TRUE(checks[n].Detour >= MiddleLeastDetour || checks[n].Players->Percent() < 50)
            << "level " << n + 1 << ": detour " << checks[n].Detour << ", players " << checks[n].Players->Percent();
    for (std::size_t n = last; n < checks.size(); ++n) {
        EXPECT_GE(checks[n].Detour, LastLeastDetour) << "level " << n + 1;
        EXPECT_LT(checks[n].Players->Percent(), 100) << "level " << n + 1 << " is solved by every simulated player";
    }
}

// LEVELS.md, its lines run together: a sentence reads the same wherever it breaks.
std::string LevelsMdProse()
{
    std::ifstream in(DataDir + "/LEVELS.md");
    std::stringstream text;
    text << in.rdbuf();
    return std::regex_replace(text.str(), std::regex(R"(\s+)"), " ");
}

// The numbers a sentence of LEVELS.md states; empty when it is not there.
std::vector<int> NumbersIn(const std::string& sentence)
{
    std::smatch match;
    const std::string prose = LevelsMdProse();
    std::vector<int> numbers;
    if (std::regex_search(prose, match, std::regex(sentence)))
        for (std::size_t n = 1; n < match.size(); ++n)
            numbers.push_back(std::stoi(match[n]));
    return numbers;
}

// The level LEVELS.md names as the first that can be lost.
int FirstTrapInLevelsMd()
{
    const auto numbers = NumbersIn(R"(Level (\d+) is the first trap)");
    return numbers.empty() ? 0 : numbers[0];
}

TEST(ShippedLevels, EachColourIsTaughtAloneWhereNothingCanGoWrongAndTheFirstTrapIsALevelOfItsOwn)
{
    const ShippedSet& set = Shipped();
    std::array<int, ColourCount + 1> taughtIn {}; // the level teaching each colour, from 1
    for (std::size_t n = 0; n < set.Recipes.size() && n < set.Levels.size(); ++n) {
        const int code = set.Recipes[n].OnlyMover;
        if (code == 0)
            continue;
        SCOPED_TRACE("level " + std::to_string(n + 1) + ", colour " + std::to_string(code));
        EXPECT_EQ(taughtIn[static_cast<std::size_t>(code)], 0) << "taught twice";
        taughtIn[static_cast<std::size_t>(code)] = static_cast<int>(n) + 1;
        const TLevelRecord& level = set.Levels[n];
        const LevelSolver solver(level);
        EXPECT_TRUE(OnlyColourMoves(level.Board, code));
        EXPECT_EQ(ParPressingOnly(solver, level.Board, level.Target, code, EarlyPositions), Par(set.Checks[n]));
    }
    // Each colour is taught before any level lets it move beside another.
    for (int code = 1; code <= ColourCount; ++code) {
        const int taught = taughtIn[static_cast<std::size_t>(code)];
        ASSERT_GT(taught, 0) << "colour " << code << " is never taught";
        for (int n = 0; n + 1 < taught; ++n) {
            const LevelSolver solver(set.Levels[static_cast<std::size_t>(n)]);
            for (const Move& move : solver.MovesFrom(set.Levels[static_cast<std::size_t>(n)].Board))
                EXPECT_NE(set.Levels[static_cast<std::size_t>(n)].Board[move.Cell], code)
                    << "colour " << code << " moves in level " << n + 1 << ", before level " << taught << " teaches it";
        }
    }
    // Nothing can be lost anywhere before the first trap; it has a dead start move.
    const int firstTrap = FirstTrapInLevelsMd();
    ASSERT_GT(firstTrap, TeachingLevels) << "LEVELS.md names no first trap after the teaching levels";
    for (int n = 0; n + 1 < firstTrap; ++n) {
        const TLevelRecord& level = set.Levels[static_cast<std::size_t>(n)];
        const ReachableSpace space = ExploreReachable(LevelSolver(level), level.Board, level.Target, EarlyPositions);
        EXPECT_TRUE(space.Complete && space.DeadEnds == 0) << "level " << n + 1 << " can be lost";
    }
    EXPECT_GT(set.Checks[static_cast<std::size_t>(firstTrap) - 1].Starts.Dead, 0);
    for (const int twoWay : {1, 2, 7, 8}) {
        bool ringed = false;
        for (int n = 0; n + 1 < firstTrap; ++n)
            ringed = ringed || OffersARing(set.Levels[static_cast<std::size_t>(n)].Board, twoWay);
        EXPECT_TRUE(ringed) << "colour " << twoWay << " shows its two rings only after the first trap";
    }
    // Traps stay part of the game after the first: each later third has some.
    const auto& checks = set.Checks;
    for (std::size_t third = 1; third < 3; ++third)
        EXPECT_TRUE(std::any_of(checks.begin() + static_cast<std::ptrdiff_t>(checks.size() * third / 3),
                                checks.begin() + static_cast<std::ptrdiff_t>(checks.size() * (third + 1) / 3),
                                [](const LevelCheck& c) { return c.Starts.Dead > 0; }))
            << "third " << third + 1 << " has no dead start move";
}

TEST(ShippedLevels, NoPuzzleOrPictureTwiceAndEachThirdDrawnInAreasOfOneColour)
{
    const SetCheck set = CheckSet(Shipped().Levels, Shipped().Checks);
    for (const std::string& problem : set.Problems)
        ADD_FAILURE() << problem;
    EXPECT_EQ(set.Thirds.size(), 3u);
    // Each part of a picture drawn at random takes one or two colours.
    for (const LevelRecipe& recipe : Shipped().Recipes)
        for (const auto& [part, codes] : recipe.Mix)
            EXPECT_LE(codes.size(), 2u) << recipe.Title << ", part " << part;
}

TEST(ShippedLevels, LevelsMdStatesTheBudgetAndTheTiersTheSetKeeps)
{
    EXPECT_EQ(NumbersIn(R"(thinks (\d+) seconds a move spends 2 × par × \((\d+) \+ (\d+)\) points)"),
              (std::vector<int> {ShippedSecondsPerMove, PointsPerMove, ShippedSecondsPerMove * PointsPerTick}));
    EXPECT_EQ(NumbersIn(R"(With (\d+) points to an attempt that allows a par of (\d+))"),
              (std::vector<int> {PointsPerAttempt, ShippedParLimit}));

    const auto& recipes = Shipped().Recipes;
    const auto teaching = [](const LevelRecipe& r) { return r.OnlyMover != 0; };
    const auto first = std::find_if(recipes.begin(), recipes.end(), teaching) - recipes.begin();
    const auto last = recipes.rend() - std::find_if(recipes.rbegin(), recipes.rend(), teaching);
    EXPECT_EQ(NumbersIn(R"(Levels (\d+)-(\d+): one colour at a time)"),
              (std::vector<int> {static_cast<int>(first) + 1, static_cast<int>(last)}));

    const int count = static_cast<int>(recipes.size());
    EXPECT_EQ(
        NumbersIn(R"(Levels (\d+)-(\d+): pictures in many colours\. Each level needs a detour of at least (\d+))"),
        (std::vector<int> {count / 3 + 1, count * 2 / 3, MiddleLeastDetour}));
    EXPECT_EQ(
        NumbersIn(
            R"(Levels (\d+)-(\d+): narrow, deep pictures.*? a detour of at least (\d+) moves, their median is at least (\d+))"),
        (std::vector<int> {count * 2 / 3 + 1, count, LastLeastDetour, LastMedianDetour}));
}

TEST(ShippedLevels, StonesThatNeverMoveAreAtMostALittleFraming)
{
    for (std::size_t n = 0; n < Shipped().Checks.size(); ++n)
        EXPECT_LE(Shipped().Checks[n].FrozenStones, 4) << "level " << n + 1;
}

TEST(ShippedLevels, LevelsMdShowsWhatTheCheckFinds)
{
    std::ifstream in(DataDir + "/LEVELS.md");
    std::stringstream text;
    text << in.rdbuf();
    const auto figures = FiguresIn(text.str());
    ASSERT_TRUE(figures) << "LEVELS.md has lost its marker lines";
    const ShippedSet& set = Shipped();
    EXPECT_EQ(*figures, LevelsMdFigures(set.Recipes, set.Levels, set.Checks))
        << "LEVELS.md is out of date: velorin-levels report rewrites it";
}

TEST(ShippedLevels, TheRecipeRebuildsTheLevelFileByteForByte)
{
    const ShippedSet& set = Shipped();
    ASSERT_EQ(set.Recipes.size(), set.Levels.size());
    std::vector<GenerateResult> made(set.Levels.size());
    ForEachInParallel(static_cast<int>(made.size()),
                      [&](int n) { made[n] = Generate(set.Recipes[n], GeneratorBudget()); });
    for (std::size_t n = 0; n < made.size(); ++n) {
        ASSERT_TRUE(made[n].Level) << "level " << n + 1 << ": " << made[n].Error;
        EXPECT_EQ(made[n].Level->Record, set.Levels[n]) << "level " << n + 1;
    }
}
