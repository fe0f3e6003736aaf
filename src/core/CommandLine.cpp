#include "CommandLine.h"

#include <iostream>

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

std::optional<int> AnswerCommandLine(const CommandLineProgram& program, int argc, const char* const* argv,
                                     std::ostream& out)
{
    for (int i = 1; i < argc && argv[i]; ++i) {
        const std::string_view argument = argv[i];
        if (argument == "--")
            break;
        if (AsksForHelp(argument, program.ShortOptions)) {
            out << program.Usage;
            return out.flush() ? 0 : 1;
        }
        if (AsksForVersion(argument, program.ShortOptions)) {
            out << program.Name << ' ' << Version << '\n';
            return out.flush() ? 0 : 1;
        }
    }
    return std::nullopt;
}

std::optional<int> AnswerCommandLine(const CommandLineProgram& program, int argc, const char* const* argv)
{
    return AnswerCommandLine(program, argc, argv, std::cout);
}
