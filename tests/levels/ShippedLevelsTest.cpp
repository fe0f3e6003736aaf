// The level file the game ships: enough levels, rising, each solvable in
// time, and exactly what its recipe makes.
#include "Generator.h"
#include "LevelCheck.h"
#include "LevelInput.h"
#include "Recipe.h"
#include "Replay.h"

#include <gtest/gtest.h>

#include <fstream>
#include <set>

namespace {

const std::string DataDir = VELORIN_DATA_DIR;

std::vector<TLevelRecord> ShippedLevels()
{
    std::string error;
    const auto input = LoadLevels(DataDir + "/velor.dat", error);
    EXPECT_TRUE(input) << error;
    if (!input)
        return {};
    EXPECT_TRUE(input->Faults.empty());
    return input->Levels;
}

std::set<int> CodesOf(const TCells& cells)
{
    std::set<int> codes;
    for (int cell = 1; cell <= CellCount; ++cell)
        if (cells[cell] != 0)
            codes.insert(cells[cell]);
    return codes;
}

} // namespace

TEST(ShippedLevels, AtLeastThirtyVisibleLevelsWhoseParRisesAndFitsThePoints)
{
    const auto levels = ShippedLevels();
    ASSERT_GE(levels.size(), 30u);
    std::vector<int> pars;
    std::vector<StartMoves> starts;
    for (std::size_t n = 0; n < levels.size(); ++n) {
        SCOPED_TRACE("level " + std::to_string(n + 1));
        const TLevelRecord& level = levels[n];
        const std::set<int> codes = CodesOf(level.Target);
        EXPECT_GE(codes.size(), 2u) << "one colour alone cannot be scrambled";
        EXPECT_LE(*codes.rbegin(), 12) << "codes above 12 would be invisible";

        const LevelCheck check = CheckLevel(level);
        EXPECT_TRUE(check.Problems.empty()) << check.Problems.front();
        ASSERT_FALSE(check.Solution.Moves.empty());
        const int par = static_cast<int>(check.Solution.Moves.size());
        if (par <= ParProvedUpTo)
            EXPECT_EQ(check.Solution.Status, SolveStatus::Optimal);
        else
            EXPECT_GT(check.Solution.LowerBound, ParProvedUpTo);
        EXPECT_TRUE(Replay(level, check.Solution.Moves).Solved);
        pars.push_back(par);
        starts.push_back(check.Starts);
    }
    EXPECT_EQ(pars.front(), 1);
    EXPECT_GE(pars.back(), 35);
    EXPECT_LE(pars.back(), 40);
    for (std::size_t n = 1; n < pars.size(); ++n)
        EXPECT_GE(pars[n], pars[n - 1]) << "level " << n + 1 << " is easier than level " << n;

    // The first levels forgive anything; later ones may set traps.
    for (std::size_t n = 0; n < 12; ++n)
        EXPECT_EQ(starts[n].Dead + starts[n].Unknown, 0) << "level " << n + 1;
    int trapped = 0;
    for (const StartMoves& s : starts)
        trapped += s.Dead > 0;
    EXPECT_GE(trapped, 1) << "no level has a start move proved fatal";
}

TEST(ShippedLevels, EarlyLevelsTeachOneColourAtATimeAndLaterOnesMixAllTwelve)
{
    const auto levels = ShippedLevels();
    ASSERT_GE(levels.size(), 30u);
    std::set<int> seen;
    for (std::size_t n = 0; n < 6; ++n) {
        const std::set<int> codes = CodesOf(levels[n].Target);
        int fresh = 0;
        for (int code : codes)
            fresh += !seen.contains(code);
        EXPECT_LE(fresh, 2) << "level " << n + 1;
        for (int code : codes)
            EXPECT_TRUE(code >= 3 && code <= 12 && code != 7 && code != 8) << "level " << n + 1 << ": one-way first";
        seen.insert(codes.begin(), codes.end());
    }
    int allTwelve = 0;
    for (const TLevelRecord& level : levels)
        allTwelve += CodesOf(level.Target).size() == 12;
    EXPECT_GE(allTwelve, 5);
}

TEST(ShippedLevels, TheRecipeRebuildsTheLevelFileByteForByte)
{
    std::ifstream in(DataDir + "/levels.recipe");
    ASSERT_TRUE(in);
    const RecipeParse recipe = ParseRecipe(in);
    ASSERT_FALSE(recipe.Error) << *recipe.Error;
    const auto levels = ShippedLevels();
    ASSERT_EQ(recipe.Levels.size(), levels.size());
    for (std::size_t n = 0; n < levels.size(); ++n) {
        const GenerateResult made = Generate(recipe.Levels[n], {});
        ASSERT_TRUE(made.Level) << "level " << n + 1 << ": " << made.Error;
        EXPECT_EQ(made.Level->Record, levels[n]) << "level " << n + 1;
    }
}
