#include "Options.h"

#include "LevelInput.h"

#include <charconv>
#include <ostream>

namespace {

constexpr int MostPlayers = 100000;
constexpr double MostSeconds = 24 * 60 * 60;

std::optional<double> SecondsOf(const std::string& text)
{
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || !(value > 0) || value > MostSeconds)
        return std::nullopt;
    return value;
}

} // namespace

std::optional<ToolOptions> ParseOptions(const Args& args, bool players, std::ostream& err)
{
    ToolOptions options;
    for (std::size_t n = 0; n < args.size(); ++n) {
        const std::string& word = args[n];
        if (word.rfind("--", 0) != 0) {
            options.Words.push_back(word);
            continue;
        }
        if (n + 1 == args.size() || (word != "--seconds" && (word != "--players" || !players))) {
            err << "velorin-levels: unknown option \"" << word << "\" or its value missing\n";
            return std::nullopt;
        }
        const std::string& value = args[++n];
        if (word == "--players") {
            const auto runs = LevelNumber(value, MostPlayers);
            if (!runs) {
                err << "velorin-levels: --players takes a number of players from 1 to " << MostPlayers << "\n";
                return std::nullopt;
            }
            options.Players = *runs;
        } else {
            options.Seconds = SecondsOf(value);
            if (!options.Seconds) {
                err << "velorin-levels: --seconds takes a time in seconds above 0 and up to " << MostSeconds << "\n";
                return std::nullopt;
            }
        }
    }
    return options;
}
