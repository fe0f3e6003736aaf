#include "Scramble.h"

#include "Generator.h"
#include "Recipe.h"

ScrambleResult ScrambleTarget(const TCells& target, ParRange wished, std::uint64_t seed, SearchWatch* watch)
{
    ScrambleResult result;
    if (wished.Low < 1 || wished.Low > wished.High) {
        result.Error = "Der gewünschte Par-Bereich ist leer.";
        return result;
    }
    LevelRecipe rules;
    rules.Depth = wished.High * StepsPerParMove;
    rules.Seed = seed;
    rules.ParLow = wished.Low;
    rules.ParHigh = wished.High;
    rules.DetourHigh = wished.High;
    rules.Bias = AwayBias;
    // The level tool's own budget: many walks are tried, each must be proved quickly.
    const GenerateResult made = GenerateFrom(target, rules, GeneratorBudget(watch));
    if (StopRequested(watch)) {
        result.Error = "Das Mischen wurde abgebrochen.";
    } else if (!made.Level) {
        result.Error = "Kein Mischen in " + std::to_string(rules.Tries) + " Versuchen ergab einen bewiesenen Par von "
            + std::to_string(wished.Low) + " bis " + std::to_string(wished.High)
            + ". Vielleicht können zu wenige Steine ziehen, oder der Bereich ist zu eng.";
    } else {
        result.Start = made.Level->Record.Board;
        result.Par = static_cast<int>(made.Level->Solution.Moves.size());
    }
    return result;
}
