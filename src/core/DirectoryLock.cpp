#include "DirectoryLock.h"

#include <cerrno>
#include <charconv>
#include <fcntl.h>
#include <filesystem>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Close-on-exec: a help viewer started by the game must not keep the lock
// after the game has ended. Never through a link, never waiting on a pipe.
constexpr int OpenFlags = O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK;

// A lock file the game may write its note into: a file of its own name
// alone. Anything else under the name is not written through.
bool PlainFile(int fd)
{
    struct stat info { };
    return ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_nlink == 1;
}

// Clears away what stands under the lock file's name where it is this
// user's own and no lock file: a link, a pipe, a second name of a file,
// an empty directory (a crash or a mistake left it).
bool ClearOwnEntry(const char* path)
{
    struct stat info { };
    if (::lstat(path, &info) != 0 || info.st_uid != ::geteuid())
        return false;
    if (S_ISDIR(info.st_mode))
        return ::rmdir(path) == 0;
    return ::unlink(path) == 0;
}

} // namespace

DirectoryLock::DirectoryLock(const char* lockFile) : LockFilePath(lockFile)
{
    // Always the directory first, and no further once it is taken: two
    // starts at one moment must not each get one of the two locks.
    const Outcome directory = LockDirectory(lockFile);
    if (directory == Outcome::Busy) {
        Current = State::HeldByAnother;
        return;
    }
    const Outcome file = LockFile(lockFile);
    if (file == Outcome::Busy)
        Current = State::HeldByAnother; // a game that locks the file alone
    else if (directory == Outcome::Locked || file == Outcome::Locked)
        Current = State::Held;
    if (Current != State::Held)
        return;
    // Who holds it, for a second start that wants to find this game.
    const std::string pid = std::to_string(::getpid()) + "\n";
    const bool noted = FileWritable && ::ftruncate(FileFd, 0) == 0
        && ::pwrite(FileFd, pid.data(), pid.size(), 0) == static_cast<ssize_t>(pid.size());
    static_cast<void>(noted); // without the note a second start can only say that a game runs here
}

DirectoryLock::~DirectoryLock()
{
    // The file stays: removing it would let a start that has just opened
    // it lock a name that is no longer there.
    if (FileFd >= 0)
        ::close(FileFd);
    if (DirectoryFd >= 0)
        ::close(DirectoryFd);
}

DirectoryLock::Outcome DirectoryLock::Lock(int fd)
{
    if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
        return Outcome::Locked;
    Failure = errno;
    return errno == EWOULDBLOCK ? Outcome::Busy : Outcome::Failed;
}

// The directory itself can be locked by anyone who may read it, whatever
// stands under the lock file's name; a file system without locks (a
// network drive without its lock service) says ENOLCK.
DirectoryLock::Outcome DirectoryLock::LockDirectory(const char* lockFile)
{
    const std::string directory = std::filesystem::path(lockFile).parent_path().string();
    DirectoryFd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (DirectoryFd < 0) {
        Failure = errno;
        return Outcome::Failed;
    }
    return Lock(DirectoryFd);
}

// The lock file as well: games that lock only the file see this game, and
// it carries the note of who holds the lock.
DirectoryLock::Outcome DirectoryLock::LockFile(const char* lockFile)
{
    for (int attempt = 0; attempt < 2; ++attempt) {
        FileFd = OpenLockFile(lockFile);
        if (FileFd >= 0)
            return Lock(FileFd);
        Failure = errno;
        if (!ClearOwnEntry(lockFile))
            return Outcome::Failed;
    }
    return Outcome::Failed;
}

int DirectoryLock::OpenLockFile(const char* lockFile)
{
    int fd = ::open(lockFile, O_RDWR | O_CREAT | OpenFlags, 0644);
    FileWritable = fd >= 0;
    // A lock file this user may only read (one a start by root left)
    // still takes a lock; it only carries no note.
    if (fd < 0 && errno == EACCES)
        fd = ::open(lockFile, O_RDONLY | OpenFlags);
    if (fd >= 0 && !PlainFile(fd)) {
        ::close(fd);
        errno = EEXIST;
        return -1;
    }
    return fd;
}

pid_t DirectoryLock::Holder() const
{
    // Read afresh each time: a game that took the directory a moment ago
    // may not have made its lock file or noted itself in it yet.
    const int fd = ::open(LockFilePath.c_str(), O_RDONLY | OpenFlags);
    if (fd < 0)
        return 0;
    char text[32] = {};
    const ssize_t got = PlainFile(fd) ? ::pread(fd, text, sizeof text - 1, 0) : 0;
    ::close(fd);
    pid_t pid = 0;
    if (got <= 0 || std::from_chars(text, text + got, pid).ec != std::errc())
        return 0;
    return pid;
}
