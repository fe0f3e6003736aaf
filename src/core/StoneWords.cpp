#include "StoneWords.h"

#include "StoneRules.h"

#include <array>

namespace {

constexpr std::array<std::string_view, ColourCount + 1> ColourNames = {
    "",        "hellorange", "türkis",   "blau", "hellgrün", "lavendel",    "olivgelb",
    "braunrot", "rosa",      "magenta", "rot",  "violett",  "dunkelorange",
};

// "links oben", "unten", ...: where a step goes, the row's word last.
std::string Place(TStep step)
{
    std::string place = step.Columns < 0 ? "links" : step.Columns > 0 ? "rechts" : "";
    const char* row = step.Rows < 0 ? "oben" : step.Rows > 0 ? "unten" : "";
    if (*row != '\0')
        place += place.empty() ? row : std::string(" ") + row;
    return place;
}

} // namespace

std::string_view ColourName(int code)
{
    return IsStone(code) ? ColourNames[static_cast<std::size_t>(code)] : std::string_view();
}

std::string WayWords(int code)
{
    if (!IsStone(code))
        return {};
    const TStoneWay& way = StoneWays[static_cast<std::size_t>(code)];
    const bool diagonal = way.Forward.Columns != 0 && way.Forward.Rows != 0;
    const std::string start = diagonal ? "schräg nach " : "nach ";
    // A two-way stone is told backwards first, as the help does.
    if (way.BothWays)
        return start + Place(way.Forward.Reversed()) + " oder nach " + Place(way.Forward);
    return start + Place(way.Forward);
}

std::string CellWords(int code)
{
    if (code == EmptyCode)
        return "leer";
    if (!IsStone(code))
        return "Block";
    return std::string(ColourName(code)) + ", " + WayWords(code);
}
