#include "HighScore.h"

#include "Cp1252.h"

#include <algorithm>
#include <cerrno>
#include <cstring>

bool NoListToLose(int openError)
{
    return openError == ENOENT || openError == ENOTDIR || openError == EISDIR || openError == EINVAL;
}

void ClearTable(THighScoreTable& table)
{
    table = THighScoreTable {};
}

int FindPlace(const THighScoreTable& table, std::int32_t score)
{
    for (int place = 1; place <= Places; ++place)
        if (score >= table.Scores[place])
            return place;
    return 0;
}

void InsertEntry(THighScoreTable& table, int place, std::uint8_t level, std::int32_t score)
{
    for (int i = Places; i > place; --i) {
        table.Names[i] = table.Names[i - 1];
        table.Levels[i] = table.Levels[i - 1];
        table.Scores[i] = table.Scores[i - 1];
    }
    table.Levels[place] = level;
    table.Scores[place] = score;
    table.Names[place].Length = 0;
}

std::string_view NameBytes(const THighScoreTable& table, int place)
{
    const TNameSlot& slot = table.Names[place];
    return {slot.Chars, std::min<std::size_t>(slot.Length, NameLength)};
}

void SetNameBytes(THighScoreTable& table, int place, std::string_view bytes)
{
    TNameSlot& slot = table.Names[place];
    const std::size_t length = std::min<std::size_t>(bytes.size(), NameLength);
    // Only the new characters are written; what lies past them stays.
    std::memcpy(slot.Chars, bytes.data(), length);
    slot.Length = static_cast<std::uint8_t>(length);
}

std::string NameText(const THighScoreTable& table, int place)
{
    return Utf8FromCp1252(NameBytes(table, place));
}

bool ParseHighScoreTable(std::span<const std::uint8_t> bytes, THighScoreTable& table)
{
    const std::size_t length = std::min(bytes.size(), HighScoreRecordSize);
    if (length > 0)
        std::memcpy(&table, bytes.data(), length);
    // A name cut off by the end of the file keeps only the characters that
    // were read, not the bytes that stand for the rest of it.
    for (int place = 1; length < HighScoreRecordSize && place <= Places; ++place) {
        const std::size_t lengthAt = offsetof(THighScoreTable, Names)
            + static_cast<std::size_t>(place - 1) * sizeof(TNameSlot);
        const std::size_t charsAt = lengthAt + offsetof(TNameSlot, Chars);
        if (length <= lengthAt)
            break;
        const std::size_t charsRead = std::min(length - std::min(length, charsAt),
                                               static_cast<std::size_t>(NameLength));
        TNameSlot& slot = table.Names[place];
        slot.Length = static_cast<std::uint8_t>(std::min<std::size_t>(slot.Length, charsRead));
    }
    return length == HighScoreRecordSize;
}

std::span<const std::uint8_t> RecordBytes(const THighScoreTable& table)
{
    return {reinterpret_cast<const std::uint8_t*>(&table), HighScoreRecordSize};
}
