// Level files: saved and read back byte for byte, through the author's
// links and beside the author's own files, damaged ones opened whole with
// a German word for every fault, and failures that say truly whether the
// old file is as it was.
#include "CollectionFile.h"
#include "FileSizeLimit.h"
#include "Levels.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <sys/stat.h>

namespace {

std::vector<std::uint8_t> Slurp(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The names in a directory: no temporary may be left among them.
std::set<std::string> NamesIn(const std::filesystem::path& dir)
{
    std::set<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir))
        names.insert(entry.path().filename().string());
    return names;
}

bool Says(const std::string& text, const std::string& words)
{
    return text.find(words) != std::string::npos;
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
    const CollectionSave save = SaveCollection(path.string(), levels);
    EXPECT_TRUE(save.Saved);
    EXPECT_EQ(save.Message, "");
    auto expected = NumberedLevelFile(3);
    const auto extra = CollectionBytes({levels.back()});
    expected.insert(expected.end(), extra.begin(), extra.end());
    EXPECT_EQ(Slurp(path), expected);
    EXPECT_EQ(NamesIn(dir.Path), std::set<std::string> {"velor.dat"});
    EXPECT_EQ(LoadCollection(path.string(), error)->Levels, levels);
}

TEST(CollectionFile, KeepsTheAuthorsLinkAndTmpFiles)
{
    // The collection is a link into a shared folder; beside the link and
    // beside the file lie files of the author's named "<name>.tmp".
    TempDir dir;
    const auto shared = dir.File("shared");
    std::filesystem::create_directory(shared);
    const auto file = dir.Write("shared/levels.dat", NumberedLevelFile(2));
    const auto link = dir.File("velor.dat");
    std::filesystem::create_symlink("shared/levels.dat", link);
    const std::vector<std::uint8_t> mine {'m', 'e', 'i', 'n', 's'};
    dir.Write("velor.dat.tmp", mine);
    dir.Write("shared/levels.dat.tmp", mine);

    const CollectionSave save = SaveCollection(link.string(), {NumberedLevel(9)});
    ASSERT_TRUE(save.Saved) << save.Message;
    EXPECT_EQ(save.Message, "");
    EXPECT_TRUE(std::filesystem::is_symlink(link));
    EXPECT_EQ(std::filesystem::read_symlink(link), "shared/levels.dat");
    EXPECT_EQ(Slurp(file), CollectionBytes({NumberedLevel(9)}));
    EXPECT_EQ(Slurp(dir.File("velor.dat.tmp")), mine);
    EXPECT_EQ(Slurp(dir.File("shared/levels.dat.tmp")), mine);
    EXPECT_EQ(NamesIn(dir.Path), (std::set<std::string> {"shared", "velor.dat", "velor.dat.tmp"}));
    EXPECT_EQ(NamesIn(shared), (std::set<std::string> {"levels.dat", "levels.dat.tmp"}));
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
    EXPECT_FALSE(LoadCollection(dir.Path.string(), error));
    EXPECT_NE(error.find("kann nicht gelesen werden: das ist ein Ordner"), std::string::npos) << error;
    const auto pipe = dir.File("pipe.dat"); // opened without waiting for a writer
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    EXPECT_FALSE(LoadCollection(pipe.string(), error));
    EXPECT_NE(error.find("keine gewöhnliche Datei"), std::string::npos) << error;
    EXPECT_FALSE(LoadCollection(dir.Write("huge.dat", NumberedLevelFile(1001)).string(), error));
    EXPECT_NE(error.find("keine Level-Datei"), std::string::npos) << error;

    const auto clean = LoadCollection(
        dir.Write("clean.dat", CollectionBytes({MakeLevel({{1, 13}}, {{1, 13}})})).string(), error);
    ASSERT_TRUE(clean);
    EXPECT_TRUE(clean->Problems.empty()); // the block the tools write is no fault
}

TEST(CollectionFile, AFailedSaveSaysWhyAndWhetherTheOldFileIsAsItWas)
{
    TempDir dir;
    const auto path = dir.Write("velor.dat", NumberedLevelFile(2));
    const CollectionSave unplayable = SaveCollection(path.string(), {}); // nothing the game could play
    EXPECT_FALSE(unplayable.Saved);
    EXPECT_TRUE(Says(unplayable.Message, "ohne Level")) << unplayable.Message;

    // No old file: nothing to say about it.
    const CollectionSave nowhere = SaveCollection(dir.File("gone/velor.dat").string(), {NumberedLevel(5)});
    EXPECT_FALSE(nowhere.Saved);
    EXPECT_TRUE(Says(nowhere.Message, "kann nicht gespeichert werden: Datei nicht gefunden.")) << nowhere.Message;
    EXPECT_FALSE(Says(nowhere.Message, "bisherige")) << nowhere.Message;

    // The new file cannot be put in place (a folder has the name, which
    // stops root as well as anybody): the folder stays as it was.
    const auto folder = dir.File("folder.dat");
    std::filesystem::create_directories(folder / "inside");
    const CollectionSave onFolder = SaveCollection(folder.string(), {NumberedLevel(5)});
    EXPECT_FALSE(onFolder.Saved);
    EXPECT_TRUE(Says(onFolder.Message, "kann nicht gespeichert werden")) << onFolder.Message;
    EXPECT_TRUE(std::filesystem::is_directory(folder / "inside"));

    // The disk fills while the temporary is written: the old file is untouched.
    {
        const FileSizeLimit full(LevelRecordSize);
        const CollectionSave save = SaveCollection(path.string(),
                                                   {NumberedLevel(5), NumberedLevel(6), NumberedLevel(7)});
        EXPECT_FALSE(save.Saved);
        EXPECT_TRUE(Says(save.Message, "kann nicht gespeichert werden")) << save.Message;
        EXPECT_TRUE(Says(save.Message, "Die bisherige Datei ist unverändert.")) << save.Message;
    }
    EXPECT_EQ(Slurp(path), NumberedLevelFile(2));
    EXPECT_EQ(NamesIn(dir.Path), (std::set<std::string> {"folder.dat", "velor.dat"}));
}

TEST(CollectionFile, AFailureWritingOverTheFileSaysItMayBeDamaged)
{
    // A second name (hard link) keeps the file from being replaced: it is
    // written over where it lies, and the disk fills part-way.
    TempDir dir;
    const auto path = dir.Write("velor.dat", NumberedLevelFile(1));
    std::filesystem::create_hard_link(path, dir.File("second.dat"));
    CollectionSave save;
    {
        const FileSizeLimit full(2 * LevelRecordSize);
        save = SaveCollection(path.string(), {NumberedLevel(5), NumberedLevel(6), NumberedLevel(7)});
    }
    ASSERT_NE(Slurp(path), NumberedLevelFile(1)); // really written over, part-way
    EXPECT_FALSE(save.Saved);
    EXPECT_TRUE(Says(save.Message, "kann nicht gespeichert werden")) << save.Message;
    EXPECT_FALSE(Says(save.Message, "unverändert")) << save.Message;
    EXPECT_TRUE(Says(save.Message, "beschädigt")) << save.Message;
}
