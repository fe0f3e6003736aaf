// Saving a file the way the game saves its high-score list: whole or not
// at all, and without breaking what the player has set up around it
// (links, protection, folders shared with others).
#include "FileSave.h"

#include "FileIo.h"
#include "OrdinaryUser.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::vector<std::uint8_t> Old(160, 7), Fresh(160, 8);

std::vector<std::uint8_t> ReadAll(const fs::path& path)
{
    return ReadFilePrefix(path.c_str(), 1 << 20).Bytes;
}

struct stat StatOf(const fs::path& path)
{
    struct stat info {};
    EXPECT_EQ(::lstat(path.c_str(), &info), 0) << path;
    return info;
}

bool NoTemporaryIn(const fs::path& dir)
{
    for (const auto& entry : fs::directory_iterator(dir))
        if (entry.path().extension() == ".tmp")
            return false;
    return true;
}

// A scratch folder that belongs to the ordinary user the steps run as.
struct UserDir {
    explicit UserDir(const OrdinaryUser& user) : User(user) { EXPECT_TRUE(User.Own(Dir.Path)); }
    fs::path Write(const std::string& name, const std::vector<std::uint8_t>& bytes, fs::perms mode) const
    {
        const fs::path path = Dir.Write(name, bytes);
        EXPECT_TRUE(User.Own(path));
        fs::permissions(path, mode);
        return path;
    }
    int Save(const fs::path& path, const std::vector<std::uint8_t>& bytes) const
    {
        return User.Run([&] { return SaveFile(path.c_str(), bytes); });
    }
    const OrdinaryUser& User;
    TempDir Dir;
};

#define ORDINARY_USER_OR_SKIP(user)                         \
    std::string whyNot;                                     \
    const auto user = OrdinaryUser::Find(whyNot);           \
    if (!user)                                              \
        GTEST_SKIP() << whyNot;

} // namespace

TEST(FileSave, ReplacesTheFileWholeAndLeavesNoTemporary)
{
    TempDir dir;
    const auto path = dir.File("VScore.dat");
    ASSERT_EQ(SaveFile(path.c_str(), Old), 0);
    const ino_t first = StatOf(path).st_ino;
    ASSERT_EQ(SaveFile(path.c_str(), Fresh), 0);
    EXPECT_EQ(ReadAll(path), Fresh);
    EXPECT_NE(StatOf(path).st_ino, first); // a new file took the name
    EXPECT_TRUE(NoTemporaryIn(dir.Path));
}

TEST(FileSave, AFailureLeavesTheOldFileAsItWas)
{
    TempDir dir;
    const auto path = dir.File("VScore.dat");
    ASSERT_EQ(SaveFile(path.c_str(), Old), 0);

    // The temporary cannot be made: a directory holds its name.
    fs::create_directory(dir.File("VScore.dat.tmp"));
    EXPECT_EQ(SaveFile(path.c_str(), Fresh), EISDIR);
    EXPECT_EQ(ReadAll(path), Old);
    fs::remove(dir.File("VScore.dat.tmp"));

    // The file's place is taken by a directory, which stays as it is.
    TempDir other;
    fs::create_directory(other.File("VScore.dat"));
    EXPECT_EQ(SaveFile(other.File("VScore.dat").c_str(), Fresh), EISDIR);
    EXPECT_TRUE(fs::is_directory(other.File("VScore.dat")));
    EXPECT_TRUE(NoTemporaryIn(other.Path));

    // A directory that does not exist.
    EXPECT_EQ(SaveFile(dir.File("missing/VScore.dat").c_str(), Fresh), ENOENT);

    // A link planted at the temporary's name is not written through.
    fs::create_symlink(dir.File("elsewhere"), dir.File("VScore.dat.tmp"));
    EXPECT_EQ(SaveFile(path.c_str(), Fresh), ELOOP);
    EXPECT_FALSE(fs::exists(dir.File("elsewhere")));
    EXPECT_EQ(ReadAll(path), Old);
}

TEST(FileSave, TheNewFileKeepsThePlayersPermissionBits)
{
    TempDir dir;
    const auto path = dir.File("VScore.dat");
    ASSERT_EQ(SaveFile(path.c_str(), Old), 0);
    using fs::perms;
    for (const perms mode : {perms::owner_read | perms::owner_write,
                             perms::owner_read | perms::owner_write | perms::group_read | perms::group_write
                                 | perms::others_read}) {
        fs::permissions(path, mode);
        ASSERT_EQ(SaveFile(path.c_str(), Fresh), 0);
        EXPECT_EQ(fs::status(path).permissions() & perms::mask, mode);
    }
}

TEST(FileSave, ASymbolicLinkStaysAndTheFileItNamesGetsTheBytes)
{
    TempDir game, shared;
    const auto list = shared.Write("list.dat", Old);
    // A relative link counts from the folder it lies in, wherever the game runs.
    fs::create_directory(game.File("sub"));
    fs::create_symlink(fs::relative(list, game.File("sub")), game.File("sub/VScore.dat"));
    fs::create_symlink("sub/VScore.dat", game.File("VScore.dat")); // a link to a link
    ASSERT_EQ(SaveFile(game.File("VScore.dat").c_str(), Fresh), 0);
    EXPECT_TRUE(fs::is_symlink(game.File("VScore.dat")));
    EXPECT_TRUE(fs::is_symlink(game.File("sub/VScore.dat")));
    EXPECT_EQ(ReadAll(list), Fresh);
    EXPECT_TRUE(NoTemporaryIn(game.Path) && NoTemporaryIn(shared.Path));

    // A link to a list not made yet makes it where the link points.
    fs::create_symlink(shared.File("new.dat"), game.File("other.dat"));
    ASSERT_EQ(SaveFile(game.File("other.dat").c_str(), Fresh), 0);
    EXPECT_TRUE(fs::is_symlink(game.File("other.dat")));
    EXPECT_EQ(ReadAll(shared.File("new.dat")), Fresh);

    // Links in a circle lead nowhere; nothing is made.
    fs::create_symlink("b", game.File("a"));
    fs::create_symlink("a", game.File("b"));
    EXPECT_EQ(SaveFile(game.File("a").c_str(), Fresh), ELOOP);
    EXPECT_TRUE(NoTemporaryIn(game.Path));

    // What a link points to is replaced only when it is a file: a pipe
    // (or a device) there stays what it is.
    ASSERT_EQ(::mkfifo(shared.File("pipe").c_str(), 0644), 0);
    fs::create_symlink(shared.File("pipe"), game.File("piped.dat"));
    EXPECT_EQ(SaveFile(game.File("piped.dat").c_str(), Fresh), EACCES);
    EXPECT_TRUE(fs::is_fifo(shared.File("pipe")));
    EXPECT_TRUE(NoTemporaryIn(shared.Path));
}

TEST(FileSave, AFileWithFurtherHardLinksIsOverwrittenUnderAllItsNames)
{
    TempDir dir;
    const auto path = dir.Write("VScore.dat", std::vector<std::uint8_t>(200, 7));
    fs::create_hard_link(path, dir.File("copy.dat"));
    ASSERT_EQ(SaveFile(path.c_str(), Fresh), 0);
    EXPECT_EQ(ReadAll(path), Fresh); // the longer old file is cut to the new length
    EXPECT_EQ(ReadAll(dir.File("copy.dat")), Fresh);
    EXPECT_EQ(StatOf(path).st_nlink, 2u);
    EXPECT_TRUE(NoTemporaryIn(dir.Path));
}

TEST(FileSave, AListThePlayerMadeReadOnlyIsRefusedAndStaysAsItWas)
{
    ORDINARY_USER_OR_SKIP(user);
    UserDir dir(*user);
    const auto path = dir.Write("VScore.dat", Old, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(dir.Save(path, Fresh), EACCES);
    EXPECT_EQ(ReadAll(path), Old);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0444u);
    EXPECT_TRUE(NoTemporaryIn(dir.Dir.Path));
}

TEST(FileSave, AWritableListInAFolderThatIsNotIsOverwrittenInPlace)
{
    ORDINARY_USER_OR_SKIP(user);
    UserDir dir(*user);
    const auto path = dir.Write("VScore.dat", std::vector<std::uint8_t>(300, 7), fs::perms::owner_read | fs::perms::owner_write);
    const ino_t inode = StatOf(path).st_ino;
    fs::permissions(dir.Dir.Path, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_EQ(dir.Save(path, Fresh), 0);
    EXPECT_EQ(ReadAll(path), Fresh);
    EXPECT_EQ(StatOf(path).st_ino, inode);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0600u);
    // No list there yet: nothing can be made.
    EXPECT_EQ(dir.Save(dir.Dir.File("new.dat"), Fresh), EACCES);
    EXPECT_FALSE(fs::exists(dir.Dir.File("new.dat")));
    fs::permissions(dir.Dir.Path, fs::perms::owner_all);
}

TEST(FileSave, AListOfAnotherOwnerKeepsItsOwner)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can make a file that belongs to someone else";
    ORDINARY_USER_OR_SKIP(user);
    // Root saves a player's list: the new file is the player's again.
    UserDir dir(*user);
    const auto players = dir.Write("VScore.dat", Old, fs::perms::owner_read | fs::perms::owner_write);
    ASSERT_EQ(SaveFile(players.c_str(), Fresh), 0);
    EXPECT_EQ(StatOf(players).st_uid, user->Uid);
    EXPECT_EQ(ReadAll(players), Fresh);

    // The player saves a list root shares with everyone: written in place,
    // since the player cannot give a new file to root.
    const auto shared = dir.Dir.Write("shared.dat", Old);
    fs::permissions(shared, fs::perms::all & ~(fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec));
    const ino_t inode = StatOf(shared).st_ino;
    EXPECT_EQ(dir.Save(shared, Fresh), 0);
    EXPECT_EQ(StatOf(shared).st_uid, 0u);
    EXPECT_EQ(StatOf(shared).st_ino, inode);
    EXPECT_EQ(ReadAll(shared), Fresh);
    EXPECT_TRUE(NoTemporaryIn(dir.Dir.Path));
}
