// Saving a file the way the game saves its high-score list: whole or not
// at all, and without breaking what the player has set up around it
// (links, protection, folders shared with others).
#include "FileSave.h"

#include "FileIo.h"
#include "FileSizeLimit.h"
#include "OrdinaryUser.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <future>
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
    struct stat info { };
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
        return User.Run([&] { return SaveFile(path.c_str(), bytes).Error; });
    }
    const OrdinaryUser& User;
    TempDir Dir;
};

#define ORDINARY_USER_OR_SKIP(user)                                                                                    \
    std::string whyNot;                                                                                                \
    const auto user = OrdinaryUser::Find(whyNot);                                                                      \
    if (!user)                                                                                                         \
        GTEST_SKIP() << whyNot;

} // namespace

TEST(FileSave, ReplacesTheFileWholeAndLeavesNoTemporary)
{
    TempDir dir;
    const auto path = dir.File("VScore.dat");
    ASSERT_EQ(SaveFile(path.c_str(), Old).Error, 0);
    const ino_t first = StatOf(path).st_ino;
    ASSERT_EQ(SaveFile(path.c_str(), Fresh).Error, 0);
    EXPECT_EQ(ReadAll(path), Fresh);
    EXPECT_NE(StatOf(path).st_ino, first); // a new file took the name
    EXPECT_TRUE(NoTemporaryIn(dir.Path));
}

TEST(FileSave, AFailureLeavesTheOldFileAsItWas)
{
    TempDir dir;
    const auto path = dir.File("VScore.dat");
    ASSERT_EQ(SaveFile(path.c_str(), Old).Error, 0);

    // A full disk: the temporary is cut off part-way, and cleared away.
    {
        const FileSizeLimit full(100);
        const SaveOutcome outcome = SaveFile(path.c_str(), Fresh);
        EXPECT_EQ(outcome.Error, EFBIG);
        EXPECT_FALSE(outcome.Saved);
    }
    EXPECT_EQ(ReadAll(path), Old);
    EXPECT_TRUE(NoTemporaryIn(dir.Path));

    // The file's place is taken by a directory, which stays as it is.
    TempDir other;
    fs::create_directory(other.File("VScore.dat"));
    EXPECT_EQ(SaveFile(other.File("VScore.dat").c_str(), Fresh).Error, EISDIR);
    EXPECT_TRUE(fs::is_directory(other.File("VScore.dat")));
    EXPECT_TRUE(NoTemporaryIn(other.Path));

    // A directory that does not exist.
    EXPECT_EQ(SaveFile(dir.File("missing/VScore.dat").c_str(), Fresh).Error, ENOENT);
}

// Whatever stands under the temporary's name, a crashed save's file or
// anything else, neither blocks the save nor is written through.
TEST(FileSave, NoLeftoverUnderTheTemporarysNameBlocksASaveOrIsWrittenThrough)
{
    TempDir dir;
    const auto path = dir.Write("VScore.dat", Old);
    const auto temporary = dir.File("VScore.dat.tmp");
    const auto mine = dir.Write("mine.txt", {'m', 'i', 'n', 'e'});
    const std::vector<std::function<void()>> leftovers = {
        [&] { dir.Write("VScore.dat.tmp", std::vector<std::uint8_t>(40, 1)); },
        [&] { fs::create_symlink(dir.File("elsewhere"), temporary); },
        [&] { fs::create_symlink(mine, temporary); },
        [&] { fs::create_hard_link(mine, temporary); },
        [&] { ASSERT_EQ(::mkfifo(temporary.c_str(), 0644), 0); },
        [&] { fs::create_directory(temporary); },
        [&] { fs::create_directories(temporary / "full"); }, // stepped around, left alone
    };
    for (std::size_t n = 0; n < leftovers.size(); ++n) {
        leftovers[n]();
        auto saving = std::async(std::launch::async, [&] { return SaveFile(path.c_str(), Fresh); });
        if (saving.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
            const int reader = ::open(temporary.c_str(), O_RDONLY | O_NONBLOCK); // lets a blocked writer go
            saving.wait();
            ::close(reader);
            FAIL() << "leftover " << n << ": the save waited on a pipe";
        }
        const SaveOutcome outcome = saving.get();
        EXPECT_EQ(outcome.Error, 0) << "leftover " << n;
        EXPECT_TRUE(outcome.Saved) << "leftover " << n;
        EXPECT_EQ(ReadAll(path), Fresh) << "leftover " << n;
        EXPECT_EQ(ReadAll(mine), (std::vector<std::uint8_t> {'m', 'i', 'n', 'e'})) << "leftover " << n;
        EXPECT_FALSE(fs::exists(dir.File("elsewhere"))) << "leftover " << n;
        ASSERT_EQ(SaveFile(path.c_str(), Old).Error, 0);
    }
    EXPECT_TRUE(fs::is_directory(temporary / "full"));
    fs::remove_all(temporary);
    EXPECT_TRUE(NoTemporaryIn(dir.Path));
}

// A user's own file may bear any name beside a collection, "<name>.tmp"
// too: a unique temporary never takes it.
TEST(FileSave, AUniqueTemporaryLeavesAFileOfThatNameAlone)
{
    TempDir dir;
    const auto path = dir.Write("levels.dat", Old);
    const auto users = dir.Write("levels.dat.tmp", {'u', 's', 'e', 'r'});
    const SaveOutcome outcome = SaveFile(path.c_str(), Fresh, TemporaryName::Unique);
    EXPECT_EQ(outcome.Error, 0);
    EXPECT_EQ(ReadAll(path), Fresh);
    EXPECT_EQ(ReadAll(users), (std::vector<std::uint8_t> {'u', 's', 'e', 'r'}));
    fs::remove(users);
    EXPECT_TRUE(NoTemporaryIn(dir.Path));
}

TEST(FileSave, TheNewFileKeepsThePlayersPermissionBits)
{
    TempDir dir;
    const auto path = dir.File("VScore.dat");
    ASSERT_EQ(SaveFile(path.c_str(), Old).Error, 0);
    using fs::perms;
    for (const perms mode :
         {perms::owner_read | perms::owner_write,
          perms::owner_read | perms::owner_write | perms::group_read | perms::group_write | perms::others_read}) {
        fs::permissions(path, mode);
        ASSERT_EQ(SaveFile(path.c_str(), Fresh).Error, 0);
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
    ASSERT_EQ(SaveFile(game.File("VScore.dat").c_str(), Fresh).Error, 0);
    EXPECT_TRUE(fs::is_symlink(game.File("VScore.dat")));
    EXPECT_TRUE(fs::is_symlink(game.File("sub/VScore.dat")));
    EXPECT_EQ(ReadAll(list), Fresh);
    EXPECT_TRUE(NoTemporaryIn(game.Path) && NoTemporaryIn(shared.Path));

    // A link to a list not made yet makes it where the link points.
    fs::create_symlink(shared.File("new.dat"), game.File("other.dat"));
    ASSERT_EQ(SaveFile(game.File("other.dat").c_str(), Fresh).Error, 0);
    EXPECT_TRUE(fs::is_symlink(game.File("other.dat")));
    EXPECT_EQ(ReadAll(shared.File("new.dat")), Fresh);

    // Links in a circle lead nowhere; nothing is made.
    fs::create_symlink("b", game.File("a"));
    fs::create_symlink("a", game.File("b"));
    EXPECT_EQ(SaveFile(game.File("a").c_str(), Fresh).Error, ELOOP);
    EXPECT_TRUE(NoTemporaryIn(game.Path));

    // What a link points to is replaced only when it is a file: a pipe
    // (or a device) there stays what it is.
    ASSERT_EQ(::mkfifo(shared.File("pipe").c_str(), 0644), 0);
    fs::create_symlink(shared.File("pipe"), game.File("piped.dat"));
    EXPECT_EQ(SaveFile(game.File("piped.dat").c_str(), Fresh).Error, EACCES);
    EXPECT_TRUE(fs::is_fifo(shared.File("pipe")));
    EXPECT_TRUE(NoTemporaryIn(shared.Path));
}

TEST(FileSave, AFileWithFurtherHardLinksIsOverwrittenUnderAllItsNames)
{
    TempDir dir;
    const auto path = dir.Write("VScore.dat", std::vector<std::uint8_t>(200, 7));
    fs::create_hard_link(path, dir.File("copy.dat"));
    ASSERT_EQ(SaveFile(path.c_str(), Fresh).Error, 0);
    EXPECT_EQ(ReadAll(path), Fresh); // the longer old file is cut to the new length
    EXPECT_EQ(ReadAll(dir.File("copy.dat")), Fresh);
    EXPECT_EQ(StatOf(path).st_nlink, 2u);
    EXPECT_TRUE(NoTemporaryIn(dir.Path));
}

TEST(FileSave, AListThePlayerMadeReadOnlyIsRefusedAndStaysAsItWas)
{
    ORDINARY_USER_OR_SKIP(user);
    UserDir dir(*user);
    const auto path = dir.Write("VScore.dat", Old,
                                fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(dir.Save(path, Fresh), EACCES);
    EXPECT_EQ(ReadAll(path), Old);
    EXPECT_EQ(StatOf(path).st_mode & 07777, 0444u);
    EXPECT_TRUE(NoTemporaryIn(dir.Dir.Path));
}

TEST(FileSave, AWritableListInAFolderThatIsNotIsOverwrittenInPlace)
{
    ORDINARY_USER_OR_SKIP(user);
    UserDir dir(*user);
    const auto path = dir.Write("VScore.dat", std::vector<std::uint8_t>(300, 7),
                                fs::perms::owner_read | fs::perms::owner_write);
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
    ASSERT_EQ(SaveFile(players.c_str(), Fresh).Error, 0);
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

TEST(FileSave, ALeftoverOfAnotherUserInASharedFolderIsSteppedAround)
{
    if (::geteuid() != 0)
        GTEST_SKIP() << "only root can leave a file of someone else";
    ORDINARY_USER_OR_SKIP(user);
    // A folder all may write to, where nobody may remove another's file.
    TempDir shared;
    fs::permissions(shared.Path, fs::perms::all | fs::perms::sticky_bit);
    const auto path = shared.Write("VScore.dat", Old);
    ASSERT_TRUE(user->Own(path));
    const auto others = shared.Write("VScore.dat.tmp", {'r', 'o', 'o', 't'});
    EXPECT_EQ(user->Run([&] { return SaveFile(path.c_str(), Fresh).Error; }), 0);
    EXPECT_EQ(ReadAll(path), Fresh);
    EXPECT_EQ(ReadAll(others), (std::vector<std::uint8_t> {'r', 'o', 'o', 't'}));
    fs::remove(others);
    EXPECT_TRUE(NoTemporaryIn(shared.Path));
}
