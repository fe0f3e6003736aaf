#include "LevelFile.h"

#include "IoError.h"
#include "Levels.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

struct Loaded {
    LevelFileResult Result;
    TLevelTable Table {};
};

Loaded Load(const std::filesystem::path& path)
{
    Loaded loaded;
    loaded.Result = ReadLevelFile(path.c_str(), loaded.Table);
    return loaded;
}

} // namespace

TEST(LevelRecord, TargetComesFirstThenBoardCellOneFirst)
{
    TempDir dir;
    std::vector<std::uint8_t> bytes(162, 0);
    bytes[0] = 1;    // target, cell 1
    bytes[80] = 2;   // target, cell 81
    bytes[81] = 3;   // board, cell 1
    bytes[161] = 13; // board, cell 81: a code above 12 is kept as it is
    const Loaded loaded = Load(dir.Write("velor.dat", bytes));
    ASSERT_EQ(loaded.Result.Count, 1);
    const TLevelRecord& level = loaded.Table[1];
    EXPECT_EQ(level.Target[1], 1);
    EXPECT_EQ(level.Target[81], 2);
    EXPECT_EQ(level.Board[1], 3);
    EXPECT_EQ(level.Board[81], 13);
    EXPECT_EQ(level.Target[2], 0);
}

TEST(LevelFile, SizesThatFitTheTableLoadEveryRecordInFileOrder)
{
    for (const int count : {0, 1, 2, 98, 99}) {
        SCOPED_TRACE(count);
        TempDir dir;
        const Loaded loaded = Load(dir.Write("velor.dat", NumberedLevelFile(count)));
        EXPECT_EQ(loaded.Result.Status, LevelFileStatus::Ok);
        EXPECT_EQ(loaded.Result.Count, count);
        EXPECT_EQ(loaded.Result.IoError, 0);
        for (int n = 1; n <= count; ++n)
            ASSERT_EQ(loaded.Table[n], NumberedLevel(n)) << "level " << n;
    }
}

TEST(LevelFile, MoreThan99RecordsLoadTheFirst99AndSaySo)
{
    for (const int count : {100, 500}) {
        SCOPED_TRACE(count);
        TempDir dir;
        const Loaded loaded = Load(dir.Write("velor.dat", NumberedLevelFile(count)));
        EXPECT_EQ(loaded.Result.Status, LevelFileStatus::TooMany);
        EXPECT_EQ(loaded.Result.Count, 99);
        EXPECT_EQ(loaded.Table[99], NumberedLevel(99));
    }
}

TEST(LevelFile, AnIncompleteLastRecordIsDroppedAndReportedAsReadBeyondTheEnd)
{
    for (const std::size_t extra : {1u, 80u, 161u}) {
        SCOPED_TRACE(extra);
        TempDir dir;
        std::vector<std::uint8_t> bytes = NumberedLevelFile(2);
        bytes.resize(bytes.size() + extra, 0xEE);
        Loaded loaded;
        loaded.Table[3] = NumberedLevel(77); // must stay untouched
        loaded.Result = ReadLevelFile(dir.Write("velor.dat", bytes).c_str(), loaded.Table);
        EXPECT_EQ(loaded.Result.Status, LevelFileStatus::Partial);
        EXPECT_EQ(loaded.Result.Count, 2);
        EXPECT_EQ(loaded.Result.IoError, IoReadBeyondEnd);
        EXPECT_EQ(loaded.Table[2], NumberedLevel(2));
        EXPECT_EQ(loaded.Table[3], NumberedLevel(77));
    }
}

TEST(LevelFile, AFileThatCannotBeOpenedCountsAsMissing)
{
    TempDir dir;
    EXPECT_EQ(Load(dir.File("velor.dat")).Result.Status, LevelFileStatus::Missing);
    std::filesystem::create_directory(dir.File("velor.dat"));
    const Loaded directory = Load(dir.File("velor.dat"));
    EXPECT_EQ(directory.Result.Status, LevelFileStatus::Missing);
    EXPECT_EQ(directory.Result.Count, 0);
}

TEST(LevelFile, ParsingTakesOnlyWholeRecords)
{
    TLevelTable table {};
    const std::vector<std::uint8_t> bytes(161, 5);
    const LevelFileResult result = ParseLevelFile(bytes, table);
    EXPECT_EQ(result.Count, 0);
    EXPECT_EQ(result.Status, LevelFileStatus::Partial);
    EXPECT_EQ(table[1].Target[1], 0);
}

// The reader the level tool and the editor share: every record up to its
// limit, a partial one kept, and the faults the game would meet.
TEST(LevelContents, RecordsUpToTheLimitAPartialOneAndTheFaultsTheGameMeets)
{
    TempDir dir;
    int error = 0;
    std::vector<std::uint8_t> bytes = NumberedLevelFile(3);
    bytes.insert(bytes.end(), 50, 7);
    const auto partial = ReadLevelContents(dir.Write("partial.dat", bytes).c_str(), 1000, error);
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->Records.size(), 3u);
    EXPECT_EQ(partial->Records[2], NumberedLevel(3));
    EXPECT_EQ(partial->Incomplete, std::vector<std::uint8_t>(50, 7));
    EXPECT_EQ(FaultsOf(*partial), std::vector {LevelFileFault::IncompleteLastRecord});

    // Beyond the limit the size still counts; nothing of the rest is read.
    const auto many = ReadLevelContents(dir.Write("many.dat", NumberedLevelFile(101)).c_str(), 99, error);
    ASSERT_TRUE(many);
    EXPECT_EQ(many->Records.size(), 99u);
    EXPECT_TRUE(many->Incomplete.empty());
    EXPECT_EQ(many->RecordsInFile(), 101u);
    EXPECT_EQ(FaultsOf(*many), std::vector {LevelFileFault::MoreThanTheGamePlays});

    const auto empty = ReadLevelContents(dir.Write("empty.dat", {}).c_str(), 99, error);
    ASSERT_TRUE(empty);
    EXPECT_EQ(FaultsOf(*empty), std::vector {LevelFileFault::NoCompleteRecord});

    EXPECT_FALSE(ReadLevelContents(dir.Path.c_str(), 99, error));
    EXPECT_EQ(error, EISDIR);
}
