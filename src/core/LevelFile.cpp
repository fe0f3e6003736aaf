#include "LevelFile.h"

#include "FileIo.h"
#include "IoError.h"

#include <algorithm>
#include <cstring>

LevelFileResult ParseLevelFile(std::span<const std::uint8_t> bytes, TLevelTable& table)
{
    LevelFileResult result;
    const std::size_t records = bytes.size() / LevelRecordSize;
    const std::size_t stored = std::min<std::size_t>(records, MaxLevels);
    for (std::size_t i = 0; i < stored; ++i)
        std::memcpy(&table[static_cast<int>(i) + 1], bytes.data() + i * LevelRecordSize, LevelRecordSize);
    result.Count = static_cast<std::uint16_t>(stored);

    if (records > MaxLevels) {
        result.Status = LevelFileStatus::TooMany;
    } else if (bytes.size() % LevelRecordSize != 0) {
        result.Status = LevelFileStatus::Partial;
        result.IoError = IoReadBeyondEnd;
    }
    return result;
}

LevelFileResult ReadLevelFile(const char* path, TLevelTable& table)
{
    // One record more than the table holds tells "too many" apart from a
    // file that merely ends in an incomplete record.
    const FileRead file = ReadFilePrefix(path, (MaxLevels + 1) * LevelRecordSize);
    if (!file.Opened) {
        LevelFileResult missing;
        missing.Status = LevelFileStatus::Missing;
        return missing;
    }
    LevelFileResult result = ParseLevelFile(file.Bytes, table);
    if (file.Error != 0 && result.Status != LevelFileStatus::TooMany) {
        result.Status = LevelFileStatus::ReadError;
        result.IoError = IoErrorFromErrno(file.Error);
    }
    return result;
}

std::optional<LevelFileContents> ReadLevelContents(const char* path, std::size_t maxRecords, int& error)
{
    // One incomplete record more than the limit, for a file that ends in one.
    const FileRead file = ReadFilePrefix(path, maxRecords * LevelRecordSize + LevelRecordSize - 1);
    if (!file.Opened) {
        error = file.Error;
        return std::nullopt;
    }
    LevelFileContents contents;
    contents.FileBytes = file.Size;
    contents.ReadError = file.Error;
    const std::size_t whole = std::min(file.Bytes.size() / LevelRecordSize, maxRecords);
    contents.Records.resize(whole);
    if (whole > 0)
        std::memcpy(contents.Records.data(), file.Bytes.data(), whole * LevelRecordSize);
    if (file.Error == 0 && file.Bytes.size() == file.Size)
        contents.Incomplete.assign(file.Bytes.begin() + static_cast<std::ptrdiff_t>(whole * LevelRecordSize),
                                   file.Bytes.end());
    return contents;
}

std::vector<LevelFileFault> FaultsOf(const LevelFileContents& contents)
{
    std::vector<LevelFileFault> faults;
    if (contents.BytesAfterLastRecord() != 0)
        faults.push_back(LevelFileFault::IncompleteLastRecord);
    if (contents.RecordsInFile() > MaxLevels)
        faults.push_back(LevelFileFault::MoreThanTheGamePlays);
    if (contents.ReadError != 0)
        faults.push_back(LevelFileFault::ReadStopped);
    if (contents.RecordsInFile() == 0)
        faults.push_back(LevelFileFault::NoCompleteRecord);
    return faults;
}
