// One game per directory: the lock a running game holds there.
#include "DirectoryLock.h"

#include "TempDir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

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

TEST(DirectoryLock, WhereNoLockCanBeMadeItSaysSo)
{
    TempDir dir;
    std::filesystem::create_directory(dir.File(GameLockFileName));
    DirectoryLock blocked(dir.File(GameLockFileName).c_str());
    EXPECT_EQ(blocked.Status(), DirectoryLock::State::Unavailable);
    EXPECT_EQ(blocked.Holder(), 0);
    DirectoryLock missing(dir.File("gone/lock").c_str());
    EXPECT_EQ(missing.Status(), DirectoryLock::State::Unavailable);
}
