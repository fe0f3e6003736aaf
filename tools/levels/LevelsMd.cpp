#include "LevelsMd.h"

#include "Symbols.h"

#include <sstream>

namespace {

const std::string FiguresBegin = "<!-- table of levels: made by velorin-levels report -->";
const std::string FiguresEnd = "<!-- end of the table of levels -->";

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

// Lines as a Markdown list.
std::string AsList(const std::string& lines)
{
    std::istringstream in(lines);
    std::string list;
    for (std::string line; std::getline(in, line);)
        list += "- " + line + "\n";
    return list;
}

// Where the figures lie: after the first marker, up to the second.
std::optional<std::pair<std::size_t, std::size_t>> FiguresSpan(const std::string& markdown)
{
    const auto begin = markdown.find(FiguresBegin);
    const auto end = markdown.find(FiguresEnd);
    if (begin == std::string::npos || end == std::string::npos || end < begin)
        return std::nullopt;
    const auto from = begin + FiguresBegin.size();
    return std::pair {from, end - from};
}

} // namespace

std::vector<LevelMeasures> MeasuresOf(const std::vector<LevelCheck>& checks)
{
    std::vector<LevelMeasures> measures;
    measures.reserve(checks.size());
    for (const LevelCheck& check : checks)
        measures.push_back({static_cast<int>(check.Solution.Moves.size()), check.Detour, check.Solution.Nodes,
                            check.Starts.Moves == 0 ? 0.0 : static_cast<double>(check.Starts.Dead) / check.Starts.Moves,
                            check.Players ? check.Players->Percent() : 0, check.Neighbours});
    return measures;
}

std::string LevelsMdFigures(const std::vector<LevelRecipe>& recipes, const std::vector<TLevelRecord>& levels,
                            const std::vector<LevelCheck>& checks)
{
    return "\n" + AsList(CurveSummary(MeasuresOf(checks))) + "\n" + Table(recipes, levels, checks);
}

std::optional<std::string> FiguresIn(const std::string& markdown)
{
    const auto span = FiguresSpan(markdown);
    if (!span)
        return std::nullopt;
    return markdown.substr(span->first, span->second);
}

std::optional<std::string> WithFigures(const std::string& markdown, const std::string& figures)
{
    const auto span = FiguresSpan(markdown);
    if (!span)
        return std::nullopt;
    std::string text = markdown;
    text.replace(span->first, span->second, figures);
    return text;
}
