// The sub-commands of velorin-levels. Each takes the words after its name,
// writes its findings to `out` and its complaints to `err`, and returns the
// exit status: 0 fine, 1 the levels have problems, 2 bad use or bad input.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

using Args = std::vector<std::string>;

// The time budget of `solve` unless --seconds says otherwise.
inline constexpr double SolveSeconds = 30;

int RunCheck(const Args& args, std::ostream& out, std::ostream& err);
int RunSolve(const Args& args, std::ostream& out, std::ostream& err);
int RunShow(const Args& args, std::ostream& out, std::ostream& err);
int RunGen(const Args& args, std::ostream& out, std::ostream& err);
int RunReport(const Args& args, std::ostream& out, std::ostream& err);

// The whole tool: `args` without the program name.
int RunLevelTool(const Args& args, std::ostream& out, std::ostream& err);
