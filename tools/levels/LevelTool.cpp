#include "Commands.h"

#include <ostream>

namespace {

void Usage(std::ostream& err)
{
    err << "usage: velorin-levels check FILE [--players N]  check every level of a level file\n"
           "       velorin-levels solve FILE N     shortest solution of level N\n"
           "       velorin-levels show FILE N      board and target of level N\n"
           "       velorin-levels gen RECIPE OUT   write the level file of a recipe\n"
           "       velorin-levels report RECIPE FILE MARKDOWN SVG\n"
           "                                       the measures of every level into the table of\n"
           "                                       MARKDOWN and a plot of their curve\n";
}

} // namespace

int RunLevelTool(const Args& args, std::ostream& out, std::ostream& err)
{
    if (args.empty()) {
        Usage(err);
        return 2;
    }
    const std::string& command = args.front();
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
