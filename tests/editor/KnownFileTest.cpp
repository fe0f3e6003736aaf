// What the editor knows of its file: another program's change is told by
// the content, even one that keeps the size and sets the time back; a mere
// touch, the editor's own save and a name it never saw ask nothing.
#include "KnownFile.h"
#include "CollectionFile.h"
#include "Levels.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>

namespace {

KnownFile Opened(const std::string& path)
{
    std::string error;
    const auto loaded = LoadCollection(path, error);
    EXPECT_TRUE(loaded) << error;
    KnownFile disk;
    if (loaded)
        disk.Saw(path, loaded->Stamp);
    return disk;
}

} // namespace

TEST(KnownFile, TellsAnotherProgramsChangeByTheContent)
{
    TempDir dir;
    const std::string path = dir.Write("velor.dat", NumberedLevelFile(2)).string();
    const KnownFile disk = Opened(path);
    EXPECT_EQ(disk.ChangeAt(path), FileChange::None);

    // Touched: the same levels with a new time lose nothing when overwritten.
    const auto opened = std::filesystem::last_write_time(path);
    std::filesystem::last_write_time(path, opened + std::chrono::seconds(5));
    EXPECT_EQ(disk.ChangeAt(path), FileChange::Touched);

    // One cell other, the size the same and the time set back.
    auto bytes = NumberedLevelFile(2);
    bytes[LevelRecordSize + 7] ^= 1;
    dir.Write("velor.dat", bytes);
    std::filesystem::last_write_time(path, opened);
    ASSERT_EQ(std::filesystem::file_size(path), bytes.size());
    EXPECT_EQ(disk.ChangeAt(path), FileChange::Changed);

    dir.Write("velor.dat", NumberedLevelFile(3));
    EXPECT_EQ(disk.ChangeAt(path), FileChange::Changed);
    dir.Write("velor.dat", {});
    EXPECT_EQ(disk.ChangeAt(path), FileChange::Changed);
    std::filesystem::remove(path);
    EXPECT_EQ(disk.ChangeAt(path), FileChange::Gone);
    std::filesystem::create_directory(path);
    EXPECT_EQ(disk.ChangeAt(path), FileChange::Changed);
}

TEST(KnownFile, AsksOnlyAboutTheFileItSawAndForgetsItsOwnSave)
{
    TempDir dir;
    const std::string path = dir.Write("velor.dat", NumberedLevelFile(2)).string();
    const std::string other = dir.Write("other.dat", NumberedLevelFile(1)).string();
    std::filesystem::create_symlink(path, dir.File("link.dat"));
    KnownFile disk = Opened(path);
    dir.Write("velor.dat", NumberedLevelFile(1));

    // The same file by another way: a relative name, a link to it, a
    // second name (hard link).
    std::filesystem::create_hard_link(path, dir.File("second.dat"));
    {
        const WorkingDirectory inside(dir.Path);
        EXPECT_EQ(disk.ChangeAt("velor.dat"), FileChange::Changed);
        EXPECT_EQ(disk.ChangeAt("./velor.dat"), FileChange::Changed);
    }
    EXPECT_EQ(disk.ChangeAt(dir.File("link.dat").string()), FileChange::Changed);
    EXPECT_EQ(disk.ChangeAt(dir.File("second.dat").string()), FileChange::Changed);
    // Another file is the file dialog's to ask about.
    EXPECT_EQ(disk.ChangeAt(other), FileChange::None);
    EXPECT_EQ(disk.ChangeAt(dir.File("new.dat").string()), FileChange::None);

    // Overwritten after all: the file is as the editor wrote it.
    const CollectionSave save = SaveCollection(path, {NumberedLevel(7)});
    ASSERT_TRUE(save.Saved) << save.Message;
    disk.Saw(path, save.Stamp);
    EXPECT_EQ(disk.ChangeAt(path), FileChange::None);

    disk.Forget();
    EXPECT_TRUE(disk.Empty());
    EXPECT_EQ(disk.ChangeAt(path), FileChange::None);
}
