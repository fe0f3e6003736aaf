#include "FileIo.h"

#include <cerrno>
#include <cstdio>
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
    struct stat info { };
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
    result.Size = static_cast<std::uintmax_t>(info.st_size);
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
