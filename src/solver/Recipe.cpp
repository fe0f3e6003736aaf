#include "Recipe.h"

#include "Budget.h"
#include "LevelRecord.h"
#include "StoneRules.h"
#include "Symbols.h"

#include <charconv>
#include <set>
#include <sstream>

namespace {

std::string Trim(const std::string& s)
{
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos)
        return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

template <typename T> bool ParseNumber(const std::string& text, T& value, T low, T high)
{
    T parsed {};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), parsed);
    if (error != std::errc() || end != text.data() + text.size() || parsed < low || parsed > high)
        return false;
    value = parsed;
    return true;
}

// Thrown at the first fault; the parse stops there.
struct BadRecipe {
    std::string Message;
};

class Parser {
public:
    explicit Parser(std::istream& in) : In(in) { }

    RecipeParse Run()
    {
        RecipeParse result;
        std::string line;
        try {
            while (NextLine(line)) {
                std::istringstream words(line);
                std::string keyword;
                words >> keyword;
                if (keyword != "level")
                    Fail("expected \"level TITLE\", found \"" + line + "\"");
                result.Levels.push_back(ParseLevel(Trim(line.substr(5))));
                if (result.Levels.size() > MaxLevels)
                    Fail("more than " + std::to_string(MaxLevels) + " levels");
            }
            if (result.Levels.empty())
                Fail("the recipe holds no level");
        } catch (const BadRecipe& bad) {
            result.Levels.clear();
            result.Error = bad.Message;
        }
        return result;
    }

private:
    // The next line that is neither blank nor a comment, trimmed.
    bool NextLine(std::string& line)
    {
        while (std::getline(In, line)) {
            ++LineNumber;
            line = Trim(line);
            if (!line.empty() && line[0] != '#')
                return true;
        }
        return false;
    }

    [[noreturn]] void Fail(const std::string& message) const
    {
        throw BadRecipe {"line " + std::to_string(LineNumber) + ": " + message};
    }

    LevelRecipe ParseLevel(const std::string& title)
    {
        LevelRecipe level;
        level.Line = LineNumber;
        level.Title = title.empty() ? "untitled" : title;
        std::set<std::string> seen;
        std::string line;
        while (true) {
            if (!NextLine(line))
                Fail("level \"" + level.Title + "\" has no \"end\"");
            std::istringstream words(line);
            std::string keyword;
            words >> keyword;
            if (keyword == "end")
                break;
            if (!seen.insert(keyword).second)
                Fail("\"" + keyword + "\" given twice");
            std::string rest = Trim(line.substr(keyword.size()));
            if (keyword == "pattern")
                ParsePattern(level);
            else if (keyword == "mix")
                ParseMix(level, rest);
            else if (keyword == "depth")
                Require(ParseNumber(rest, level.Depth, 1, 500), "depth must be a number from 1 to 500");
            else if (keyword == "seed")
                Require(ParseNumber<std::uint64_t>(rest, level.Seed, 0, UINT64_MAX), "seed must be a whole number");
            else if (keyword == "par")
                ParsePar(level, rest);
            else if (keyword == "bias")
                Require(ParseNumber(rest, level.Bias, 0, 100), "bias must be a percentage from 0 to 100");
            else if (keyword == "tries")
                Require(ParseNumber(rest, level.Tries, 1, 100000), "tries must be a number from 1 to 100000");
            else if (keyword == "walk")
                Require(ParseNumber(rest, level.FirstWalk, 1, 1000000), "walk must be a number from 1 to 1000000");
            else if (keyword == "dead")
                ParseDead(level, rest);
            else if (keyword == "detour")
                ParseDetour(level, rest);
            else if (keyword == "players")
                ParsePlayers(level, rest);
            else if (keyword == "only")
                Require(ParseNumber(rest, level.OnlyMover, 1, ColourCount),
                        "only names the one colour that may move at the start, 1 to " + std::to_string(ColourCount));
            else
                Fail("unknown keyword \"" + keyword + "\"");
        }
        if (!seen.contains("pattern") || !seen.contains("depth") || !seen.contains("seed"))
            Fail("level \"" + level.Title + "\" needs pattern, depth and seed");
        for (const std::string& row : level.Pattern)
            for (char c : row)
                if (c >= 'a' && c <= 'z' && !level.Mix.contains(c))
                    Fail("class '" + std::string(1, c) + "' of level \"" + level.Title
                         + "\" has no colours in \"mix\"");
        return level;
    }

    void Require(bool ok, const std::string& message) const
    {
        if (!ok)
            Fail(message);
    }

    void ParsePattern(LevelRecipe& level)
    {
        for (std::string& row : level.Pattern) {
            if (!NextLine(row))
                Fail("the pattern needs 9 rows");
            if (row.size() != 9)
                Fail("a pattern row has 9 characters, this one " + std::to_string(row.size()));
            for (char c : row)
                if (!CodeOfSymbol(c) && !(c >= 'a' && c <= 'z'))
                    Fail(std::string("'") + c + "' is neither '.', a code 1..9 A..C nor a class a..z");
        }
    }

    // mix a=1,2 b=6
    void ParseMix(LevelRecipe& level, const std::string& rest)
    {
        std::istringstream entries(rest);
        std::string entry;
        while (entries >> entry) {
            if (entry.size() < 3 || entry[0] < 'a' || entry[0] > 'z' || entry[1] != '=')
                Fail("a mix entry reads like a=1,2; found \"" + entry + "\"");
            std::vector<std::uint8_t>& codes = level.Mix[entry[0]];
            std::istringstream list(entry.substr(2));
            std::string item;
            while (std::getline(list, item, ',')) {
                int code = 0;
                Require(ParseNumber(item, code, 1, ColourCount),
                        "mix codes are stones 1 to 12; found \"" + item + "\"");
                codes.push_back(static_cast<std::uint8_t>(code));
            }
            Require(!codes.empty(), "class '" + std::string(1, entry[0]) + "' has no codes");
        }
        Require(!level.Mix.empty(), "mix names no class");
    }

    // par 8-10, or a single number
    void ParsePar(LevelRecipe& level, const std::string& rest)
    {
        const auto dash = rest.find('-');
        const std::string low = dash == std::string::npos ? rest : rest.substr(0, dash);
        const std::string high = dash == std::string::npos ? rest : rest.substr(dash + 1);
        Require(ParseNumber(low, level.ParLow, 1, MaxParMoves)
                    && ParseNumber(high, level.ParHigh, level.ParLow, MaxParMoves),
                "par reads like 8-10, within 1 to " + std::to_string(MaxParMoves));
    }

    // detour 3, detour 2-5, detour 3+
    void ParseDetour(LevelRecipe& level, const std::string& rest)
    {
        const bool orMore = !rest.empty() && rest.back() == '+';
        const std::string range = orMore ? rest.substr(0, rest.size() - 1) : rest;
        const auto dash = range.find('-');
        const std::string low = dash == std::string::npos ? range : range.substr(0, dash);
        const std::string high = dash == std::string::npos ? range : range.substr(dash + 1);
        Require(ParseNumber(low, level.DetourLow, 0, MaxParMoves)
                    && (orMore ? dash == std::string::npos
                               : ParseNumber(high, level.DetourHigh, level.DetourLow, MaxParMoves)),
                "detour reads like 3, 2-5 or 3+");
        if (orMore)
            level.DetourHigh = MaxParMoves;
    }

    // players 0-90: a share in percent
    void ParsePlayers(LevelRecipe& level, const std::string& rest)
    {
        const auto dash = rest.find('-');
        Require(dash != std::string::npos && ParseNumber(rest.substr(0, dash), level.PlayersLow, 0, 100)
                    && ParseNumber(rest.substr(dash + 1), level.PlayersHigh, level.PlayersLow, 100),
                "players reads like 0-90, a share in percent");
    }

    // dead 0, dead 3+, dead never, dead any
    void ParseDead(LevelRecipe& level, const std::string& rest)
    {
        if (rest == "any")
            return;
        if (rest == "never") {
            level.Dead.Rule = DeadRule::Kind::Never;
            return;
        }
        if (rest == "0") {
            level.Dead.Rule = DeadRule::Kind::None;
            return;
        }
        Require(rest.size() > 1 && rest.back() == '+'
                    && ParseNumber(rest.substr(0, rest.size() - 1), level.Dead.Count, 1, 500),
                "dead reads like 0, 3+, never or any");
        level.Dead.Rule = DeadRule::Kind::AtLeast;
    }

    std::istream& In;
    int LineNumber = 0;
};

} // namespace

RecipeParse ParseRecipe(std::istream& in)
{
    return Parser(in).Run();
}
