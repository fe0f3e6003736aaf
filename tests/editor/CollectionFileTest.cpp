// Level files: saved and read back byte for byte, damaged ones opened
// whole with a German word for every fault, and failures that leave the
// old file as it was.
#include "CollectionFile.h"
#include "Levels.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>


namespace {

std::vector<std::uint8_t> Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool AnyProblemSays(const LoadedCollection& loaded, const std::string& words)
{
    for (const std::string& problem : loaded.Problems)
        if (problem.find(words) != std::string::npos)
            return true;
    return false;
}

} // namespace

TEST(CollectionFile, SavesAtomicallyAndReadsBackByteForByte)
{
    TempDir dir;
    const auto path = dir.Write("velor.dat", NumberedLevelFile(3));
    std::string error;
    const auto loaded = LoadCollection(path.string(), error);
    ASSERT_TRUE(loaded) << error;
    ASSERT_EQ(loaded->Levels.size(), 3u);
    EXPECT_EQ(loaded->Levels[1], NumberedLevel(2));
    // Numbered records are full of codes above 12: kept, and said so.
    EXPECT_TRUE(AnyProblemSays(*loaded, "Codes über 12"));

    std::vector<TLevelRecord> levels = loaded->Levels;
    levels.push_back(MakeLevel({{41, 6}}, {{41, 6}}));
    EXPECT_EQ(SaveCollection(path.string(), levels), std::nullopt);
    auto expected = NumberedLevelFile(3);
    const auto extra = CollectionBytes({levels.back()});
    expected.insert(expected.end(), extra.begin(), extra.end());
    EXPECT_EQ(Slurp(path), expected);
    EXPECT_FALSE(std::filesystem::exists(dir.File("velor.dat.tmp")));
    EXPECT_EQ(LoadCollection(path.string(), error)->Levels, levels);
}

TEST(CollectionFile, DamagedFilesOpenWholeWithAGermanWordForEachFault)
{
    TempDir dir;
    std::string error;

    auto bytes = NumberedLevelFile(2);
    bytes.resize(bytes.size() - 100); // the second record cut short
    const auto partial = LoadCollection(dir.Write("partial.dat", bytes).string(), error);
    ASSERT_TRUE(partial);
    ASSERT_EQ(partial->Levels.size(), 2u);
    EXPECT_EQ(CollectionBytes(partial->Levels).size(), 2 * LevelRecordSize);
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), CollectionBytes(partial->Levels).begin()));
    EXPECT_TRUE(AnyProblemSays(*partial, "unvollständig: nur 62 von 162 Bytes"));

    const auto many = LoadCollection(dir.Write("many.dat", NumberedLevelFile(120)).string(), error);
    ASSERT_TRUE(many);
    EXPECT_EQ(many->Levels.size(), 120u); // nothing dropped
    EXPECT_TRUE(AnyProblemSays(*many, "120 Level, das Spiel liest nur die ersten 99"));
    EXPECT_NE(SaveRefusal(many->Levels), std::nullopt);

    const auto empty = LoadCollection(dir.Write("empty.dat", {}).string(), error);
    ASSERT_TRUE(empty);
    EXPECT_TRUE(empty->Levels.empty());
    EXPECT_TRUE(AnyProblemSays(*empty, "leer"));

    EXPECT_FALSE(LoadCollection(dir.File("missing.dat").string(), error));
    EXPECT_NE(error.find("kann nicht gelesen werden: Datei nicht gefunden"), std::string::npos) << error;
    EXPECT_FALSE(LoadCollection(dir.Path.string(), error)); // a directory
    EXPECT_NE(error.find("kann nicht gelesen werden"), std::string::npos) << error;
    EXPECT_FALSE(LoadCollection(dir.Write("huge.dat", NumberedLevelFile(1001)).string(), error));
    EXPECT_NE(error.find("keine Level-Datei"), std::string::npos) << error;

    const auto clean = LoadCollection(dir.Write("clean.dat", CollectionBytes({MakeLevel({{1, 13}}, {{1, 13}})})).string(), error);
    ASSERT_TRUE(clean);
    EXPECT_TRUE(clean->Problems.empty()); // the block the tools write is no fault
}

TEST(CollectionFile, AFailedSaveSaysWhyAndLeavesTheOldFile)
{
    TempDir dir;
    const auto path = dir.Write("velor.dat", NumberedLevelFile(2));
    EXPECT_NE(SaveCollection(path.string(), {}), std::nullopt); // nothing the game could play
    const auto nowhere = SaveCollection(dir.File("gone/velor.dat").string(), {NumberedLevel(5)});
    ASSERT_NE(nowhere, std::nullopt);
    EXPECT_NE(nowhere->find("kann nicht gespeichert werden: Datei nicht gefunden"), std::string::npos) << *nowhere;
    // The new file cannot be put in place (a folder has the name, which
    // stops root as well as anybody): the folder stays as it was.
    const auto folder = dir.File("folder.dat");
    std::filesystem::create_directories(folder / "inside");
    const auto error = SaveCollection(folder.string(), {NumberedLevel(5)});
    ASSERT_NE(error, std::nullopt);
    EXPECT_NE(error->find("kann nicht gespeichert werden"), std::string::npos) << *error;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));
    EXPECT_EQ(Slurp(path), NumberedLevelFile(2));
}
