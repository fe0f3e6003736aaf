// What an author is told before a collection is saved: the levels that a
// player could not play through as they are. Levels whose analysis has not
// finished yet are not named: the panel shows that it still runs.
#pragma once

#include "Analysis.h"
#include "LevelRecord.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

using KnownAnalysis = std::function<const AnalysisReport*(const TLevelRecord&)>;

// The warning, a question at its end; nullopt when there is nothing to say.
std::optional<std::string> SaveWarning(const std::vector<TLevelRecord>& levels, const KnownAnalysis& known);
