// velorin-levels gen RECIPE OUT
#include "Commands.h"
#include "Generator.h"
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
    if (args.size() != 2) {
        err << "usage: velorin-levels gen RECIPE OUT\n";
        return 2;
    }
    std::ifstream in(args[0]);
    if (!in) {
        err << "velorin-levels: cannot open recipe " << args[0] << "\n";
        return 2;
    }
    const RecipeParse recipe = ParseRecipe(in);
    if (recipe.Error) {
        err << "velorin-levels: " << args[0] << ": " << *recipe.Error << "\n";
        return 2;
    }

    const int count = static_cast<int>(recipe.Levels.size());
    std::vector<GenerateResult> made(count);
    std::mutex progress;
    ForEachInParallel(count, [&](int n) {
        made[n] = Generate(recipe.Levels[n], SolveBudget {});
        const std::lock_guard lock(progress);
        err << "level " << n + 1 << " \"" << recipe.Levels[n].Title << "\": "
            << (made[n].Level ? "par " + ParOf(made[n].Level->Solution) + ", walk " + std::to_string(made[n].Level->Attempt)
                              : std::string("failed"))
            << "\n";
    });
    bool failed = false;
    for (int n = 0; n < count; ++n)
        if (!made[n].Level) {
            err << "velorin-levels: " << args[0] << ": level " << n + 1 << " \"" << recipe.Levels[n].Title
                << "\" (line " << recipe.Levels[n].Line << "): " << made[n].Error << "\n";
            failed = true;
        }
    if (failed) {
        err << "velorin-levels: " << args[1] << " not written\n";
        return 1;
    }

    std::ofstream file(args[1], std::ios::binary | std::ios::trunc);
    for (const GenerateResult& m : made)
        file.write(reinterpret_cast<const char*>(&m.Level->Record), sizeof(TLevelRecord));
    file.close();
    if (!file) {
        err << "velorin-levels: cannot write " << args[1] << "\n";
        return 2;
    }
    PrintTable(out, recipe.Levels, made);
    return 0;
}
