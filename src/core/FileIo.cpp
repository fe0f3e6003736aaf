#include "FileIo.h"

#include <cerrno>
#include <cstdio>
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

} // namespace

int WriteFileAtomically(const char* path, std::span<const std::uint8_t> bytes)
{
    const std::string temporary = std::string(path) + ".tmp";
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0644);
    if (fd < 0)
        return errno;
    int error = WriteAll(fd, bytes);
    if (error == 0 && ::fsync(fd) != 0)
        error = errno;
    if (::close(fd) != 0 && error == 0)
        error = errno;
    if (error == 0 && ::rename(temporary.c_str(), path) != 0)
        error = errno;
    if (error != 0)
        ::unlink(temporary.c_str());
    return error;
}
