// The figures of LEVELS.md: the summary of each third of the set and the
// table of its levels, written by `report` between two marker lines and
// compared with the check's findings by the tests.
#pragma once

#include "Curve.h"
#include "LevelCheck.h"
#include "Recipe.h"

#include <optional>
#include <string>
#include <vector>

// The measures the curve is drawn from; the checks were made with players.
std::vector<LevelMeasures> MeasuresOf(const std::vector<LevelCheck>& checks);

// The summary as a Markdown list, a blank line, then the table.
std::string LevelsMdFigures(const std::vector<LevelRecipe>& recipes, const std::vector<TLevelRecord>& levels,
                            const std::vector<LevelCheck>& checks);

// What stands between the marker lines of `markdown`; nullopt without them.
std::optional<std::string> FiguresIn(const std::string& markdown);

// `markdown` with `figures` between its marker lines; nullopt without them.
std::optional<std::string> WithFigures(const std::string& markdown, const std::string& figures);
