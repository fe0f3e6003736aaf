#include "DirectoryLock.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <string>
#include <sys/file.h>
#include <unistd.h>

DirectoryLock::DirectoryLock(const char* path)
{
    // Close-on-exec: a help viewer started by the game must not keep the
    // lock after the game has ended.
    Fd = ::open(path, O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (Fd < 0)
        return;
    if (::flock(Fd, LOCK_EX | LOCK_NB) != 0) {
        Current = errno == EWOULDBLOCK ? State::HeldByAnother : State::Unavailable;
        return;
    }
    Current = State::Held;
    // Who holds it, for a second start that wants to find this game.
    const std::string pid = std::to_string(::getpid()) + "\n";
    const bool noted = ::ftruncate(Fd, 0) == 0
        && ::pwrite(Fd, pid.data(), pid.size(), 0) == static_cast<ssize_t>(pid.size());
    static_cast<void>(noted); // without the note a second start can only say that a game runs here
}

DirectoryLock::~DirectoryLock()
{
    // The file stays: removing it would let a start that has just opened
    // it lock a name that is no longer there.
    if (Fd >= 0)
        ::close(Fd);
}

pid_t DirectoryLock::Holder() const
{
    if (Fd < 0)
        return 0;
    char text[32] = {};
    const ssize_t got = ::pread(Fd, text, sizeof text - 1, 0);
    pid_t pid = 0;
    if (got <= 0 || std::from_chars(text, text + got, pid).ec != std::errc())
        return 0;
    return pid;
}
