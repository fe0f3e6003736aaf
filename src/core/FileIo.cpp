#include "FileIo.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <string>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileRead ReadFilePrefix(const char* path, std::size_t limit)
{
    FileRead result;
    // Without O_NONBLOCK a named pipe under the file's name would hold the
    // game at start-up until some writer came along; on a regular file the
    // flag changes nothing.
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        result.Error = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        result.Error = errno;
    else if (S_ISDIR(info.st_mode))
        result.Error = EISDIR;
    else if (!S_ISREG(info.st_mode))
        result.Error = EINVAL;
    if (result.Error != 0) {
        ::close(fd);
        return result;
    }
    result.Opened = true;
    result.Bytes.resize(limit);
    std::size_t filled = 0;
    while (filled < limit) {
        const ssize_t got = ::read(fd, result.Bytes.data() + filled, limit - filled);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0) {
            result.Error = errno;
            break;
        }
        if (got == 0)
            break;
        filled += static_cast<std::size_t>(got);
    }
    result.Bytes.resize(filled);
    ::close(fd);
    return result;
}

namespace {

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

// The permission bits the new file is given: those of the file it
// replaces, so that a list the player made private stays private; a new
// file gets what the player's umask allows.
mode_t ModeForReplacing(const char* path)
{
    struct stat old {};
    if (::stat(path, &old) == 0 && S_ISREG(old.st_mode))
        return old.st_mode & 07777;
    return 0666;
}

// A rename is only durable once the directory that holds both names is
// on the disk too. A file system that cannot sync a directory says EINVAL;
// there the rename is as durable as it gets.
int SyncDirectoryOf(const char* path)
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

} // namespace

int WriteFileAtomically(const char* path, std::span<const std::uint8_t> bytes)
{
    const std::string temporary = std::string(path) + ".tmp";
    const mode_t mode = ModeForReplacing(path);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, mode);
    if (fd < 0)
        return errno;
    int error = 0;
    // A temporary left over from an earlier save keeps its own bits when
    // it is opened again, and the umask must not narrow the player's.
    if (mode != 0666 && ::fchmod(fd, mode) != 0)
        error = errno;
    if (error == 0)
        error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path) != 0)
        error = errno;
    if (error != 0) {
        ::unlink(temporary.c_str());
        return error;
    }
    return SyncDirectoryOf(path);
}
