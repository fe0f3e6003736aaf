// The level file "velor.dat": a plain sequence of 162-byte level records,
// without header, read once at start-up.
#pragma once

#include "LevelRecord.h"

#include <cstdint>
#include <span>

inline constexpr const char* LevelFileName = "velor.dat";

enum class LevelFileStatus {
    Ok,       // every record loaded
    Missing,  // the file cannot be opened (absent, a directory, no access)
    Partial,  // the last record is incomplete and was dropped
    TooMany,  // more than 99 records; the first 99 were loaded
    ReadError // reading failed part way; the records before it stay loaded
};

struct LevelFileResult {
    LevelFileStatus Status = LevelFileStatus::Ok;
    std::uint16_t Count = 0; // records stored in the table
    int IoError = 0;         // error code for the error box (Partial, ReadError)
};

// Stores the complete records of `bytes` in table[1..Count].
LevelFileResult ParseLevelFile(std::span<const std::uint8_t> bytes, TLevelTable& table);

// Reads the file at `path` into table[1..Count].
LevelFileResult ReadLevelFile(const char* path, TLevelTable& table);
