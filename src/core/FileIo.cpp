#include "FileIo.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

FileRead ReadFilePrefix(const char* path, std::size_t limit)
{
    FileRead result;
    const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        result.Error = errno;
        return result;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || S_ISDIR(info.st_mode)) {
        result.Error = S_ISDIR(info.st_mode) ? EISDIR : errno;
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
