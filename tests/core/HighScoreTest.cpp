#include "HighScore.h"

#include "Cp1252.h"
#include "ScoreTables.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

TEST(HighScoreRecord, LayoutIsNamesLevelsThenLittleEndianScores)
{
    THighScoreTable table {};
    SetNameBytes(table, 1, "Anna");
    SetNameBytes(table, 10, "Zehnter");
    table.Levels[1] = 7;
    table.Levels[10] = 99;
    table.Scores[1] = 0x01020304;
    table.Scores[10] = -2;
    const auto bytes = RecordBytes(table);
    ASSERT_EQ(bytes.size(), 160u);
    EXPECT_EQ(bytes[0], 4);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[1]), 4), "Anna");
    EXPECT_EQ(bytes[99], 7); // place 10's slot starts at 9 * 11
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[100]), 7), "Zehnter");
    EXPECT_EQ(bytes[110], 7);
    EXPECT_EQ(bytes[119], 99);
    EXPECT_EQ(bytes[120], 0x04);
    EXPECT_EQ(bytes[123], 0x01);
    EXPECT_EQ(bytes[156], 0xFE);
    EXPECT_EQ(bytes[159], 0xFF);
}

TEST(HighScorePlaces, NewScoresGoAboveEqualOnesAndBelowBetterOnes)
{
    const THighScoreTable table = FullTable();
    EXPECT_EQ(FindPlace(table, 5000), 1);
    EXPECT_EQ(FindPlace(table, 990), 1); // a tie ranks the newer entry first
    EXPECT_EQ(FindPlace(table, 989), 2);
    EXPECT_EQ(FindPlace(table, 900), 10);
    EXPECT_EQ(FindPlace(table, 899), 0);
    THighScoreTable empty {};
    EXPECT_EQ(FindPlace(empty, 0), 1);
    EXPECT_EQ(FindPlace(empty, -1), 0);
    // Negative scores are ranked as signed numbers.
    THighScoreTable negative {};
    for (int place = 1; place <= Places; ++place)
        negative.Scores[place] = -place;
    EXPECT_EQ(FindPlace(negative, -3), 3);
}

TEST(HighScorePlaces, InsertingAtTheTopShiftsEveryoneAndDropsTheLast)
{
    THighScoreTable table = FullTable();
    InsertEntry(table, 1, 42, 2000);
    EXPECT_EQ(NameBytes(table, 1), "");
    EXPECT_EQ(table.Levels[1], 42);
    EXPECT_EQ(table.Scores[1], 2000);
    for (int place = 2; place <= Places; ++place) {
        EXPECT_EQ(NameBytes(table, place), "Spieler" + std::to_string(place - 1));
        EXPECT_EQ(table.Scores[place], 1000 - 10 * (place - 1));
    }
}

TEST(HighScorePlaces, InsertingAtPlaceTenReplacesOnlyIt)
{
    THighScoreTable table = FullTable();
    const THighScoreTable before = table;
    InsertEntry(table, 10, 3, 905);
    for (int place = 1; place <= 9; ++place)
        EXPECT_EQ(NameBytes(table, place), NameBytes(before, place));
    EXPECT_EQ(table.Scores[10], 905);
    EXPECT_EQ(table.Levels[10], 3);
    EXPECT_EQ(NameBytes(table, 10), "");
}

TEST(HighScoreNames, AreCutToTenCharactersAndKeepTheirCodePage)
{
    THighScoreTable table {};
    SetNameBytes(table, 2, "Zehn Zeich");
    EXPECT_EQ(table.Names[2].Length, 10);
    SetNameBytes(table, 3, "Elf Zeichen!");
    EXPECT_EQ(NameBytes(table, 3), "Elf Zeiche");
    // A shorter name leaves the old bytes behind its length.
    SetNameBytes(table, 2, "Jo");
    EXPECT_EQ(NameBytes(table, 2), "Jo");
    EXPECT_EQ(table.Names[2].Chars[2], 'h');
    // Damaged slots with a length above ten are read as ten characters.
    for (const int length : {11, 255}) {
        table.Names[4].Length = static_cast<std::uint8_t>(length);
        std::memcpy(table.Names[4].Chars, "ABCDEFGHIJ", 10);
        EXPECT_EQ(NameBytes(table, 4), "ABCDEFGHIJ");
        EXPECT_EQ(NameText(table, 4), "ABCDEFGHIJ");
    }
    // Umlauts are one byte each on disk and come back as text.
    SetNameBytes(table, 5, *Cp1252FromUtf8("Jürgen Öß"));
    EXPECT_EQ(table.Names[5].Length, 9);
    EXPECT_EQ(static_cast<unsigned char>(table.Names[5].Chars[1]), 0xFC);
    EXPECT_EQ(NameText(table, 5), "Jürgen Öß");
}

TEST(Cp1252, ConvertsWhatTheCodePageHoldsAndRefusesTheRest)
{
    EXPECT_EQ(Cp1252FromUtf8("Ä€é"), std::string("\xC4\x80\xE9"));
    EXPECT_EQ(Utf8FromCp1252("\xC4\x80\xE9\x9F"), "Ä€éŸ");
    EXPECT_FALSE(Cp1252FromUtf8("Łódź").has_value());
    EXPECT_FALSE(Cp1252FromUtf8("日本").has_value());
    EXPECT_FALSE(Cp1252FromUtf8("\xFF\xFE").has_value()); // not UTF-8
    EXPECT_TRUE(FitsCp1252("Müller"));
    EXPECT_FALSE(FitsCp1252("Müller 😀"));
    // Bytes the code page leaves unassigned show as replacement characters.
    EXPECT_EQ(Utf8FromCp1252("A\x81"
                             "B"),
              "A\xEF\xBF\xBD"
              "B");
    EXPECT_EQ(Utf8FromCp1252(std::string("\0", 1)), std::string("\0", 1));
}

TEST(HighScoreFile, ShortFilesFillWhatTheyHoldAndLongOnesOnlyTheRecord)
{
    THighScoreTable table = FullTable();
    std::vector<std::uint8_t> bytes(159, 0);
    EXPECT_FALSE(ParseHighScoreTable(bytes, table));
    EXPECT_EQ(table.Scores[10] & 0x00FFFFFF, 0); // the last byte was not there
    EXPECT_FALSE(ParseHighScoreTable({}, table));

    // A file that ends inside the fourth name: the name shows the two
    // characters that were read; the names before it are whole, and a
    // damaged length byte of a whole record is left as the file has it.
    std::vector<std::uint8_t> cut(3 * 11 + 3, 0);
    for (int slot = 0; slot < 4; ++slot) {
        cut[static_cast<std::size_t>(slot) * 11] = 8;
        std::memset(&cut[static_cast<std::size_t>(slot) * 11 + 1], 'A' + slot, std::min(10, 35 - slot * 11));
    }
    THighScoreTable read {};
    EXPECT_FALSE(ParseHighScoreTable(cut, read));
    EXPECT_EQ(NameText(read, 3), "CCCCCCCC");
    EXPECT_EQ(NameText(read, 4), "DD");
    EXPECT_EQ(NameText(read, 5), "");
    std::vector<std::uint8_t> whole(HighScoreRecordSize, 0);
    whole[0] = 15;
    EXPECT_TRUE(ParseHighScoreTable(whole, read));
    EXPECT_EQ(read.Names[1].Length, 15);

    std::vector<std::uint8_t> longer(4096, 0xAB);
    THighScoreTable other {};
    EXPECT_TRUE(ParseHighScoreTable(longer, other));
    EXPECT_EQ(other.Levels[1], 0xAB);
}
