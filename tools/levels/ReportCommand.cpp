// velorin-levels report RECIPE FILE MARKDOWN SVG
//
// The measures of every level of a level file, as the table of LEVELS.md
// (between its two marker lines) and as a plot of the curve across the set.
#include "Commands.h"
#include "Curve.h"
#include "LevelCheck.h"
#include "LevelInput.h"
#include "Recipe.h"
#include "Symbols.h"

#include <algorithm>
#include <fstream>
#include <ostream>
#include <sstream>

namespace {

const std::string TableBegins = "<!-- table of levels: made by velorin-levels report -->";
const std::string TableEnds = "<!-- end of the table of levels -->";

std::string Table(const std::vector<LevelRecipe>& recipes, const std::vector<TLevelRecord>& levels,
                  const std::vector<LevelCheck>& checks)
{
    std::ostringstream out;
    out << "| Level | Pattern | Colours | Par | Detour | Positions | Start moves | Dead | Frozen | Players |\n"
           "|---:|---|---|---:|---:|---:|---:|---:|---:|---:|\n";
    for (std::size_t n = 0; n < checks.size(); ++n) {
        const LevelCheck& check = checks[n];
        out << "| " << n + 1 << " | " << recipes[n].Title << " | " << ColoursOf(levels[n].Target) << " | "
            << check.Solution.Moves.size() << " | " << check.Detour << " | " << check.Solution.Nodes << " | "
            << check.Starts.Moves << " | " << check.Starts.Dead << " | " << check.FrozenStones << " | "
            << check.Players->Percent() << " % |\n";
    }
    return out.str();
}

bool ReplaceTable(const std::string& path, const std::string& table, std::ostream& err)
{
    std::ifstream in(path);
    std::stringstream text;
    text << in.rdbuf();
    std::string markdown = text.str();
    const auto begin = markdown.find(TableBegins);
    const auto end = markdown.find(TableEnds);
    if (!in || begin == std::string::npos || end == std::string::npos || end < begin) {
        err << "velorin-levels: " << path << " has no lines \"" << TableBegins << "\" and \"" << TableEnds << "\"\n";
        return false;
    }
    const auto from = begin + TableBegins.size();
    markdown.replace(from, end - from, "\n" + table);
    std::ofstream out(path);
    out << markdown;
    return static_cast<bool>(out);
}

// Lines as a Markdown list.
std::string AsList(const std::string& lines)
{
    std::istringstream in(lines);
    std::string list;
    for (std::string line; std::getline(in, line);)
        list += "- " + line + "\n";
    return list;
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

    std::vector<LevelMeasures> measures;
    measures.reserve(checks.size());
    for (const LevelCheck& check : checks)
        measures.push_back({static_cast<int>(check.Solution.Moves.size()), check.Detour, check.Solution.Nodes,
                            check.Starts.Moves == 0 ? 0.0 : static_cast<double>(check.Starts.Dead) / check.Starts.Moves,
                            check.Players->Percent()});
    std::ofstream svg(args[3]);
    svg << CurveSvg(measures);
    if (!svg) {
        err << "velorin-levels: cannot write " << args[3] << "\n";
        return 2;
    }
    const std::string summary = CurveSummary(measures);
    if (!ReplaceTable(args[2], AsList(summary) + "\n" + Table(recipe.Levels, levels, checks), err))
        return 2;
    out << summary;
    return 0;
}
