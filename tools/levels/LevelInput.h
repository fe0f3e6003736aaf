// Reading a level file for the tool, with the reader the editor shares
// (LevelFile.h), and saying in words what is wrong with it.
#pragma once

#include "LevelRecord.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct LevelInput {
    std::uintmax_t Size = 0;          // bytes
    std::uintmax_t RecordsInFile = 0; // complete records, also past the 99th
    std::vector<TLevelRecord> Levels; // what the game loads
    std::vector<std::string> Faults;  // size not a multiple of 162, too many records, read error
};

// Nullopt when the file cannot be read at all; `error` says why.
std::optional<LevelInput> LoadLevels(const std::string& path, std::string& error);

// Parses a level number; nullopt unless it is a whole number 1..count.
std::optional<int> LevelNumber(const std::string& text, int count);

// The level of a "COMMAND FILE N" call (solve, show). Nullopt after a
// complaint on `err`; warnings about the file go there too.
std::optional<TLevelRecord> LevelOfCall(const std::vector<std::string>& args, const char* command, std::ostream& err,
                                        int& number);
