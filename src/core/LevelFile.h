// The level file "velor.dat": a plain sequence of 162-byte level records,
// without header, read once at start-up.
#pragma once

#include "LevelRecord.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

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

// A level file as the level tool and the editor read it, to show and mend
// it: its complete records up to a limit (past the 99 the game plays too),
// an incomplete last record as far as it goes, and what the file's size
// says of the rest.
struct LevelFileContents {
    std::vector<TLevelRecord> Records;
    // The bytes of an incomplete record after the last complete one, when
    // the whole file was read.
    std::vector<std::uint8_t> Incomplete;
    std::uintmax_t FileBytes = 0;
    int ReadError = 0; // the errno where reading stopped part-way

    std::uintmax_t RecordsInFile() const { return FileBytes / LevelRecordSize; }
    std::uintmax_t BytesAfterLastRecord() const { return FileBytes % LevelRecordSize; }
};

// What the game meets in such a file, for each program to say in its words.
enum class LevelFileFault {
    NoCompleteRecord,     // the game has no level to play
    IncompleteLastRecord, // the game leaves it out
    MoreThanTheGamePlays, // the game plays the first 99
    ReadStopped,          // reading failed part-way
};
std::vector<LevelFileFault> FaultsOf(const LevelFileContents& contents);

// Reads at most `maxRecords` complete records; nullopt with the errno in
// `error` when the file cannot be opened as a regular file.
std::optional<LevelFileContents> ReadLevelContents(const char* path, std::size_t maxRecords, int& error);
