// velorin-levels gen RECIPE OUT [--seconds S]
#include "Commands.h"
#include "Generator.h"
#include "Options.h"
#include "Parallel.h"
#include "Recipe.h"
#include "Symbols.h"

#include <fstream>
#include <mutex>
#include <ostream>

namespace {

std::string ParOf(const SolveResult& s)
{
    if (s.Status == SolveStatus::Optimal)
        return std::to_string(s.Moves.size());
    return "<= " + std::to_string(s.Moves.size()) + " (>= " + std::to_string(s.LowerBound) + ")";
}

// The line that tells how a level came out: its par and walk, what the
// walks before it were dropped for, and start moves the rule on dead ones
// let pass unsettled.
std::string Outcome(const GenerateResult& made)
{
    if (!made.Level)
        return "failed";
    const GeneratedLevel& level = *made.Level;
    std::string text = "par " + ParOf(level.Solution) + ", walk " + std::to_string(level.Attempt);
    if (level.Starts.Unknown > 0)
        text += "; " + std::to_string(level.Starts.Unknown) + " of its " + std::to_string(level.Starts.Moves)
            + " start moves left unsettled (the recipe takes any number of dead ones)";
    if (made.Tally.Tried > 1)
        text += "; " + TallyText(made.Tally);
    return text;
}

// The summary, as a Markdown table ready for LEVELS.md.
void PrintTable(std::ostream& out, const std::vector<LevelRecipe>& recipes, const std::vector<GenerateResult>& made)
{
    out << "| Level | Pattern | Colours used | Par |\n|---:|---|---|---:|\n";
    for (std::size_t n = 0; n < made.size(); ++n) {
        const GeneratedLevel& level = *made[n].Level;
        out << "| " << n + 1 << " | " << recipes[n].Title << " | " << ColoursOf(level.Record.Target) << " | "
            << ParOf(level.Solution) << " |\n";
    }
}

} // namespace

int RunGen(const Args& args, std::ostream& out, std::ostream& err)
{
    const auto options = ParseOptions(args, false, err);
    if (!options)
        return 2;
    if (options->Words.size() != 2) {
        err << "usage: velorin-levels gen RECIPE OUT [--seconds S]\n";
        return 2;
    }
    const Args& files = options->Words;
    SolveBudget budget = GeneratorBudget();
    budget.Seconds = options->Seconds.value_or(budget.Seconds);
    std::ifstream in(files[0]);
    if (!in) {
        err << "velorin-levels: cannot open recipe " << files[0] << "\n";
        return 2;
    }
    const RecipeParse recipe = ParseRecipe(in);
    if (recipe.Error) {
        err << "velorin-levels: " << files[0] << ": " << *recipe.Error << "\n";
        return 2;
    }

    const int count = static_cast<int>(recipe.Levels.size());
    std::vector<GenerateResult> made(count);
    std::mutex progress;
    ForEachInParallel(count, [&](int n) {
        made[n] = Generate(recipe.Levels[n], budget);
        const std::lock_guard lock(progress);
        err << "level " << n + 1 << " \"" << recipe.Levels[n].Title << "\": " << Outcome(made[n]) << "\n";
    });
    bool failed = false;
    for (int n = 0; n < count; ++n)
        if (!made[n].Level) {
            err << "velorin-levels: " << files[0] << ": level " << n + 1 << " \"" << recipe.Levels[n].Title
                << "\" (line " << recipe.Levels[n].Line << "): " << made[n].Error << "\n";
            failed = true;
        }
    if (failed) {
        err << "velorin-levels: " << files[1] << " not written\n";
        return 1;
    }

    std::ofstream file(files[1], std::ios::binary | std::ios::trunc);
    for (const GenerateResult& m : made)
        file.write(reinterpret_cast<const char*>(&m.Level->Record), sizeof(TLevelRecord));
    file.close();
    if (!file) {
        err << "velorin-levels: cannot write " << files[1] << "\n";
        return 2;
    }
    PrintTable(out, recipe.Levels, made);
    return 0;
}
