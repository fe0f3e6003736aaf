#include "CommandLine.h"
#include "Commands.h"
#include "Generator.h"
#include "LevelCheck.h"

#include <ostream>

namespace {

void Usage(std::ostream& err)
{
    err << "usage: velorin-levels check FILE [--players N] [--seconds S]\n"
           "                                       check every level of a level file\n"
           "       velorin-levels solve FILE N [--seconds S]\n"
           "                                       shortest solution of level N\n"
           "       velorin-levels show FILE N      board and target of level N\n"
           "       velorin-levels gen RECIPE OUT [--seconds S]\n"
           "                                       write the level file of a recipe\n"
           "       velorin-levels report RECIPE FILE MARKDOWN SVG\n"
           "                                       the measures of every level into the table of\n"
           "                                       MARKDOWN and a plot of their curve\n"
           "       velorin-levels --help | --version\n"
           "--seconds S: the time budget of each proof of par (check "
        << CheckBudget().Seconds << ", solve " << SolveSeconds << ", gen " << GeneratorBudget().Seconds
        << " per walk);\na proof also stops at " << DefaultSearchMemory / (1u << 20)
        << " MiB of memory. An answer is \"proved par N\", \"solvable in at most\n"
           "N, par at least M\", \"no solution\" only when every reachable position was searched,\n"
           "or \"unknown, par at least M\" with what stopped the search.\n"
           "check and gen settle each start move within "
        << ReproducibleDeadEndMemory / (1u << 20) << " MiB, so a busy machine gives the same answer.\n";
}

} // namespace

int RunLevelTool(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        Usage(err);
        return 2;
    }
    const std::string& command = args.front();
    if (command == "--help" || command == "-h") {
        Usage(out);
        return 0;
    }
    if (command == "--version" || command == "-v") {
        out << "velorin-levels " << ProgramVersion() << '\n';
        return 0;
    }
    const Args rest(args.begin() + 1, args.end());
    if (command == "check")
        return RunCheck(rest, out, err);
    if (command == "solve")
        return RunSolve(rest, out, err);
    if (command == "show")
        return RunShow(rest, out, err);
    if (command == "gen")
        return RunGen(rest, out, err);
    if (command == "report")
        return RunReport(rest, out, err);
    err << "velorin-levels: unknown command \"" << command << "\"\n";
    Usage(err);
    return 2;
}
