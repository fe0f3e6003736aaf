// --help and --version of the installed programs, answered before any
// window system is asked for, so that they work in a terminal without a
// display and for the packaging's checks. Every other argument is left to
// the program as it was.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

struct CommandLineProgram {
    std::string_view Name;
    // Printed for --help, in the program's own language.
    std::string_view Usage;
    // Whether the short forms -h, -? and -v count as well; the game keeps
    // every argument but the two long ones for the toolkit.
    bool ShortOptions;
};

extern const CommandLineProgram GameCommandLine;
extern const CommandLineProgram EditorCommandLine;

// The project's version, as --version shows it.
std::string_view ProgramVersion();

// The usage or the version when the arguments ask for one; nothing
// otherwise. Arguments after "--" are no options.
std::optional<std::string> CommandLineAnswer(const CommandLineProgram& program, int argc, const char* const* argv);

// The exit status when the arguments ask for the usage or the version,
// which are then written to `out`; nothing otherwise. Arguments after
// "--" are no options.
std::optional<int> AnswerCommandLine(const CommandLineProgram& program, int argc, const char* const* argv,
                                     std::ostream& out);

// The same, written to stdout.
std::optional<int> AnswerCommandLine(const CommandLineProgram& program, int argc, const char* const* argv);
