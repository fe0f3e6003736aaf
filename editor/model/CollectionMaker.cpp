#include "CollectionMaker.h"

#include "Generator.h"
#include "Random.h"
#include "Recipe.h"
#include "Scramble.h"
#include "StoneRules.h"

#include <algorithm>
#include <cmath>

namespace {

// Patterns tried per level before the collection is given up.
constexpr int PatternsPerLevel = 8;
// The patterns grow from 3 to 6 cells wide and from 2 to 4 colours.
constexpr int SmallestSide = 3, SideGrowth = 3;
constexpr int FewestColours = 2, ColourGrowth = 2;
// Few walks are tried per pattern: another pattern is quicker to try.
constexpr int WalksPerPattern = 60;

// `from` at the first level, `from + growth` at the last.
int Grown(int from, int growth, double share)
{
    return from + static_cast<int>(std::lround(share * growth));
}

// A rectangle of one class in the middle of the board, `side` wide and a
// little less high, coloured with `colours` different codes.
LevelRecipe RecipeFor(int side, int colours, ParRange window, Dice& dice, std::uint64_t seed)
{
    LevelRecipe recipe;
    const int width = side, height = std::max(2, side - 1);
    const int left = (BoardSide - width) / 2, top = (BoardSide - height) / 2;
    for (int row = 0; row < BoardSide; ++row) {
        recipe.Pattern[static_cast<std::size_t>(row)] = std::string(BoardSide, '.');
        for (int column = left; column < left + width; ++column)
            if (row >= top && row < top + height)
                recipe.Pattern[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = 'a';
    }
    std::vector<std::uint8_t> codes;
    while (static_cast<int>(codes.size()) < colours) {
        const auto code = static_cast<std::uint8_t>(1 + dice.Below(ColourCount));
        if (std::find(codes.begin(), codes.end(), code) == codes.end())
            codes.push_back(code);
    }
    recipe.Mix['a'] = codes;
    recipe.Seed = seed;
    recipe.Depth = window.High * StepsPerParMove;
    recipe.ParLow = window.Low;
    recipe.ParHigh = window.High;
    recipe.Bias = AwayBias;
    recipe.Tries = WalksPerPattern;
    return recipe;
}

} // namespace

MadeCollection MakeCollection(int count, std::uint64_t seed, SearchWatch* watch,
                              const std::function<void(int)>& progress)
{
    MadeCollection made;
    count = std::clamp(count, 1, MaxLevels);
    const SolveBudget budget = GeneratorBudget(watch);
    Dice dice(seed, 0);
    for (int n = 0; n < count; ++n) {
        // 0 for the first level, 1 for the last.
        const double share = count == 1 ? 0.0 : static_cast<double>(n) / (count - 1);
        const int par = Grown(EasiestPar, HardestPar - EasiestPar, share);
        const ParRange window {std::max(1, par - 1), par + 1};
        const int side = Grown(SmallestSide, SideGrowth, share);
        const int colours = Grown(FewestColours, ColourGrowth, share);
        bool done = false;
        for (int attempt = 0; attempt < PatternsPerLevel && !done; ++attempt) {
            if (StopRequested(watch)) {
                made.Error = "Das Erzeugen wurde abgebrochen.";
                return made;
            }
            const GenerateResult level = Generate(RecipeFor(side, colours, window, dice, dice.Below(1u << 30)), budget);
            if (level.Level) {
                made.Levels.push_back(level.Level->Record);
                made.Pars.push_back(static_cast<int>(level.Level->Solution.Moves.size()));
                done = true;
            }
        }
        if (!done) {
            made.Error = "Für Level " + std::to_string(n + 1)
                + " fand der Generator keinen Level mit bewiesenem Par von " + std::to_string(window.Low) + " bis "
                + std::to_string(window.High) + ".";
            return made;
        }
        progress(n + 1);
    }
    return made;
}
