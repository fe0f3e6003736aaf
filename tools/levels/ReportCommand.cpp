// velorin-levels report RECIPE FILE MARKDOWN SVG
//
// The measures of every level of a level file, as the table of LEVELS.md
// (between its two marker lines) and as a plot of the curve across the set.
#include "Commands.h"
#include "LevelCheck.h"
#include "LevelInput.h"
#include "LevelsMd.h"
#include "Recipe.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

namespace {

bool ReplaceFigures(const std::string& path, const std::string& figures, std::ostream& err)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    const auto markdown = WithFigures(text.str(), figures);
    if (!in || !markdown) {
        err << "velorin-levels: " << path << " has no marker lines for the table of levels\n";
        return false;
    }
    std::ofstream out(path);
    out << *markdown;
    return static_cast<bool>(out);
}

} // namespace

int RunReport(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.size() != 4) {
        err << "usage: velorin-levels report RECIPE FILE MARKDOWN SVG\n";
        return 2;
    }
    std::ifstream recipeIn(args[0]);
    const RecipeParse recipe = ParseRecipe(recipeIn);
    if (!recipeIn.eof() || recipe.Error) {
        err << "velorin-levels: " << args[0] << ": " << (recipe.Error ? *recipe.Error : "cannot be read") << "\n";
        return 2;
    }
    std::string error;
    const auto input = LoadLevels(args[1], error);
    if (!input) {
        err << "velorin-levels: " << error << "\n";
        return 2;
    }
    const std::vector<TLevelRecord>& levels = input->Levels;
    if (levels.size() != recipe.Levels.size()) {
        err << "velorin-levels: " << args[1] << " holds " << levels.size() << " levels, the recipe "
            << recipe.Levels.size() << "\n";
        return 2;
    }

    const int count = static_cast<int>(levels.size());
    const std::vector<LevelCheck> checks = CheckLevels(levels, CheckBudget(), MeasuredPlayers);
    for (int n = 0; n < count; ++n)
        for (const std::string& problem : checks[n].Problems)
            err << "level " << n + 1 << ": " << problem << "\n";

    std::ofstream svg(args[3]);
    svg << CurveSvg(MeasuresOf(checks));
    if (!svg) {
        err << "velorin-levels: cannot write " << args[3] << "\n";
        return 2;
    }
    if (!ReplaceFigures(args[2], LevelsMdFigures(recipe.Levels, levels, checks), err))
        return 2;
    const std::string summary = CurveSummary(MeasuresOf(checks));
    out << summary;
    return 0;
}
