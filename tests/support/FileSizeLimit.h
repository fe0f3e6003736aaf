// A full disk for one process: while this lives no file of the process may
// grow past `bytes`. A write beyond stops part-way and then fails (EFBIG),
// the way it does when the disk fills up (ENOSPC); the signal the kernel
// sends along with it is ignored meanwhile.
#pragma once

#include <csignal>
#include <sys/resource.h>

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes)
    {
        ::getrlimit(RLIMIT_FSIZE, &Previous);
        rlimit limit = Previous;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
        PreviousHandler = std::signal(SIGXFSZ, SIG_IGN);
    }
    ~FileSizeLimit()
    {
        ::setrlimit(RLIMIT_FSIZE, &Previous);
        std::signal(SIGXFSZ, PreviousHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit Previous {};
    void (*PreviousHandler)(int) = nullptr;
};
