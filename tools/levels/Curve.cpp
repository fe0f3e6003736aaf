#include "Curve.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <sstream>

namespace {

constexpr double Width = 960, Left = 60, Right = 20;
constexpr double PanelHeight = 110, PanelGap = 40, Top = 30;

// One panel of the plot: its place, and where a level and a value go.
struct Panel {
    double Y;         // top edge
    double Low, High; // the values at the bottom and the top
    std::size_t Levels;

    double X(std::size_t level) const // the middle of level's column, level from 0
    {
        return Left + (static_cast<double>(level) + 0.5) * (Width - Left - Right) / static_cast<double>(Levels);
    }
    double ColumnWidth() const { return (Width - Left - Right) / static_cast<double>(Levels); }
    double At(double value) const
    {
        const double clamped = std::clamp(value, Low, High);
        return Y + PanelHeight - (clamped - Low) / (High - Low) * PanelHeight;
    }
};

std::string Number(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f", value);
    return text;
}

void Frame(std::ostringstream& svg, const Panel& panel, const std::string& title,
           const std::vector<std::pair<double, std::string>>& ticks)
{
    svg << "<text x=\"" << Left << "\" y=\"" << Number(panel.Y - 8) << "\" class=\"title\">" << title << "</text>\n";
    for (const auto& [value, label] : ticks) {
        const std::string y = Number(panel.At(value));
        svg << "<line x1=\"" << Left << "\" x2=\"" << Width - Right << "\" y1=\"" << y << "\" y2=\"" << y
            << "\" class=\"grid\"/>\n"
            << "<text x=\"" << Left - 6 << "\" y=\"" << y << "\" class=\"tick\" text-anchor=\"end\" dy=\"4\">" << label
            << "</text>\n";
    }
}

void Bar(std::ostringstream& svg, const Panel& panel, std::size_t level, double value, const char* cls)
{
    const double top = panel.At(value), bottom = panel.At(panel.Low);
    svg << "<rect x=\"" << Number(panel.X(level) - panel.ColumnWidth() * 0.4) << "\" y=\"" << Number(top)
        << "\" width=\"" << Number(panel.ColumnWidth() * 0.8) << "\" height=\"" << Number(bottom - top) << "\" class=\""
        << cls << "\"/>\n";
}

template <typename Value> double Median(std::vector<Value> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? static_cast<double>(values[n / 2])
                 : (static_cast<double>(values[n / 2 - 1]) + static_cast<double>(values[n / 2])) / 2.0;
}

} // namespace

std::string CurveSvg(const std::vector<LevelMeasures>& levels)
{
    const std::size_t n = std::max<std::size_t>(levels.size(), 1);
    const Panel moves {Top, 0, 30, n};
    const Panel players {Top + PanelHeight + PanelGap, 0, 100, n};
    const Panel search {Top + 2 * (PanelHeight + PanelGap), 0, 7, n}; // log10 of positions
    const double height = search.Y + PanelHeight + 40;

    std::ostringstream svg;
    svg << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" << Width << "\" height=\"" << height
        << "\" viewBox=\"0 0 " << Width << " " << height << "\" font-family=\"sans-serif\" font-size=\"12\">\n"
        << "<style>.title{font-weight:bold}.tick{fill:#555}.grid{stroke:#ddd}.par{fill:#b8c8e0}"
           ".detour{fill:#1f4e8c}.search{fill:#9a9a9a}.players{fill:none;stroke:#c0392b;stroke-width:2}"
           ".dot{fill:#c0392b}.dead{fill:#e67e22}</style>\n"
        << "<rect width=\"100%\" height=\"100%\" fill=\"white\"/>\n";

    Frame(svg, moves, "Par (light) and detour above the lower bound (dark), in moves",
          {{0, "0"}, {10, "10"}, {20, "20"}, {30, "30"}});
    for (std::size_t i = 0; i < levels.size(); ++i) {
        Bar(svg, moves, i, levels[i].Par, "par");
        Bar(svg, moves, i, levels[i].Detour, "detour");
    }

    Frame(svg, players, "Simulated players who solve it within one attempt, in %",
          {{0, "0"}, {50, "50"}, {100, "100"}});
    svg << "<polyline class=\"players\" points=\"";
    for (std::size_t i = 0; i < levels.size(); ++i)
        svg << Number(players.X(i)) << "," << Number(players.At(levels[i].PlayersPercent)) << " ";
    svg << "\"/>\n";
    for (std::size_t i = 0; i < levels.size(); ++i)
        svg << "<circle cx=\"" << Number(players.X(i)) << "\" cy=\"" << Number(players.At(levels[i].PlayersPercent))
            << "\" r=\"2\" class=\"dot\"/>\n";

    Frame(svg, search, "Positions the proof of par searched (grey, log scale) and dead start moves (orange, share)",
          {{0, "1"}, {2, "100"}, {4, "10^4"}, {6, "10^6"}});
    for (std::size_t i = 0; i < levels.size(); ++i) {
        Bar(svg, search, i, std::log10(static_cast<double>(std::max<std::size_t>(levels[i].Positions, 1))), "search");
        if (levels[i].DeadShare > 0)
            svg << "<circle cx=\"" << Number(search.X(i)) << "\" cy=\"" << Number(search.At(levels[i].DeadShare * 7))
                << "\" r=\"3\" class=\"dead\"/>\n";
    }

    for (std::size_t i = 0; i < levels.size(); ++i)
        if ((i + 1) % 10 == 0 || i == 0)
            svg << "<text x=\"" << Number(search.X(i)) << "\" y=\"" << Number(search.Y + PanelHeight + 16)
                << "\" class=\"tick\" text-anchor=\"middle\">" << i + 1 << "</text>\n";
    svg << "<text x=\"" << Width / 2 << "\" y=\"" << Number(height - 6)
        << "\" text-anchor=\"middle\" class=\"tick\">level</text>\n</svg>\n";
    return svg.str();
}

std::string CurveSummary(const std::vector<LevelMeasures>& levels)
{
    std::ostringstream out;
    const std::size_t n = levels.size();
    for (int third = 0; third < 3; ++third) {
        const std::size_t from = n * static_cast<std::size_t>(third) / 3,
                          to = n * static_cast<std::size_t>(third + 1) / 3;
        if (from == to)
            continue; // fewer than three levels
        std::vector<int> par, detour, players;
        std::vector<std::size_t> positions;
        int trapped = 0, everyPlayer = 0;
        NeighbourPairs neighbours;
        for (std::size_t i = from; i < to; ++i) {
            par.push_back(levels[i].Par);
            detour.push_back(levels[i].Detour);
            players.push_back(levels[i].PlayersPercent);
            positions.push_back(levels[i].Positions);
            trapped += levels[i].DeadShare > 0;
            everyPlayer += levels[i].PlayersPercent == 100;
            neighbours += levels[i].Neighbours;
        }
        out << "levels " << from + 1 << "-" << to << ": median par " << Median(par) << " (most "
            << *std::max_element(par.begin(), par.end()) << "), detour " << Median(detour) << " (least "
            << *std::min_element(detour.begin(), detour.end()) << "), positions " << Median(positions) << ", "
            << trapped << " with dead start moves, players " << Median(players) << " % (" << everyPlayer
            << " solved by every one), same-colour neighbours " << ShareText(neighbours.Share()) << "\n";
    }
    return out.str();
}
