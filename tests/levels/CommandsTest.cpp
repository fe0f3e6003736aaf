#include "Commands.h"
#include "CommandLine.h"
#include "Levels.h"
#include "Moves.h"
#include "Symmetry.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

struct Outcome {
    int Status;
    std::string Out;
    std::string Err;
};

Outcome RunTool(const Args& args)
{
    std::ostringstream out, err;
    const int status = RunLevelTool(args, out, err);
    return {status, out.str(), err.str()};
}

bool Contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

// Row 4: a right stone left of an up stone: one press solves it.
TLevelRecord OneMoveLevel()
{
    return MakeLevel({{37, 3}, {38, 6}, {39, 6}}, {{37, 6}, {38, 3}, {39, 6}});
}

// Row 4 again, with a two-way stone that must pick its left ring: the
// stone on 39 can go to 38 or 40.
TLevelRecord RingLevel()
{
    return MakeLevel({{38, 1}, {39, 3}, {40, 4}}, {{38, 3}, {39, 1}, {40, 4}});
}

std::vector<std::uint8_t> FileBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

TEST(Commands, CheckReportsEachLevelAndFailsOnUnsolvableOrSolvedOnes)
{
    TempDir dir;
    const auto good = dir.Write("good.dat", LevelFileOf({OneMoveLevel(), RingLevel()}));
    const Outcome fine = RunTool({"check", good.string()});
    EXPECT_EQ(fine.Status, 0) << fine.Out;
    EXPECT_TRUE(Contains(fine.Out, "324 bytes, 2 records, 2 levels loaded")) << fine.Out;
    EXPECT_TRUE(Contains(fine.Out, "3x1 6x2")) << fine.Out;
    EXPECT_TRUE(Contains(fine.Out, "1 optimal")) << fine.Out;
    EXPECT_TRUE(Contains(fine.Out, "0 problems")) << fine.Out;

    TLevelRecord solved = OneMoveLevel();
    solved.Board = solved.Target;
    TLevelRecord different = OneMoveLevel();
    different.Board[39] = 5;
    TLevelRecord stuck = MakeLevel({{1, 6}, {2, 3}}, {{1, 3}, {2, 6}});
    TLevelRecord invisible = OneMoveLevel();
    invisible.Board[40] = invisible.Target[40] = 200;
    const auto bad = dir.Write("bad.dat", LevelFileOf({solved, different, stuck, invisible}));
    const Outcome failed = RunTool({"check", bad.string()});
    EXPECT_EQ(failed.Status, 1);
    EXPECT_TRUE(Contains(failed.Out, "level 1: already solved")) << failed.Out;
    EXPECT_TRUE(Contains(failed.Out, "level 2: unsolvable: board and target hold different codes")) << failed.Out;
    EXPECT_TRUE(Contains(failed.Out, "level 3: unsolvable")) << failed.Out;
    EXPECT_FALSE(Contains(failed.Out, "level 4:")) << "a block above 12 is no fault: " << failed.Out;
    EXPECT_TRUE(Contains(failed.Out, "DIFF")) << failed.Out;
    EXPECT_TRUE(Contains(failed.Out, "3 problems")) << failed.Out;
}

TEST(Commands, CheckFindsALevelAgainMirroredAndPrintsHowTheTargetsRead)
{
    TempDir dir;
    const auto file = dir.Write("set.dat",
                                LevelFileOf({OneMoveLevel(), RingLevel(), Turned(OneMoveLevel(), {true, 0})}));
    const Outcome outcome = RunTool({"check", file.string()});
    EXPECT_EQ(outcome.Status, 1);
    EXPECT_TRUE(Contains(outcome.Out, "Frozen  Same  Alike")) << outcome.Out;
    EXPECT_TRUE(Contains(outcome.Out, "  0.50      0")) << "3 6 6: one pair of two alike" << outcome.Out;
    EXPECT_TRUE(Contains(outcome.Out, "level 3: the same puzzle as level 1, turned or mirrored\n")) << outcome.Out;
    EXPECT_TRUE(Contains(outcome.Out, "levels 2-2: same-colour neighbour share 0.00 (2 adjacent pairs, too few"))
        << outcome.Out;
    EXPECT_TRUE(Contains(outcome.Out, "; 1 problem\n")) << outcome.Out;
}

TEST(Commands, CheckReportsAFileOfTheWrongSizeOrWithTooManyRecords)
{
    TempDir dir;
    auto bytes = LevelFileOf({OneMoveLevel()});
    bytes.resize(bytes.size() + 50, 1);
    const Outcome partial = RunTool({"check", dir.Write("partial.dat", bytes).string()});
    EXPECT_EQ(partial.Status, 1);
    EXPECT_TRUE(Contains(partial.Out, "size 212 is not a multiple of 162: 50 bytes after the last complete record"))
        << partial.Out;
    EXPECT_TRUE(Contains(partial.Out, "1 optimal")) << "the complete record is still checked";

    const Outcome empty = RunTool({"check", dir.Write("empty.dat", {}).string()});
    EXPECT_EQ(empty.Status, 1);
    EXPECT_TRUE(Contains(empty.Out, "no complete level record")) << empty.Out;

    std::vector<std::uint8_t> many;
    for (int n = 0; n < 101; ++n) {
        const auto one = LevelFileOf({OneMoveLevel()});
        many.insert(many.end(), one.begin(), one.end());
    }
    const Outcome tooMany = RunTool({"check", dir.Write("many.dat", many).string()});
    EXPECT_EQ(tooMany.Status, 1);
    EXPECT_TRUE(Contains(tooMany.Out, "101 records, more than 99: the game loads only the first 99")) << tooMany.Out;
    EXPECT_TRUE(Contains(tooMany.Out, "99 levels loaded")) << tooMany.Out;
}

TEST(Commands, UnreadableInputAndBadArgumentsGetAMessageAndStatusTwo)
{
    TempDir dir;
    const auto file = dir.Write("one.dat", LevelFileOf({OneMoveLevel()}));
    const struct {
        Args Call;
        std::string Message;
    } cases[] = {
        {{}, "usage: velorin-levels check FILE"},
        {{"play"}, "unknown command \"play\""},
        {{"check"}, "usage: velorin-levels check FILE"},
        {{"check", dir.File("none.dat").string()}, "no such file"},
        {{"check", dir.Path.string()}, "not a regular file"},
        {{"solve", file.string()}, "usage: velorin-levels solve FILE N"},
        {{"solve", file.string(), "2"}, "level \"2\" does not exist: " + file.string() + " holds levels 1 to 1"},
        {{"show", file.string(), "0"}, "does not exist"},
        {{"show", file.string(), "1x"}, "does not exist"},
        {{"solve", dir.Write("empty.dat", {}).string(), "1"}, "holds no level"},
        {{"gen", dir.File("none.recipe").string(), dir.File("out.dat").string()}, "cannot open recipe"},
        {{"check", file.string(), "--seconds", "0"}, "--seconds takes a time in seconds above 0"},
        {{"solve", file.string(), "1", "--seconds", "soon"}, "--seconds takes a time in seconds above 0"},
        {{"check", file.string(), "--players", "0"}, "--players takes a number of players"},
        {{"solve", file.string(), "1", "--players", "5"}, "unknown option \"--players\""},
        {{"check", file.string(), "--seconds"}, "unknown option \"--seconds\" or its value missing"},
    };
    for (const auto& c : cases) {
        const Outcome outcome = RunTool(c.Call);
        EXPECT_EQ(outcome.Status, 2) << c.Message;
        EXPECT_TRUE(Contains(outcome.Err, c.Message)) << outcome.Err;
    }
}

TEST(Commands, HelpAndVersionSucceed)
{
    for (const char* help : {"--help", "-h"}) {
        const Outcome outcome = RunTool({help});
        EXPECT_EQ(outcome.Status, 0) << help;
        EXPECT_TRUE(Contains(outcome.Out, "usage: velorin-levels check FILE")) << outcome.Out;
        EXPECT_TRUE(Contains(outcome.Out, "--seconds S")) << outcome.Out;
        EXPECT_TRUE(outcome.Err.empty()) << outcome.Err;
    }
    for (const char* version : {"--version", "-v"})
        EXPECT_EQ(RunTool({version}).Out, "velorin-levels " + std::string(ProgramVersion()) + "\n") << version;
    // After a command its words are the command's.
    EXPECT_EQ(RunTool({"show", "--help", "1"}).Status, 2);
}

TEST(Commands, CheckSurvivesAFileOfGarbage)
{
    TempDir dir;
    std::vector<std::uint8_t> garbage(162 * 5);
    std::mt19937 dice(1);
    for (auto& b : garbage)
        b = static_cast<std::uint8_t>(dice());
    const Outcome outcome = RunTool({"check", dir.Write("garbage.dat", garbage).string()});
    EXPECT_EQ(outcome.Status, 1);
    EXPECT_TRUE(Contains(outcome.Out, "5 problems")) << outcome.Out;
}

// The clicks that `solve` prints, played the way the board takes them:
// a press on the stone, and for a ring the press on the ringed cell.
TEST(Commands, SolvePrintsClicksThatPlayTheLevelAndThePointsLeft)
{
    TempDir dir;
    const TLevelRecord level = RingLevel();
    const auto file = dir.Write("ring.dat", LevelFileOf({level}));
    const Outcome solved = RunTool({"solve", file.string(), "1"});
    ASSERT_EQ(solved.Status, 0) << solved.Err;
    EXPECT_TRUE(Contains(solved.Out, "1 move, the shortest possible")) << solved.Out;
    EXPECT_TRUE(Contains(solved.Out, "1. click 39, then the ring on 38")) << solved.Out;
    EXPECT_TRUE(Contains(solved.Out, "1195 of 1200 points left")) << solved.Out;

    std::istringstream clicks(solved.Out.substr(solved.Out.find("Clicks:") + 7));
    TCells board = level.Board;
    int cell = 0;
    while (clicks >> cell) {
        const MoveOffer offer = StoneMove(board, cell);
        int partner = cell + offer.Offset;
        if (offer.Kind == MoveKind::Ring) {
            ASSERT_TRUE(clicks >> partner);
            ASSERT_TRUE(partner == offer.Ring1 || partner == offer.Ring2);
        } else {
            ASSERT_EQ(offer.Kind, MoveKind::Swap);
        }
        std::swap(board[cell], board[partner]);
    }
    EXPECT_EQ(board, level.Target);

    const auto solvedFile = dir.Write("solved.dat", LevelFileOf({MakeLevel({{1, 1}}, {{1, 1}})}));
    EXPECT_EQ(RunTool({"solve", solvedFile.string(), "1"}).Status, 1);
}

TEST(Commands, ShowDrawsBoardAndTargetSideBySideWithALegend)
{
    TempDir dir;
    const auto file = dir.Write("one.dat", LevelFileOf({OneMoveLevel()}));
    const Outcome shown = RunTool({"show", file.string(), "1"});
    ASSERT_EQ(shown.Status, 0);
    EXPECT_TRUE(Contains(shown.Out, "  37  6 3 6 . . . . . .   3 6 6 . . . . . .\n")) << shown.Out;
    EXPECT_TRUE(Contains(shown.Out, "3 = code 3, moves up\n")) << shown.Out;
    EXPECT_TRUE(Contains(shown.Out, "6 = code 6, moves right\n")) << shown.Out;
}

TEST(Commands, GenWritesTheSameFileEveryTimeAndNothingForABadRecipe)
{
    TempDir dir;
    const std::string recipe = "level Row\npattern\n.........\n.........\n.........\n.........\n"
                               "a66666663\n.........\n.........\n.........\n.........\n"
                               "mix a=5\ndepth 3\nseed 4\nend\n";
    std::ofstream(dir.File("set.recipe")) << recipe;
    const Outcome first = RunTool({"gen", dir.File("set.recipe").string(), dir.File("a.dat").string()});
    const Outcome second = RunTool({"gen", dir.File("set.recipe").string(), dir.File("b.dat").string()});
    ASSERT_EQ(first.Status, 0) << first.Err;
    ASSERT_EQ(second.Status, 0);
    EXPECT_TRUE(Contains(first.Out, "| 1 | Row | 3, 5, 6 |")) << first.Out;
    const auto bytes = FileBytes(dir.File("a.dat"));
    EXPECT_EQ(bytes.size(), 162u);
    EXPECT_EQ(bytes, FileBytes(dir.File("b.dat")));

    std::ofstream(dir.File("bad.recipe")) << "level Row\npattern\n.........\n";
    const Outcome bad = RunTool({"gen", dir.File("bad.recipe").string(), dir.File("c.dat").string()});
    EXPECT_EQ(bad.Status, 2);
    EXPECT_TRUE(Contains(bad.Err, "line 3: the pattern needs 9 rows")) << bad.Err;
    EXPECT_FALSE(std::filesystem::exists(dir.File("c.dat")));
}

TEST(Commands, ReportFillsTheTableBetweenItsMarkersAndDrawsTheCurve)
{
    TempDir dir;
    const std::string recipe = "level One\npattern\n.........\n.........\n.........\n.........\n"
                               "a66666663\n.........\n.........\n.........\n.........\n"
                               "mix a=5\ndepth 3\nseed 4\nend\n";
    std::ofstream(dir.File("set.recipe")) << recipe + recipe;
    ASSERT_EQ(RunTool({"gen", dir.File("set.recipe").string(), dir.File("set.dat").string()}).Status, 0);
    std::ofstream(dir.File("LEVELS.md")) << "# Levels\n<!-- table of levels: made by velorin-levels report -->\n"
                                            "| stale |\n<!-- end of the table of levels -->\nafter\n";
    const Outcome report = RunTool({"report", dir.File("set.recipe").string(), dir.File("set.dat").string(),
                                    dir.File("LEVELS.md").string(), dir.File("curve.svg").string()});
    ASSERT_EQ(report.Status, 0) << report.Err;
    std::ifstream markdown(dir.File("LEVELS.md"));
    const std::string table((std::istreambuf_iterator<char>(markdown)), {});
    EXPECT_FALSE(Contains(table, "stale"));
    EXPECT_TRUE(Contains(table, "| 2 | One | 3, 5, 6 |")) << table;
    EXPECT_TRUE(Contains(table, "|\n<!-- end of the table of levels -->\nafter\n")) << table;
    // The summary by thirds heads the table; two levels make two thirds of one.
    EXPECT_TRUE(Contains(table, "-->\n- levels 1-1: median par ")) << table;
    EXPECT_TRUE(Contains(report.Out, "levels 2-2: ")) << report.Out;
    EXPECT_FALSE(Contains(report.Out, "levels 1-0")) << report.Out;
    std::ifstream svg(dir.File("curve.svg"));
    const std::string plot((std::istreambuf_iterator<char>(svg)), {});
    EXPECT_EQ(plot.rfind("<svg", 0), 0u);
    EXPECT_TRUE(Contains(plot, "</svg>"));

    std::ofstream(dir.File("plain.md")) << "no markers\n";
    EXPECT_EQ(RunTool({"report", dir.File("set.recipe").string(), dir.File("set.dat").string(),
                       dir.File("plain.md").string(), dir.File("curve.svg").string()})
                  .Status,
              2);
}
