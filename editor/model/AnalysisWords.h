// The analysis in German words, for the editor's panel and level list.
#pragma once

#include "Analysis.h"

#include <string>
#include <vector>

// The verdict in one line: "Lösbar, Par 12 (bewiesen)", or the progress of
// the proof while it runs.
std::string VerdictLine(const AnalysisReport& report);

// The measures known so far, one line each.
std::vector<std::string> MeasureLines(const AnalysisReport& report);

// Par and difficulty in a few words, for the list of levels.
std::string ShortFacts(const AnalysisReport& report);

// A number with a thin space between thousands: "1 234 567".
std::string Grouped(std::size_t number);

// Why a par beyond the budget is a fault, for the panel and the warning
// before saving.
inline const std::string BeyondOneAttempt = "dafür reicht ein Versuch nicht";

// A number and its noun, one or many: "1 Zug", "3 Züge".
std::string Counted(std::size_t number, const std::string& one, const std::string& many);
