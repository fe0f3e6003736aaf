// One game per directory: the lock a running game holds there.
#include "DirectoryLock.h"

#include "OrdinaryUser.h"
#include "TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

TEST(DirectoryLock, ASecondGameFindsTheFirstAndTheLockIsFreeWhenItEnds)
{
    TempDir dir;
    const auto path = dir.File(GameLockFileName);
    {
        DirectoryLock first(path.c_str());
        ASSERT_EQ(first.Status(), DirectoryLock::State::Held);
        DirectoryLock second(path.c_str());
        EXPECT_EQ(second.Status(), DirectoryLock::State::HeldByAnother);
        EXPECT_EQ(second.Holder(), ::getpid());
    }
    DirectoryLock later(path.c_str());
    EXPECT_EQ(later.Status(), DirectoryLock::State::Held);
}

TEST(DirectoryLock, AKilledGameLeavesNoLockBehind)
{
    TempDir dir;
    const auto path = dir.File(GameLockFileName);
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t game = ::fork();
    if (game == 0) {
        DirectoryLock held(path.c_str());
        const char state = held.Status() == DirectoryLock::State::Held ? 'y' : 'n';
        [[maybe_unused]] const auto told = ::write(ready[1], &state, 1);
        ::pause();
        ::_exit(0);
    }
    char state = 0;
    ASSERT_EQ(::read(ready[0], &state, 1), 1);
    ASSERT_EQ(state, 'y');
    {
        DirectoryLock meanwhile(path.c_str());
        EXPECT_EQ(meanwhile.Status(), DirectoryLock::State::HeldByAnother);
        EXPECT_EQ(meanwhile.Holder(), game);
    }
    ::kill(game, SIGKILL);
    ::waitpid(game, nullptr, 0);
    ::close(ready[0]);
    ::close(ready[1]);

    DirectoryLock next(path.c_str());
    EXPECT_EQ(next.Status(), DirectoryLock::State::Held);
    EXPECT_EQ(next.Holder(), ::getpid()); // the dead game's note is replaced
}

namespace fs = std::filesystem;

namespace {

// Two games in one directory, one after the other while the first runs:
// what each of them finds.
struct TwoStarts {
    DirectoryLock::State First, Second;
};
TwoStarts StartTwice(const fs::path& lock)
{
    DirectoryLock first(lock.c_str());
    DirectoryLock second(lock.c_str());
    return {first.Status(), second.Status()};
}

// The same, run as `user`: the two states as one number.
int StartTwiceAs(const OrdinaryUser& user, const fs::path& lock)
{
    return user.Run([&] {
        const TwoStarts starts = StartTwice(lock);
        return static_cast<int>(starts.First) * 10 + static_cast<int>(starts.Second);
    });
}
constexpr int HeldThenRefused = static_cast<int>(DirectoryLock::State::Held) * 10
    + static_cast<int>(DirectoryLock::State::HeldByAnother);

std::string Contents(const fs::path& path)
{
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

} // namespace

// Whatever stands under the lock file's name, two games never run in one
// directory, and nothing is written through a link or a second name.
TEST(DirectoryLock, NoEntryUnderTheLockFilesNameLetsTwoGamesRun)
{
    TempDir dir;
    const auto lock = dir.File(GameLockFileName);
    const auto other = dir.Write("other.txt", {'k', 'e', 'e', 'p'});
    const std::vector<std::function<void()>> entries = {
        [&] { fs::create_directory(lock); },                      // ours, empty: cleared
        [&] { fs::create_directories(lock / "full"); },           // stays; the directory is locked
        [&] { fs::create_symlink(dir.File("elsewhere"), lock); }, // ours: cleared
        [&] { fs::create_symlink(other, lock); },
        [&] { fs::create_hard_link(other, lock); },
        [&] { ASSERT_EQ(::mkfifo(lock.c_str(), 0644), 0); },
    };
    for (std::size_t n = 0; n < entries.size(); ++n) {
        entries[n]();
        const TwoStarts starts = StartTwice(lock);
        EXPECT_EQ(starts.First, DirectoryLock::State::Held) << "entry " << n;
        EXPECT_EQ(starts.Second, DirectoryLock::State::HeldByAnother) << "entry " << n;
        EXPECT_EQ(Contents(other), "keep") << "entry " << n;
        EXPECT_FALSE(fs::exists(dir.File("elsewhere"))) << "entry " << n;
        fs::remove_all(lock);
    }
}

TEST(DirectoryLock, ALockFileThePlayerMayOnlyReadStillLocks)
{
    std::string whyNot;
    const auto user = OrdinaryUser::Find(whyNot);
    if (!user)
        GTEST_SKIP() << whyNot;
    TempDir dir;
    ASSERT_TRUE(user->Own(dir.Path));
    const auto lock = dir.Write(GameLockFileName, {'4', '2', '\n'});
    ASSERT_TRUE(user->Own(lock));
    fs::permissions(lock, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(StartTwiceAs(*user, lock), HeldThenRefused);
    EXPECT_EQ(Contents(lock), "42\n");
    if (::geteuid() == 0) {
        // One left by a start as root, in the player's own directory.
        ASSERT_EQ(::chown(lock.c_str(), 0, 0), 0);
        fs::permissions(
            lock, fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read | fs::perms::others_read);
        EXPECT_EQ(StartTwiceAs(*user, lock), HeldThenRefused);
        EXPECT_EQ(Contents(lock), "42\n");
    }
}

TEST(DirectoryLock, WhereNoLockCanBeHadItSaysWhy)
{
    TempDir dir;
    DirectoryLock missing(dir.File("gone/lock").c_str());
    EXPECT_EQ(missing.Status(), DirectoryLock::State::Unavailable);
    EXPECT_EQ(missing.Reason(), ENOENT);
    EXPECT_EQ(missing.Holder(), 0);
}

// Two starts at one moment: one that finds the directory taken takes no
// lock at all, or each could end up with one of the two and both would
// think the other the game.
TEST(DirectoryLock, AStartThatFindsTheDirectoryTakenLocksNothing)
{
    TempDir dir;
    const auto lock = dir.File(GameLockFileName);
    const int directory = ::open(dir.Path.c_str(), O_RDONLY | O_DIRECTORY);
    ASSERT_GE(directory, 0);
    ASSERT_EQ(::flock(directory, LOCK_EX | LOCK_NB), 0); // the other start, a moment earlier
    {
        DirectoryLock later(lock.c_str());
        EXPECT_EQ(later.Status(), DirectoryLock::State::HeldByAnother);
        const int file = ::open(lock.c_str(), O_RDWR | O_CREAT, 0644);
        ASSERT_GE(file, 0);
        EXPECT_EQ(::flock(file, LOCK_EX | LOCK_NB), 0) << "the later start holds the lock file";
        // The other start notes itself only now: the later one reads it.
        const std::string note = std::to_string(::getppid()) + "\n";
        ASSERT_EQ(::write(file, note.data(), note.size()), static_cast<ssize_t>(note.size()));
        EXPECT_EQ(later.Holder(), ::getppid());
        ::close(file);
    }
    ::close(directory);
}
