#include "CommandLine.h"

#include <gtest/gtest.h>

#include <sstream>
#include <vector>

namespace {

struct Answer {
    std::optional<int> Status;
    std::string Text;
};

Answer Ask(const CommandLineProgram& program, std::vector<const char*> arguments)
{
    arguments.insert(arguments.begin(), program.Name.data());
    std::ostringstream out;
    const auto status = AnswerCommandLine(program, static_cast<int>(arguments.size()), arguments.data(), out);
    return {status, out.str()};
}

} // namespace

TEST(CommandLine, HelpAndVersionAreAnsweredWithSuccess)
{
    for (const CommandLineProgram* program : {&GameCommandLine, &EditorCommandLine}) {
        const Answer help = Ask(*program, {"--help"});
        EXPECT_EQ(help.Status, 0);
        EXPECT_EQ(help.Text, program->Usage);
        const Answer version = Ask(*program, {"--version"});
        EXPECT_EQ(version.Status, 0);
        EXPECT_EQ(version.Text, std::string(program->Name) + " " VELORIN_VERSION "\n");
    }
    EXPECT_NE(GameCommandLine.Usage.find("Aufruf: velorin "), std::string_view::npos);
    EXPECT_NE(EditorCommandLine.Usage.find("Aufruf: velorin-editor "), std::string_view::npos);
}

// The game leaves every other argument to the toolkit, as it always did:
// a platform, its own short options, anything unknown.
TEST(CommandLine, TheGameAnswersOnlyTheLongOptions)
{
    for (const char* other : {"-h", "-?", "-v", "--help-all", "-platform", "offscreen", "level.dat"})
        EXPECT_FALSE(Ask(GameCommandLine, {other}).Status.has_value()) << other;
    EXPECT_EQ(Ask(GameCommandLine, {"-platform", "offscreen", "--version"}).Status, 0);
    EXPECT_FALSE(Ask(GameCommandLine, {}).Status.has_value());
}

TEST(CommandLine, TheEditorTakesTheShortFormsAnywhere)
{
    EXPECT_EQ(Ask(EditorCommandLine, {"levels.dat", "-h"}).Text, EditorCommandLine.Usage);
    EXPECT_EQ(Ask(EditorCommandLine, {"-?"}).Text, EditorCommandLine.Usage);
    EXPECT_EQ(Ask(EditorCommandLine, {"-v"}).Text, "velorin-editor " VELORIN_VERSION "\n");
    EXPECT_FALSE(Ask(EditorCommandLine, {"levels.dat"}).Status.has_value());
    // After "--" a file may be called "--help".
    EXPECT_FALSE(Ask(EditorCommandLine, {"--", "--help"}).Status.has_value());
}

// The first option asked for wins.
TEST(CommandLine, TheFirstRequestIsAnswered)
{
    EXPECT_EQ(Ask(EditorCommandLine, {"--version", "--help"}).Text, "velorin-editor " VELORIN_VERSION "\n");
    EXPECT_EQ(Ask(EditorCommandLine, {"--help", "--version"}).Text, EditorCommandLine.Usage);
}

TEST(CommandLine, AnOutputThatCannotBeWrittenIsAFailure)
{
    std::ostringstream out;
    out.setstate(std::ios::badbit);
    const char* arguments[] = {"velorin", "--help"};
    EXPECT_EQ(AnswerCommandLine(GameCommandLine, 2, arguments, out), 1);
}
