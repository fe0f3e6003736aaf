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
