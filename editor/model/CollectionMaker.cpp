#include "CollectionMaker.h"

#include "Random.h"
#include "Scramble.h"
#include "StoneRules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <optional>

namespace {

// Drawn shapes: a letter per part, each part takes one colour.
constexpr std::array<std::array<const char*, BoardSide>, 8> Shapes {{
    {".........", ".aaaaaaa.", ".a.....a.", ".a.bbb.a.", ".a.b.b.a.", ".a.bbb.a.", ".a.....a.", ".aaaaaaa.",
     "........."},
    {"....a....", "....a....", "....a....", "....a....", "bbbbcbbbb", "....a....", "....a....", "....a....",
     "....a...."},
    {"....a....", "...aba...", "..abbba..", ".abbcbba.", "abbcccbba", ".abbcbba.", "..abbba..", "...aba...",
     "....a...."},
    {".........", ".aa...aa.", ".aa...aa.", ".aa...aa.", ".abbbbba.", ".aa...aa.", ".aa...aa.", ".aa...aa.",
     "........."},
    {"a.......b", ".a.....b.", "..a...b..", "...a.b...", "....c....", "...b.a...", "..b...a..", ".b.....a.",
     "b.......a"},
    {"....a....", "...aaa...", "..aabaa..", ".aabbbaa.", "aabbbbbaa", ".........", "...ccc...", "...ccc...",
     "........."},
    {".........", "..aaaaa..", ".abbbbba.", ".ab...ba.", ".ab...ba.", ".ab...ba.", ".abbbbba.", "..aaaaa..",
     "........."},
    {".........", ".aaaaaaa.", ".aaaaaaa.", "....b....", "....b....", "....b....", "..ccccc..", "..ccccc..",
     "........."},
}};

// `from` at the first level, `to` at the last.
int Rising(int from, int to, int n, int count)
{
    const double share = count == 1 ? 0.0 : static_cast<double>(n) / (count - 1);
    return from + static_cast<int>(std::lround(share * (to - from)));
}

int StonesOf(const TCells& cells)
{
    int stones = 0;
    for (int cell = 1; cell <= CellCount; ++cell)
        stones += IsStone(cells[cell]) ? 1 : 0;
    return stones;
}

} // namespace

std::vector<TCells> DrawnShapes(std::uint64_t seed)
{
    Dice dice(seed, 0);
    std::vector<TCells> shapes;
    for (const auto& rows : Shapes) {
        std::array<std::uint8_t, 3> colours {};
        for (std::size_t part = 0; part < colours.size(); ++part) // three different codes
            do
                colours[part] = static_cast<std::uint8_t>(1 + dice.Below(ColourCount));
            while (std::find(colours.begin(), colours.begin() + static_cast<std::ptrdiff_t>(part), colours[part])
                   != colours.begin() + static_cast<std::ptrdiff_t>(part));
        TCells shape {};
        for (int row = 0; row < BoardSide; ++row)
            for (int column = 0; column < BoardSide; ++column)
                if (const char part = rows[static_cast<std::size_t>(row)][column]; part != '.')
                    shape[row * BoardSide + column + 1] = colours[static_cast<std::size_t>(part - 'a')];
        shapes.push_back(shape);
    }
    return shapes;
}

MadeCollection MakeCollection(int count, const std::vector<TCells>& pictures, ParRange pars, std::uint64_t seed,
                              SearchWatch* watch, const std::function<void(int)>& progress)
{
    MadeCollection made;
    count = std::clamp(count, 1, MaxLevels);
    // The smaller pictures for the easier levels.
    std::vector<TCells> sources = pictures.empty() ? DrawnShapes(seed) : pictures;
    std::stable_sort(sources.begin(), sources.end(),
                     [](const TCells& a, const TCells& b) { return StonesOf(a) < StonesOf(b); });
    struct Made {
        TLevelRecord Level;
        int Par;
    };
    std::vector<Made> levels;
    for (int n = 0; n < count; ++n) {
        if (StopRequested(watch))
            break;
        const int par = Rising(pars.Low, pars.High, n, count);
        const ParRange window {std::max(1, par - 1), par + 1};
        // Each picture in turn, from the one that fits the level's place in the curve.
        const auto first = static_cast<std::size_t>(Rising(0, static_cast<int>(sources.size()) - 1, n, count));
        std::optional<ScrambleCandidate> nearest;
        std::size_t nearestSource = 0;
        bool done = false;
        for (std::size_t tried = 0; tried < sources.size() && !done && !StopRequested(watch); ++tried) {
            const std::size_t source = (first + tried) % sources.size();
            const ScrambleResult result = ScrambleTarget(sources[source], window, seed + static_cast<std::uint64_t>(n),
                                                         watch);
            if (!result.Candidates.empty()) {
                levels.push_back({{sources[source], result.Candidates.front().Start}, result.Candidates.front().Par});
                done = true;
            } else if (result.Nearest && result.Nearest->Proved
                       && (!nearest || std::abs(result.Nearest->Par - par) < std::abs(nearest->Par - par))) {
                nearest = result.Nearest;
                nearestSource = source;
            }
        }
        if (!done && nearest) {
            levels.push_back({{sources[nearestSource], nearest->Start}, nearest->Par});
            ++made.OutsideWindow;
            done = true;
        }
        if (!done && !StopRequested(watch)) {
            made.Error = "Für Level " + std::to_string(n + 1) + " ließ sich keines der Bilder mischen.";
            break;
        }
        if (progress)
            progress(static_cast<int>(levels.size()));
    }
    if (StopRequested(watch) && static_cast<int>(levels.size()) < count)
        made.Error = "Angehalten nach " + std::to_string(levels.size()) + " von " + std::to_string(count) + " Leveln.";
    std::stable_sort(levels.begin(), levels.end(), [](const Made& a, const Made& b) { return a.Par < b.Par; });
    for (const Made& level : levels) {
        made.Levels.push_back(level.Level);
        made.Pars.push_back(level.Par);
    }
    return made;
}
