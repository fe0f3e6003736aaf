#include "CommandLine.h"

#include <cstdio>
#include <ostream>

namespace {

// From the project's version in CMakeLists.txt.
constexpr std::string_view Version = VELORIN_VERSION;

bool AsksForHelp(std::string_view argument, bool shortOptions)
{
    return argument == "--help" || (shortOptions && (argument == "-h" || argument == "-?" || argument == "--help-all"));
}

bool AsksForVersion(std::string_view argument, bool shortOptions)
{
    return argument == "--version" || (shortOptions && argument == "-v");
}

} // namespace

const CommandLineProgram GameCommandLine {
    "velorin",
    "Aufruf: velorin [--help | --version]\n"
    "\n"
    "Velorin, ein Denkspiel: farbige Steine tauschen, bis das Spielfeld dem\n"
    "Zielbild gleicht. Das Spiel nimmt keine Argumente. Es spielt im\n"
    "Verzeichnis für Deine Spieldateien, $XDG_DATA_HOME/velorin (sonst\n"
    "~/.local/share/velorin): dort liegen die Level „velor.dat“, die Hilfe\n"
    "„velor.hlp“ und Deine Bestenliste „VScore.dat“.\n"
    "\n"
    "  --help     diese Hilfe zeigen\n"
    "  --version  die Version zeigen\n",
    false,
};

const CommandLineProgram EditorCommandLine {
    "velorin-editor",
    "Aufruf: velorin-editor [Optionen] [DATEI]\n"
    "\n"
    "Der Level-Editor von Velorin. Ohne DATEI beginnt er eine neue Sammlung.\n"
    "\n"
    "Argumente:\n"
    "  DATEI          die Level-Datei, die geöffnet wird\n"
    "\n"
    "Optionen:\n"
    "  -h, --help     diese Hilfe zeigen\n"
    "  -v, --version  die Version zeigen\n",
    true,
};

std::string_view ProgramVersion()
{
    return Version;
}

std::optional<std::string> CommandLineAnswer(const CommandLineProgram& program, int argc, const char* const* argv)
{
    for (int i = 1; i < argc && argv[i]; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (AsksForHelp(argument, program.ShortOptions))
            return std::string(program.Usage);
        if (AsksForVersion(argument, program.ShortOptions))
            return std::string(program.Name) + ' ' + std::string(Version) + '\n';
    }
    return std::nullopt;
}

std::optional<int> AnswerCommandLine(const CommandLineProgram& program, int argc, const char* const* argv,
                                     std::ostream& out)
{
    const auto answer = CommandLineAnswer(program, argc, argv);
    if (!answer)
        return std::nullopt;
    out << *answer;
    return out.flush() ? 0 : 1;
}

// Written with the C library's stdout rather than std::cout: a program that
// names std::cout sets up all the standard streams and their locales at
// start-up, for an option the player hardly ever gives.
std::optional<int> AnswerCommandLine(const CommandLineProgram& program, int argc, const char* const* argv)
{
    const auto answer = CommandLineAnswer(program, argc, argv);
    if (!answer)
        return std::nullopt;
    const bool written = std::fwrite(answer->data(), 1, answer->size(), stdout) == answer->size();
    return written && std::fflush(stdout) == 0 ? 0 : 1;
}
