// A collection of levels on disk: the game's level file, a plain sequence
// of 162-byte records. Reading keeps everything a damaged file holds and
// says in German what is wrong; writing replaces the file atomically.
#pragma once

#include "KnownFile.h"
#include "LevelRecord.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// A file larger than this many records is no level file: it is not opened.
inline constexpr std::size_t MaxRecordsRead = 1000;

struct LoadedCollection {
    std::vector<TLevelRecord> Levels;  // every record, also past the 99th and a partial last one
    std::vector<std::string> Problems; // German sentences, one per fault of the file
    FileStamp Stamp;                   // the file as it was read
};

// Nullopt when the file cannot be read at all; `error` then says why, in German.
std::optional<LoadedCollection> LoadCollection(const std::string& path, std::string& error);

// The bytes of the file for `levels`.
std::vector<std::uint8_t> CollectionBytes(const std::vector<TLevelRecord>& levels);

// Why `levels` cannot be saved as a level file the game reads, in German;
// nullopt when they can.
std::optional<std::string> SaveRefusal(const std::vector<TLevelRecord>& levels);

struct CollectionSave {
    // The levels stand in the file under its name; `Message` may still say
    // that their way onto the disk could not be confirmed.
    bool Saved = false;
    // Empty when all went well, else in German: why nothing was saved (and
    // whether the old file is as it was), or what could not be confirmed.
    std::string Message;
    FileStamp Stamp; // the file as written, when saved
};

// Writes `levels` to `path` atomically (a temporary file of its own name
// beside it, rename, directory flush), through a symbolic link to the file
// it names.
CollectionSave SaveCollection(const std::string& path, const std::vector<TLevelRecord>& levels);
