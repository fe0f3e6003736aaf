#include "FileSave.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <string>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// As many links as the kernel itself follows in one name.
constexpr int MaxLinksFollowed = 40;

// What lies under the name to be saved, once links are followed.
struct SaveTarget {
    std::string Path; // the file that gets the bytes
    bool Exists = false;
    struct stat Old { };
};

int ReadLink(const std::string& link, off_t size, std::string& target)
{
    target.resize(static_cast<std::size_t>(size > 0 ? size : 255) + 1);
    const ssize_t got = ::readlink(link.c_str(), target.data(), target.size());
    if (got < 0)
        return errno;
    if (static_cast<std::size_t>(got) == target.size())
        return ENAMETOOLONG; // the link changed under us and grew
    target.resize(static_cast<std::size_t>(got));
    return 0;
}

// Follows symbolic links from `path` to the name that finally stands for
// a file or for nothing yet; a relative link counts from its own folder.
int FindTarget(const char* path, SaveTarget& found)
{
    found.Path = path;
    bool throughLink = false;
    for (int followed = 0;; ++followed) {
        struct stat info { };
        if (::lstat(found.Path.c_str(), &info) != 0)
            return errno == ENOENT ? 0 : errno; // nothing there yet: made under this name
        if (!S_ISLNK(info.st_mode)) {
            found.Old = info;
            break;
        }
        if (followed == MaxLinksFollowed)
            return ELOOP;
        std::string target;
        if (const int error = ReadLink(found.Path, info.st_size, target); error != 0)
            return error;
        found.Path = (std::filesystem::path(found.Path).parent_path() / target).string();
        throughLink = true;
    }
    if (S_ISDIR(found.Old.st_mode))
        return EISDIR;
    if (!S_ISREG(found.Old.st_mode)) {
        // A pipe or the like right under the name is replaced like a
        // missing file; a device or pipe that a link points to is not
        // the player's file to replace.
        return throughLink ? EACCES : 0;
    }
    found.Exists = true;
    // The player's own protection counts: a list made read-only stays so.
    if (::faccessat(AT_FDCWD, found.Path.c_str(), W_OK, AT_EACCESS) != 0)
        return errno;
    return 0;
}

int WriteAll(int fd, std::span<const std::uint8_t> bytes)
{
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t done = ::write(fd, bytes.data() + written, bytes.size() - written);
        if (done < 0 && errno == EINTR)
            continue;
        if (done < 0)
            return errno;
        written += static_cast<std::size_t>(done);
    }
    return 0;
}

// Flushes and closes `fd` after the steps before have ended with `error`;
// the first failure counts (a closed file is never flushed: it failed).
int SyncAndClose(int fd, int error)
{
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    return error;
}

// The file overwritten where it lies: its links, owner and permission bits
// stay as they are. The bytes go in with one write from the start, and
// only then is anything past them cut off.
SaveOutcome OverwriteInPlace(const SaveTarget& target, std::span<const std::uint8_t> bytes)
{
    const int fd = ::open(target.Path.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
    if (fd < 0)
        return {errno, false};
    struct stat now { };
    int error = 0;
    if (::fstat(fd, &now) != 0)
        error = errno;
    else if (!S_ISREG(now.st_mode))
        error = EACCES; // no longer the file that was looked at
    if (error == 0)
        error = WriteAll(fd, bytes);
    if (error == 0 && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0)
        error = errno;
    if (error != 0) {
        ::close(fd);
        return {error, false};
    }
    return {SyncAndClose(fd, 0), true};
}

// A rename is only durable once the directory that holds both names is
// on the disk too. A file system that cannot sync a directory says EINVAL;
// there the rename is as durable as it gets.
int SyncDirectoryOf(const std::string& path)
{
    const std::string directory = std::filesystem::path(path).parent_path().string();
    const int fd = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return errno;
    int error = 0;
    if (::fsync(fd) != 0 && errno != EINVAL)
        error = errno;
    ::close(fd);
    return error;
}

// A temporary is always made anew: O_EXCL never opens what stands under
// its name, O_NOFOLLOW never follows a link there, and O_NONBLOCK never
// waits for a reader of a pipe.
constexpr int FreshFile = O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC;

// A name beside `target` that nobody uses yet, opened; -errno when none.
int OpenUniqueTemporary(const std::string& target, std::string& name)
{
    static constexpr char Letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device seed;
    std::uniform_int_distribution<std::size_t> pick(0, sizeof Letters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + ".XXXXXX.tmp";
        for (std::size_t at = target.size() + 1; at < target.size() + 7; ++at)
            name[at] = Letters[pick(seed)];
        const int fd = ::open(name.c_str(), FreshFile, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd >= 0 ? fd : -errno;
    }
    return -EEXIST;
}

// The temporary file for `target`, opened; -errno when it cannot be made.
int OpenTemporary(const std::string& target, TemporaryName naming, std::string& name)
{
    if (naming == TemporaryName::Unique)
        return OpenUniqueTemporary(target, name);
    name = target + ".tmp";
    // What a crashed save left, or anything else under the program's own
    // name, goes: a file or link by its name alone (another name of a hard
    // linked file keeps the file), a directory if it is empty.
    if (::unlink(name.c_str()) != 0 && errno == EISDIR)
        ::rmdir(name.c_str());
    const int fd = ::open(name.c_str(), FreshFile, 0666);
    if (fd >= 0)
        return fd;
    // Something that could not be cleared away (a full directory, a file
    // of another user in a shared folder) is stepped around.
    return errno == EEXIST ? OpenUniqueTemporary(target, name) : -errno;
}

// Gives the new file the old one's owner; false when this user may not.
bool TakeOverOwner(int fd, const struct stat& old)
{
    struct stat fresh { };
    if (::fstat(fd, &fresh) != 0)
        return false;
    return (fresh.st_uid == old.st_uid && fresh.st_gid == old.st_gid) || ::fchown(fd, old.st_uid, old.st_gid) == 0;
}

// Directory not writable for this user, or a file system that refuses a
// new name: the file itself may still take the bytes.
bool TemporaryRefused(int error)
{
    return error == EACCES || error == EPERM || error == EROFS;
}

} // namespace

SaveOutcome SaveFile(const char* path, std::span<const std::uint8_t> bytes, TemporaryName naming)
{
    SaveTarget target;
    if (const int error = FindTarget(path, target); error != 0)
        return {error, false};
    // A further hard link is another name for the same list; replacing
    // the file would cut it off.
    if (target.Exists && target.Old.st_nlink > 1)
        return OverwriteInPlace(target, bytes);

    std::string temporary;
    const int fd = OpenTemporary(target.Path, naming, temporary);
    if (fd < 0)
        return target.Exists && TemporaryRefused(-fd) ? OverwriteInPlace(target, bytes) : SaveOutcome {-fd, false};
    if (target.Exists && !TakeOverOwner(fd, target.Old)) {
        // The new file would belong to someone else than the old one.
        ::close(fd);
        ::unlink(temporary.c_str());
        return OverwriteInPlace(target, bytes);
    }
    // After the owner, which may clear some bits: the old file's bits, which
    // the umask must not narrow either.
    int error = target.Exists && ::fchmod(fd, target.Old.st_mode & 07777) != 0 ? errno : 0;
    if (error == 0)
        error = WriteAll(fd, bytes);
    error = SyncAndClose(fd, error);
    if (error == 0 && ::rename(temporary.c_str(), target.Path.c_str()) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return {error, false};
    }
    return {SyncDirectoryOf(target.Path), true};
}
