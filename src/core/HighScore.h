// The high-score list: the ten best game totals with the player's name and
// the level on which the game ended, kept in "VScore.dat" as one 160-byte
// record (no header): ten name slots, ten levels, ten scores.
#pragma once

#include "OneBased.h"

#include <bit>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

inline constexpr const char* HighScoreFileName = "VScore.dat";
inline constexpr int Places = 10;
inline constexpr int NameLength = 10;

// A name: its length, then up to ten Windows-1252 characters. Bytes past
// the length carry no meaning (they may hold an earlier, longer name).
struct TNameSlot {
    std::uint8_t Length;
    char Chars[NameLength];
};

struct THighScoreTable {
    OneBased<TNameSlot, Places> Names;     // at 0
    OneBased<std::uint8_t, Places> Levels; // at 110
    OneBased<std::int32_t, Places> Scores; // at 120, little-endian
};

static_assert(sizeof(TNameSlot) == 11);
static_assert(offsetof(THighScoreTable, Names) == 0);
static_assert(offsetof(THighScoreTable, Levels) == 110);
static_assert(offsetof(THighScoreTable, Scores) == 120);
static_assert(sizeof(THighScoreTable) == 160);
static_assert(std::endian::native == std::endian::little, "the score file's numbers are little-endian");

inline constexpr std::size_t HighScoreRecordSize = sizeof(THighScoreTable);

// Whether a list that cannot be opened at start-up has nothing to lose:
// there is none yet, or something else than a file stands in its place.
// Any other failure (no permission to read it, say) hides a list.
bool NoListToLose(int openError);

// Every place empty: no name, level 0, score 0.
void ClearTable(THighScoreTable& table);

// The place a new score takes: the first whose score it reaches or beats
// (so on a tie the newer entry ranks above), 0 when it beats none.
int FindPlace(const THighScoreTable& table, std::int32_t score);

// Moves places p..9 down by one (the old place 10 drops out) and puts the
// new score with an empty name at p.
void InsertEntry(THighScoreTable& table, int place, std::uint8_t level, std::int32_t score);

// The name of a place as Windows-1252 bytes, cut to ten characters when a
// damaged slot claims more.
std::string_view NameBytes(const THighScoreTable& table, int place);

// Stores up to ten Windows-1252 bytes as the name of a place.
void SetNameBytes(THighScoreTable& table, int place, std::string_view bytes);

// The name of a place for display (UTF-8).
std::string NameText(const THighScoreTable& table, int place);

// The record in a file's bytes: the first 160, or as much of it as there is
// (the rest of `table` is left as it was). True when the record was whole.
bool ParseHighScoreTable(std::span<const std::uint8_t> bytes, THighScoreTable& table);

std::span<const std::uint8_t> RecordBytes(const THighScoreTable& table);
